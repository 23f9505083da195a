#ifndef TARVEO_DRAWING_VEHICLEDRAWING_H
#define TARVEO_DRAWING_VEHICLEDRAWING_H

#include "model/subclass.h"

class QGraphicsView;

// Placeholder; the vehicle drawing replaces it.
class VehicleDrawing {
public:
    VehicleDrawing(QGraphicsView *view, bool drawMaximum, float prepend, float append);
    void draw(const Subclass &subclass);
};

#endif
