// The editor's command line: the program's answers to --help, --version and
// what it cannot follow, and a named file opened at start as File > Open
// opens it.
#include "app/commandline.h"
#include "app/identity.h"
#include "common/testsupport.h"
#include "common/windowdriver.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

namespace {

constexpr int finishMs = 30000;
const QString titleBase = QStringLiteral("Tarveo v") + QLatin1String(TARVEO_VERSION);

QString dataDir() {
    return qEnvironmentVariable("TARVEO_TEST_DATA");
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Identity::apply(); }
    void cleanup() { QDir::setCurrent(startDir); }
    void programAnswers_data();
    void programAnswers();
    void namedFileOpensAsFileOpenWould_data();
    void namedFileOpensAsFileOpenWould();

private:
    const QString startDir = QDir::currentPath();
};

void TestCommandLine::programAnswers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("display"); // false: run with no display at all
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("out"); // lines standard output must hold
    QTest::addColumn<QString>("err");     // a line standard error must hold
    const QString version = QStringLiteral("Tarveo ") + QLatin1String(TARVEO_VERSION);
    QTest::newRow("--version") << QStringList{"--version"} << false << 0 << QStringList{version}
                               << QString();
    QTest::newRow("-v") << QStringList{"-v"} << false << 0 << QStringList{version} << QString();
    QTest::newRow("--help") << QStringList{"--help"} << false << 0
                            << QStringList{"Usage: " TARVEO_PATH " [options] [FILE]",
                                           "Edits the vehicle-classification file of a "
                                           "weigh-in-motion installation.",
                                           "  -v, --version  Displays version information.",
                                           "  FILE           The classification file to open."}
                            << QString();
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << true << 1 << QStringList{}
                                    << "Tarveo: Unknown option 'frobnicate'.";
    QTest::newRow("two files") << QStringList{"a.conf", "b.conf"} << true << 1 << QStringList{}
                               << "Tarveo: Only one FILE can be opened.";
}

void TestCommandLine::programAnswers() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, display);
    QFETCH(int, status);
    QFETCH(QStringList, out);
    QFETCH(QString, err);
    QProcess program;
    if (!display) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QString::fromLatin1(name));
        program.setProcessEnvironment(environment);
    }
    program.start(QStringLiteral(TARVEO_PATH), arguments);
    // A program that went on to show its window would never finish.
    QVERIFY(program.waitForFinished(finishMs));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QStringList lines = QString::fromUtf8(program.readAllStandardOutput()).split('\n');
    for (const QString &line : out)
        QVERIFY2(lines.contains(line), qPrintable(lines.join('\n')));
    if (out.isEmpty())
        QCOMPARE(lines, QStringList{QString()});
    const QStringList errLines = QString::fromUtf8(program.readAllStandardError()).split('\n');
    QVERIFY2(err.isNull() || errLines.contains(err), qPrintable(errLines.join('\n')));
}

void TestCommandLine::namedFileOpensAsFileOpenWould_data() {
    QTest::addColumn<QString>("argument"); // relative to the test data
    QTest::addColumn<bool>("absolute");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("whole file") << "editing/fleet.conf" << true << true << QStringList();
    QTest::newRow("relative path")
        << "editing/../editing/fleet.conf" << false << true << QStringList();
    QTest::newRow("read in part") << "editing/stopped.conf" << true << true
                                  << QStringList{"Configuration read only in part"};
    QTest::newRow("no such file") << "editing/missing.conf" << true << false
                                  << QStringList{"Could not open configuration"};
}

void TestCommandLine::namedFileOpensAsFileOpenWould() {
    QFETCH(QString, argument);
    QFETCH(bool, absolute);
    QFETCH(bool, opens);
    QFETCH(QStringList, boxes);
    QDir::setCurrent(dataDir());
    const QString full = QDir(dataDir()).absoluteFilePath(argument);
    const QString path =
        CommandLine::fileToOpen({QStringLiteral("tarveo"), absolute ? full : argument});
    QCOMPARE(path, QDir::cleanPath(full));

    Tarveo started;
    QStringList startShown;
    {
        ModalScript script;
        CommandLine::showAndOpen(started, path);
        // Shown at once; the file waits for the event loop, so that its boxes
        // come up over the window.
        QVERIFY(started.isVisible());
        QCOMPARE(started.windowTitle(), titleBase);
        QTRY_COMPARE(script.boxTitles(), boxes);
        const QString title = opens ? titleBase + QLatin1Char(' ') + path : titleBase;
        QTRY_COMPARE(started.windowTitle(), title);
        startShown = script.shown();
    }
    if (!opens)
        return; // the Open dialog takes only an existing file

    Tarveo opened;
    opened.show();
    const QStringList openShown = WindowDriver::open(opened, path);
    QCOMPARE(openShown, QStringList{QStringLiteral("dialog: Open file")} + startShown);
    QCOMPARE(opened.windowTitle(), started.windowTitle());
    QCOMPARE(WindowDriver::entries(WindowDriver::subclassList(started)),
             WindowDriver::entries(WindowDriver::subclassList(opened)));
    QCOMPARE(started.document().to_string(), opened.document().to_string());
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
