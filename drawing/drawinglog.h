#ifndef TARVEO_DRAWING_DRAWINGLOG_H
#define TARVEO_DRAWING_DRAWINGLOG_H

#include <QLoggingCategory>

// Why a vehicle cannot be drawn: debug lines, and warnings for lists that
// do not fit their axle count.
Q_DECLARE_LOGGING_CATEGORY(tarveoDrawing)

#endif
