// The Help menu (About box, update page), the built-in icon and the
// application identity.
#include "about/about.h"
#include "app/identity.h"
#include "common/modalscript.h"
#include "common/testsupport.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
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
    void cleanup();
    void applicationIdentity();
    void aboutBoxContents();
    void aboutFromTheHelpMenu();
    void enterAndEscapeCloseTheAboutBox();
    void updateOpensTheUpdatePage();
    void iconHoldsSeveralSizes();
};

void TestAboutIdentity::cleanup() {
    while (QWidget *modal = QApplication::activeModalWidget())
        modal->close();
}

void TestAboutIdentity::applicationIdentity() {
    Identity::apply();
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Tarveo"));
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Olmarin d.o.o"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("3.4.2"));
    const QString domain = QCoreApplication::organizationDomain();
    QVERIFY(!domain.isEmpty());
    QVERIFY(QUrl::fromUserInput(domain).isValid());
    QCOMPARE(QUrl(QStringLiteral("https://") + domain).host(), domain);

    // The title and the About box carry the same version.
    Tarveo w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Tarveo v") + QCoreApplication::applicationVersion());
}

void TestAboutIdentity::aboutBoxContents() {
    About about(nullptr, QStringLiteral("3.4.2"));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("labelVersion"))->text(),
             QStringLiteral("Tarveo 3.4.2 (x64)"));
    QVERIFY(!about.findChild<QLabel *>(QStringLiteral("labelIcon"))
                 ->pixmap(Qt::ReturnByValue)
                 .isNull());

    auto *label = about.findChild<QLabel *>(QStringLiteral("label"));
    QVERIFY(label->openExternalLinks());
    QVERIFY(label->textInteractionFlags() & Qt::LinksAccessibleByKeyboard);
    const QString html = label->text();
    for (const char *part : {"Created using Qt Creator under LGPLv3", "Click here for source"})
        QVERIFY2(html.contains(QLatin1String(part)), part);
    QCOMPARE(html.count(QStringLiteral("<a href=\"https://")), 2);
    QCOMPARE(about.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->standardButtons(),
             QDialogButtonBox::Ok);
}

void TestAboutIdentity::aboutFromTheHelpMenu() {
    Tarveo w;
    w.show();
    QString version;
    ModalScript script({}, [&version](QWidget *dialog) {
        version = dialog->findChild<QLabel *>(QStringLiteral("labelVersion"))->text();
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    w.findChild<QAction *>(QStringLiteral("actionAbout"))->trigger();
    QCOMPARE(version, QStringLiteral("Tarveo 3.4.2 (x64)"));
    // The box lives only while it is shown.
    QVERIFY(!w.findChild<About *>());
}

void TestAboutIdentity::enterAndEscapeCloseTheAboutBox() {
    Tarveo w;
    w.show();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        bool answered = false;
        ModalScript script({}, [&answered, key](QWidget *dialog) {
            answered = true;
            QTest::keyClick(dialog, key);
        });
        w.findChild<QAction *>(QStringLiteral("actionAbout"))->trigger();
        QVERIFY(answered);
        QVERIFY(!QApplication::activeModalWidget());
    }
}

void TestAboutIdentity::updateOpensTheUpdatePage() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    Tarveo w;
    w.findChild<QAction *>(QStringLiteral("actionUpdate"))->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    QCOMPARE(catcher.opened.size(), 1);
    const QUrl url = catcher.opened.first();
    QCOMPARE(url.scheme(), QStringLiteral("https"));
    QCOMPARE(url.host(), QString::fromLatin1(Identity::UpdateHost));
    QCOMPARE(url.path(), QStringLiteral("/ls.php"));
    QCOMPARE(url.query(), QStringLiteral("sw=kestrune-tarveo&ch=stable"));
}

void TestAboutIdentity::iconHoldsSeveralSizes() {
    QImageReader reader(QStringLiteral(":/res/icon.ico"));
    QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
    QList<int> widths;
    do {
        // Each image is drawn, not blank: opaque middle, transparent corner,
        // several colours.
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!image.isNull());
        QCOMPARE(image.width(), image.height());
        QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        QVERIFY(colours.size() >= 4);
        widths << image.width();
    } while (reader.jumpToNextImage());
    for (int size : {16, 32, 48, 256})
        QVERIFY2(widths.contains(size), qPrintable(QString::number(size)));
}

QTEST_MAIN(TestAboutIdentity)
#include "tst_aboutidentity.moc"
