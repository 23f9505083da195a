// The Help menu (About box, update page) and the built-in icon.
#include "about/about.h"
#include "app/identity.h"
#include "common/modalscript.h"
#include "common/testsupport.h"

#include <QAction>
#include <QDesktopServices>
#include <QImageReader>
#include <QLabel>
#include <QSet>
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
        // The title and the box carry the application's version.
        const QString release = QCoreApplication::applicationVersion();
        QCOMPARE(version, QStringLiteral("Tarveo %1 (x64)").arg(release));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tarveo v") + release);
        // The box lives only while it is shown.
        QVERIFY(!w.findChild<About *>());
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

    void iconHoldsSeveralSizes() {
        QImageReader reader(QStringLiteral(":/res/icon.ico"));
        QSet<int> widths;
        do {
            // Drawn, not blank: an opaque middle, a transparent corner.
            const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            widths << image.width();
        } while (reader.jumpToNextImage());
        for (int size : {16, 32, 48, 256})
            QVERIFY2(widths.contains(size), qPrintable(QString::number(size)));
    }
};

QTEST_MAIN(TestAboutIdentity)
#include "tst_aboutidentity.moc"
