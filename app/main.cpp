#include "app/identity.h"
#include "editor/tarveo.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QString::fromLatin1(Identity::organisationName));
    QCoreApplication::setOrganizationDomain(QString::fromLatin1(Identity::organisationDomain));
    QCoreApplication::setApplicationName(QString::fromLatin1(Identity::applicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Identity::version));
    Tarveo window;
    window.show();
    return app.exec();
}
