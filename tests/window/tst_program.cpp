// The editor as a program: its answers to --version and what it cannot
// follow, a named file opened at start as File > Open opens it, the log; and
// the Help menu: the About box and the update page.
#include "about/identity.h"
#include "app/applog.h"
#include "app/commandline.h"
#include "common/windowdriver.h"
#include "drawing/drawinglog.h"
#include "editor/editorlog.h"
#include "model/modellog.h"

#include <QtTest>

// Stands in for the browser: records the addresses it is asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestProgram : public QObject {
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

    void aboutFromTheHelpMenu() {
        Tarveo w;
        w.show();
        QString version, credits;
        ModalScript script({}, [&](QWidget *dialog) {
            version = dialog->findChild<QLabel *>(QStringLiteral("labelVersion"))->text();
            credits = dialog->findChild<QLabel *>(QStringLiteral("label"))->text();
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        w.findChild<QAction *>(QStringLiteral("actionAbout"))->trigger();
        QVERIFY2(script.shown().isEmpty(), qPrintable(script.shown().join('\n'))); // not stuck
        // The box carries the application's version; it names the Qt the program runs on and the
        // processor it is built for.
        const QString release = QCoreApplication::applicationVersion();
        QCOMPARE(version,
                 QStringLiteral("Tarveo %1 (%2)").arg(release, QSysInfo::buildCpuArchitecture()));
        QVERIFY2(credits.contains(QStringLiteral("Qt Framework version ") + qVersion() + "<"),
                 qPrintable(credits));
    }

    // The update page opens in the browser; without a browser to start, its
    // address is shown, to be copied.
    void updateOpensTheUpdatePage() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        Tarveo w;
        w.findChild<QAction *>(QStringLiteral("actionUpdate"))->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.opened.size(), 1);

        QString selectable;
        ModalScript script({"OK"}, {});
        QTimer::singleShot(0, [&selectable]() {
            const auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            const auto *text = box ? box->findChild<QLabel *>("qt_msgbox_label") : nullptr;
            if (text && text->textInteractionFlags() & Qt::TextSelectableByMouse)
                selectable = text->text();
        });
        w.findChild<QAction *>(QStringLiteral("actionUpdate"))->trigger();
        QCOMPARE(script.boxTitles(), QStringList{"Check for Updates"});
        QVERIFY2(selectable.endsWith("\n" + catcher.opened.first().toString()),
                 qPrintable(selectable));
    }

private:
    const QString startDir = QDir::currentPath();
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
