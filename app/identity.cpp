#include "app/identity.h"

#include <QCoreApplication>

namespace Identity {

void apply() {
    QCoreApplication::setOrganizationName(QString::fromLatin1(organisationName));
    QCoreApplication::setOrganizationDomain(QString::fromLatin1(organisationDomain));
    QCoreApplication::setApplicationName(QString::fromLatin1(applicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version));
}

} // namespace Identity
