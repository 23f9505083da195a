// The Help menu: the About box and the update page.
#include "about/identity.h"
#include "common/modalscript.h"
#include "common/testsupport.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QTest>

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
        QString version;
        ModalScript script({}, [&version](QWidget *dialog) {
            version = dialog->findChild<QLabel *>(QStringLiteral("labelVersion"))->text();
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        w.findChild<QAction *>(QStringLiteral("actionAbout"))->trigger();
        QVERIFY2(script.shown().isEmpty(), qPrintable(script.shown().join('\n'))); // not stuck
        // The box carries the application's version.
        const QString release = QCoreApplication::applicationVersion();
        QCOMPARE(version, QStringLiteral("Tarveo %1 (x64)").arg(release));
    }

    void updateOpensTheUpdatePage() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        Tarveo w;
        w.findChild<QAction *>(QStringLiteral("actionUpdate"))->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(
            catcher.opened,
            QList<QUrl>{QUrl("https://updates.tarveo.org/ls.php?sw=kestrune-tarveo&ch=stable")});
    }
};

QTEST_MAIN(TestAboutIdentity)
#include "tst_aboutidentity.moc"
