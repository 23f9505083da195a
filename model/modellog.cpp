#include "model/modellog.h"

Q_LOGGING_CATEGORY(tarveoModel, "tarveo.model", QtInfoMsg)
