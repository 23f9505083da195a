#ifndef TARVEO_APP_APPLOG_H
#define TARVEO_APP_APPLOG_H

#include <QLoggingCategory>

// Start-up and the application's identity.
Q_DECLARE_LOGGING_CATEGORY(tarveoApp)

#endif
