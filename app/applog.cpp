#include "app/applog.h"

Q_LOGGING_CATEGORY(tarveoApp, "tarveo.app", QtInfoMsg)
