#include "drawing/drawinglog.h"

Q_LOGGING_CATEGORY(tarveoDrawing, "tarveo.drawing", QtInfoMsg)
