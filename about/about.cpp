#include "about/about.h"

#include "about/identity.h"
#include "ui_about.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QSysInfo>
#include <QUrl>

About::About(QWidget *parent, const QString &version) : QDialog(parent), ui(new Ui::About) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // The Qt the program runs with, which may be newer than the one it was
    // built with, and the processor it was built for.
    ui->labelVersion->setText(tr("Tarveo %1 (%2)").arg(version, QSysInfo::buildCpuArchitecture()));
    ui->label->setText(ui->label->text().arg(QString::fromLatin1(qVersion())));
}

About::~About() {
    delete ui;
}

QUrl updateUrl() {
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(QString::fromLatin1(Identity::UpdateHost));
    url.setPath(QString::fromLatin1(Identity::UpdatePath));
    url.setQuery(QString::fromLatin1(Identity::UpdateQuery), QUrl::TolerantMode);
    return url;
}

void openUpdatePage(QWidget *parent) {
    const QUrl url = updateUrl();
    if (QDesktopServices::openUrl(url))
        return;
    // Without a browser the address is all the user can be given: to copy
    // and open elsewhere.
    QMessageBox box(QMessageBox::Information, QObject::tr("Check for Updates"),
                    QObject::tr("No web browser could be started. Open this address in one "
                                "to see whether a newer version exists:\n\n%1")
                        .arg(url.toString()),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}
