#include "about/identity.h"

#include <QCoreApplication>

namespace Identity {

void apply() {
    QCoreApplication::setOrganizationName(QString::fromLatin1(OrganisationName));
    QCoreApplication::setOrganizationDomain(QString::fromLatin1(OrganisationDomain));
    QCoreApplication::setApplicationName(QString::fromLatin1(ApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Version));
}

} // namespace Identity
