#include "about/about.h"

#include "about/identity.h"
#include "ui_about.h"

#include <QUrl>

About::About(QWidget *parent, const QString &version) : QDialog(parent), ui(new Ui::About) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui->labelVersion->setText(tr("Tarveo ") + version + tr(" (x64)"));
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
