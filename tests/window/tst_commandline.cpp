// The editor's command line: the program's answers to --version and
// what it cannot follow, and a named file opened at start as File > Open
// opens it.
#include "about/identity.h"
#include "app/applog.h"
#include "app/commandline.h"
#include "common/windowdriver.h"
#include "drawing/drawinglog.h"
#include "editor/editorlog.h"
#include "model/modellog.h"

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Identity::apply(); }
    void cleanup() { QDir::setCurrent(startDir); }

    void programAnswers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("line"); // a line the program must print
        QTest::newRow("--version")
            << QStringList{"--version"} << 0 << QStringLiteral("Tarveo " TARVEO_VERSION);
        QTest::newRow("unknown option")
            << QStringList{"--frobnicate"} << 1 << "Tarveo: Unknown option 'frobnicate'.";
        QTest::newRow("two files")
            << QStringList{"a.conf", "b.conf"} << 1 << "Tarveo: Only one FILE can be opened.";
    }

    void programAnswers() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, line);
        // --version must answer without any display; a program that went on
        // to show its window would never finish.
        const ProgramRun program = runProgram(QStringLiteral(TARVEO_PATH), arguments,
                                              status == 0 ? Platform::Removed : Platform::Kept);
        const QStringList lines = QString::fromUtf8(program.out + program.err).split('\n');
        QVERIFY2(lines.contains(line), qPrintable(lines.join('\n')));
        QCOMPARE(program.status, status);
    }

    void namedFileOpensAsFileOpenWould_data() {
        QTest::addColumn<QString>("argument"); // relative to the test data
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("whole file") << "./editing/fleet.conf" << true << QStringList();
        QTest::newRow("read in part")
            << "editing/stopped.conf" << true << QStringList{"Configuration read only in part"};
        QTest::newRow("no such file")
            << "editing/missing.conf" << false << QStringList{"Could not open configuration"};
    }

    void namedFileOpensAsFileOpenWould() {
        QFETCH(QString, argument);
        QFETCH(bool, opens);
        QFETCH(QStringList, boxes);
        QDir::setCurrent(testData(QString()));
        const QString path = CommandLine::fileToOpen({QStringLiteral("tarveo"), argument});
        QCOMPARE(path, QDir::cleanPath(QDir(testData(QString())).absoluteFilePath(argument)));

        Tarveo started;
        ModalScript script;
        CommandLine::showAndOpen(started, path);
        // Shown at once; the file waits for the event loop, so that its
        // boxes come up over the window.
        QVERIFY(started.isVisible());
        QCOMPARE(started.windowFilePath(), QString());
        QTRY_COMPARE(script.boxTitles(), boxes);
        QTRY_COMPARE(started.windowFilePath(), opens ? path : QString());
    }

    void logTurnsOnEveryLayersDebug() {
        const QVector<const QLoggingCategory *> layers{&tarveoModel(), &tarveoDrawing(),
                                                       &tarveoApp(), &tarveoEditor()};
        for (const QLoggingCategory *layer : layers)
            QVERIFY2(layer->isWarningEnabled() && !layer->isDebugEnabled(), layer->categoryName());
        CommandLine::fileToOpen({QStringLiteral("tarveo"), QStringLiteral("--log")});
        for (const QLoggingCategory *layer : layers)
            QVERIFY2(layer->isDebugEnabled(), layer->categoryName());
        QLoggingCategory::setFilterRules(QString());
    }

private:
    const QString startDir = QDir::currentPath();
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
