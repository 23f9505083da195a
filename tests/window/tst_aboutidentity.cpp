// The Help menu: the About box and the update page.
#include "about/identity.h"
#include "common/modalscript.h"
#include "common/testsupport.h"

#include <QtTest>

// Stands in for the browser: records the addresses it is asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestAboutIdentity : public QObject {
    Q_OBJECT

private slots:
    void aboutFromTheHelpMenu() {
        Identity::apply();
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
};

QTEST_MAIN(TestAboutIdentity)
#include "tst_aboutidentity.moc"
