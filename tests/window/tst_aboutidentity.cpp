// The Help menu (About box, update page), the built-in icon and the
// application identity.
#include "about/about.h"
#include "app/identity.h"
#include "common/testsupport.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QUrlQuery>

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
    QCOMPARE(about.objectName(), QStringLiteral("About"));
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QVERIFY(!(about.windowFlags() & Qt::WindowContextHelpButtonHint));
    QVERIFY(!about.isSizeGripEnabled());
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("labelVersion"))->text(),
             QStringLiteral("Tarveo 3.4.2 (x64)"));

    auto *icon = about.findChild<QLabel *>(QStringLiteral("labelIcon"));
    QVERIFY(!icon->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(icon->hasScaledContents());
    QCOMPARE(icon->maximumSize(), QSize(50, 50));

    auto *label = about.findChild<QLabel *>(QStringLiteral("label"));
    QVERIFY(label->openExternalLinks());
    QVERIFY(label->wordWrap());
    QVERIFY(label->textInteractionFlags() & Qt::LinksAccessibleByKeyboard);
    QVERIFY(label->textInteractionFlags() & Qt::TextSelectableByMouse);
    const QString html = label->text();
    for (const char *part :
         {"Created using Qt Creator under LGPLv3", "Qt Framework version 5.12",
          "Click here for source", "changelog", "#007af4", "MS Shell Dlg 2", "font-size:8pt"})
        QVERIFY2(html.contains(QLatin1String(part)), part);
    QCOMPARE(html.count(QStringLiteral("<a href=\"https://")), 2);

    auto *buttons = about.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok);
    QVERIFY(buttons->centerButtons());
}

void TestAboutIdentity::aboutFromTheHelpMenu() {
    Tarveo w;
    w.show();
    QString version;
    answerNextModal([&version](QWidget *dialog) {
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
        answerNextModal([&answered, key](QWidget *dialog) {
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
    QCOMPARE(url.host(), QString::fromLatin1(Identity::updateHost));
    QCOMPARE(url.path(), QStringLiteral("/ls.php"));
    const QUrlQuery query(url);
    QCOMPARE(query.queryItemValue(QStringLiteral("sw")), QStringLiteral("kestrune-tarveo"));
    QCOMPARE(query.queryItemValue(QStringLiteral("ch")), QStringLiteral("stable"));
    QCOMPARE(url.query(), QStringLiteral("sw=kestrune-tarveo&ch=stable"));
}

void TestAboutIdentity::iconHoldsSeveralSizes() {
    QImageReader reader(QStringLiteral(":/res/icon.ico"));
    QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
    QCOMPARE(reader.format(), QByteArray("ico"));
    QList<int> widths;
    do {
        const QImage image = reader.read();
        QVERIFY(!image.isNull());
        QCOMPARE(image.width(), image.height());
        // Drawn, not blank: opaque tile, transparent corners, several colours.
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        const int middle = argb.width() / 2;
        QCOMPARE(qAlpha(argb.pixel(middle, middle)), 255);
        QCOMPARE(qAlpha(argb.pixel(0, 0)), 0);
        QSet<QRgb> colours;
        for (int y = 0; y < argb.height(); ++y)
            for (int x = 0; x < argb.width(); ++x)
                colours.insert(argb.pixel(x, y));
        QVERIFY(colours.size() >= 4);
        widths << image.width();
    } while (reader.jumpToNextImage());
    for (int size : {16, 32, 48, 256})
        QVERIFY2(widths.contains(size), qPrintable(QString::number(size)));
}

QTEST_MAIN(TestAboutIdentity)
#include "tst_aboutidentity.moc"
