#include "drawing/bitmaps.h"

#include <QImage>
#include <array>

namespace {

const std::array<VehicleBitmapInfo, VehicleBitmapCount> BitmapTable = {{
    {":/res/bmps/TruckWheel1.bmp", 21, 18},       {":/res/bmps/TruckHead1.bmp", 37, 46},
    {":/res/bmps/LightTruckHead.bmp", 37, 46},    {":/res/bmps/CarTireS.bmp", 15, 14},
    {":/res/bmps/CarHeadS1.bmp", 50, 25},         {":/res/bmps/CarBackS1.bmp", 41, 25},
    {":/res/bmps/VanTire.bmp", 18, 17},           {":/res/bmps/VanHead.bmp", 57, 38},
    {":/res/bmps/VanBack.bmp", 42, 38},           {":/res/bmps/BusTire.bmp", 23, 17},
    {":/res/bmps/BusHead.bmp", 79, 40},           {":/res/bmps/BusBack.bmp", 62, 40},
    {":/res/bmps/BusLink.bmp", 16, 40},           {":/res/bmps/MotorTire2.bmp", 16, 15},
    {":/res/bmps/MotorHead2.bmp", 30, 30},        {":/res/bmps/MotorBack2.bmp", 31, 30},
    {":/res/bmps/UnclassifiedWheel.bmp", 21, 18}, {":/res/bmps/TractorTire.bmp", 14, 14},
    {":/res/bmps/TractorHead.bmp", 28, 46},       {":/res/bmps/TractorBack.bmp", 33, 46},
}};

} // namespace

const VehicleBitmapInfo *vehicleBitmapInfo(int index) {
    if (index < 0 || index >= VehicleBitmapCount)
        return nullptr;
    return &BitmapTable[static_cast<size_t>(index)];
}

QPixmap vehicleBitmap(int index) {
    const VehicleBitmapInfo *info = vehicleBitmapInfo(index);
    if (!info)
        return QPixmap();
    // Read once: a drawing asks for its bitmaps at every keystroke, and a
    // pixmap loaded from the resources looks up the resource's time each
    // time. Images, unlike pixmaps, may outlive the application object.
    static std::array<QImage, VehicleBitmapCount> loaded;
    QImage &image = loaded[static_cast<size_t>(index)];
    if (image.isNull())
        image.load(QString::fromLatin1(info->path));
    return QPixmap::fromImage(image);
}
