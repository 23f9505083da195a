#ifndef TARVEO_DRAWING_BITMAPS_H
#define TARVEO_DRAWING_BITMAPS_H

#include <QPixmap>

// The built-in bitmaps a vehicle is assembled from. The values index the
// table below and are stored in the vehicle type table, so their order is
// fixed.
enum VehicleBitmap {
    TruckWheel1,
    TruckHead1,
    LightTruckHead,
    CarTireS,
    CarHeadS1,
    CarBackS1,
    VanTire,
    VanHead,
    VanBack,
    BusTire,
    BusHead,
    BusBack,
    BusLink,
    MotorTire2,
    MotorHead2,
    MotorBack2,
    UnclassifiedWheel,
    TractorTire,
    TractorHead,
    TractorBack,
    VehicleBitmapCount
};

// Where a bitmap lives in the resources and the size its artwork is made
// for; the drawing itself only ever uses the size of the loaded pixmap.
struct VehicleBitmapInfo {
    const char *path;
    int width;
    int height;
};

// The entry for index, or null for an index outside the table.
const VehicleBitmapInfo *vehicleBitmapInfo(int index);

// Loads the bitmap from the resources; a null pixmap for an unknown index.
QPixmap vehicleBitmap(int index);

#endif
