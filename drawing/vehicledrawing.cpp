// Placeholder; the vehicle drawing replaces it.
#include "drawing/vehicledrawing.h"

VehicleDrawing::VehicleDrawing(QGraphicsView *, bool, float, float) {}
void VehicleDrawing::draw(const Subclass &) {}
