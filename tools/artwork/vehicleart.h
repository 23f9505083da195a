#ifndef TARVEO_TOOLS_ARTWORK_VEHICLEART_H
#define TARVEO_TOOLS_ARTWORK_VEHICLEART_H

#include <QImage>

// Draws the artwork of one vehicle bitmap (an index of VehicleBitmap) at the
// size the drawing expects, on white. A null image for an unknown index.
QImage drawVehicleArt(int index);

#endif
