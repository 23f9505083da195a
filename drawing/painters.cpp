// The painters: one per kind of vehicle, each assembling the silhouette from
// the head and back bitmaps, black bodies and the couplings of its trailers.
#include "drawing/bitmaps.h"
#include "drawing/pixels.h"
#include "drawing/vehicledrawing.h"
#include "model/numbers.h"

#include <QBrush>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPen>

namespace {

// Where a coupling starts when the first unit does not set it.
constexpr int FirstCouplingX = 2;

// Gaps and stubs of the couplings.
constexpr int TrailerGapWidth = 1;
constexpr int TrailerBodyIndent = 2;
constexpr int SemiTrailerGapWidth = 2;
constexpr int DrawbarWidth = 2;

// The truck cab sits this far below the top of the bodies.
constexpr int TruckCabDrop = 7;

// Where the head, body and back of the single-unit vehicles sit relative to
// the head's top, and how far below their own level the wheels are drawn a
// second time, on top of the bodies.
constexpr int CarDrop = 2;
constexpr int CarBodyShrink = 1;
constexpr int CarWheelDrop = 4;
constexpr int BusBodyShrink = 1;
constexpr int BusWheelDrop = 3;
constexpr int MotorcycleBodyTop = 7;
constexpr int MotorcycleBodyShrink = 8;
constexpr int MotorcycleBitmapDrop = 3;
constexpr int MotorcycleBarRaise = 10;
constexpr int MotorcycleCouplingRaise = 5;
constexpr int TractorBodyTop = 15;
constexpr int TractorBodyShrink = 28;
constexpr int TractorWheelDrop = 6;

void addBitmap(QGraphicsScene *scene, int index, qreal x, qreal y) {
    scene->addPixmap(vehicleBitmap(index))->setPos(x, y);
}

void addBlackRect(QGraphicsScene *scene, qreal x, qreal y, qreal width, qreal height) {
    scene->addRect(x, y, width, height, QPen(), QBrush(Qt::black));
}

void addWhiteRect(QGraphicsScene *scene, qreal x, qreal y, qreal width, qreal height) {
    scene->addRect(x, y, width, height, QPen(Qt::white), QBrush(Qt::white));
}

// Wheel a of the layout. A configuration whose numbers only add up modulo
// 256, or that has groups of 0 axles, points past the wheels there are; the
// nearest existing wheel stands in.
int wheelIndex(const VehicleDrawing::Layout &layout, qint64 a) {
    return static_cast<int>(qBound<qint64>(0, a, layout.wheelX.size() - 1));
}

int wheelX(const VehicleDrawing::Layout &layout, qint64 a) {
    return layout.wheelX.at(wheelIndex(layout, a));
}

int wheelRight(const VehicleDrawing::Layout &layout, qint64 a) {
    return layout.wheelRight.at(wheelIndex(layout, a));
}

char upperLetter(char letter) {
    return QChar::fromLatin1(letter).toUpper().toLatin1();
}

// The x of a back bitmap centred over wheel a.
int backOverWheel(const VehicleDrawing::Layout &layout, qint64 a) {
    return vehicleBitmap(layout.tyre).width() / 2 + wheelX(layout, a) -
           vehicleBitmap(layout.back).width() / 2;
}

qint64 firstGroupAxles(const VehicleDrawing::Layout &layout) {
    return layout.groups.isEmpty() ? 0 : layout.groups.first().count;
}

} // namespace

void VehicleDrawing::drawLink(char letter, int x1, int x2, int y, int endX,
                              QGraphicsScene *scene) const {
    const qreal overhang = boundedPixels(double(appendLength) * vehicleBitmap(TruckWheel1).width());
    const int fullHeight = chassisHeight + bodyHeight;
    switch (upperLetter(letter)) {
    case 'T':
        addWhiteRect(scene, x1, y, TrailerGapWidth, fullHeight);
        addBlackRect(scene, x1 + TrailerBodyIndent, y, endX - (x1 + TrailerBodyIndent), bodyHeight);
        addBlackRect(scene, endX, y, overhang, fullHeight);
        break;
    case 'S':
        addWhiteRect(scene, x2 - SemiTrailerGapWidth, y, SemiTrailerGapWidth, bodyHeight);
        addWhiteRect(scene, x1, y + bodyHeight, SemiTrailerGapWidth, chassisHeight);
        addBlackRect(scene, x2, y, endX - x2, bodyHeight);
        addBlackRect(scene, endX, y, overhang, fullHeight);
        break;
    case 'D':
        addBlackRect(scene, x1, y + bodyHeight, DrawbarWidth, chassisHeight);
        break;
    default:
        break;
    }
}

void VehicleDrawing::linkLaterGroups(const Layout &layout, int first, qint64 &a, int &previousRight,
                                     int &couplingX, int couplingY) const {
    for (int k = first; k < layout.groups.size(); ++k) {
        a += layout.groups.at(k).count;
        drawLink(layout.groups.at(k).letter, previousRight, couplingX, couplingY,
                 wheelRight(layout, a), scene);
        previousRight = wheelRight(layout, a);
        couplingX = wheelX(layout, a);
    }
}

void VehicleDrawing::firstUnitBody(const Layout &layout, int backX, int top, int shrink) const {
    const QPixmap head = vehicleBitmap(layout.head);
    addBlackRect(scene, head.width(), layout.headY + top, backX - head.width(),
                 head.height() - shrink);
}

void VehicleDrawing::chassisBar(const Layout &layout, int previousRight) const {
    const int lastRight = layout.wheelRight.last();
    if (lastRight > previousRight) {
        addBlackRect(scene, previousRight, layout.chassisTop, lastRight - previousRight,
                     chassisHeight);
    }
}

void VehicleDrawing::paintTruck(const Layout &layout, const Subclass &subclass) {
    const int headWidth = vehicleBitmap(layout.head).width();
    addBitmap(scene, layout.head, 0, layout.bodyTop + TruckCabDrop);

    // The chassis runs from the cab's back to the last wheel's right edge.
    const qint64 axles = Numbers::asInt(subclass.get_number_of_axles());
    float sum = 0.0f;
    for (qint64 i = 0; i < axles - 1 && i < layout.wheelX.size(); ++i)
        sum += axleDistance(subclass, static_cast<int>(i), drawMaximum);
    addBlackRect(scene, headWidth, layout.chassisTop,
                 truncatedPixels(double(sum * layout.scale - layout.firstX)), chassisHeight);

    qint64 a = -1;
    int previousRight = headWidth;
    int couplingX = FirstCouplingX;
    for (int k = 0; k < layout.groups.size(); ++k) {
        a += layout.groups.at(k).count;
        if (k == 0) {
            const bool semiTrailerFollows =
                layout.groups.size() > 1 && upperLetter(layout.groups.at(1).letter) == 'S';
            if (semiTrailerFollows) {
                // A tractor unit: the semi-trailer's body covers it.
                couplingX = previousRight;
            } else {
                addBlackRect(scene, previousRight, layout.bodyTop,
                             wheelRight(layout, a) + 1 - previousRight, bodyHeight);
            }
        } else {
            drawLink(layout.groups.at(k).letter, previousRight + 1, couplingX, layout.bodyTop,
                     wheelRight(layout, a), scene);
            couplingX = wheelX(layout, a);
        }
        previousRight = wheelRight(layout, a);
    }

    // Again, so that the wheels lie on top of the bodies.
    placeWheels(layout.scale, layout.firstX, layout.wheelY, layout.tyre, subclass, scene,
                drawMaximum);
}

void VehicleDrawing::paintCar(const Layout &layout, const Subclass &subclass) {
    qint64 a = -1 + firstGroupAxles(layout);
    const int y = layout.headY + CarDrop;
    addBitmap(scene, layout.head, 0, y);
    const int backX = backOverWheel(layout, a);
    firstUnitBody(layout, backX, CarDrop, CarBodyShrink);
    addBitmap(scene, layout.back, backX, y);

    int previousRight = backX + vehicleBitmap(layout.back).width();
    int couplingX = wheelX(layout, a);
    chassisBar(layout, previousRight);
    linkLaterGroups(layout, 1, a, previousRight, couplingX, layout.bodyTop);

    placeWheels(layout.scale, layout.firstX, layout.wheelY + CarWheelDrop, layout.tyre, subclass,
                scene, drawMaximum);
}

void VehicleDrawing::paintBus(const Layout &layout, const Subclass &subclass) {
    // Semi-trailer groups right behind the first belong to an articulated
    // bus, which is one unit with a joint.
    qint64 a = -1 + firstGroupAxles(layout);
    int next = 1;
    while (next < layout.groups.size() && upperLetter(layout.groups.at(next).letter) == 'S') {
        a += layout.groups.at(next).count;
        ++next;
    }
    const bool articulated = next > 1;

    const int headWidth = vehicleBitmap(layout.head).width();
    const int backX = backOverWheel(layout, a);
    firstUnitBody(layout, backX, 0, BusBodyShrink);
    if (articulated)
        addBitmap(scene, BusLink, headWidth + (backX - headWidth) / 2, layout.headY);
    addBitmap(scene, layout.head, 0, layout.headY);
    addBitmap(scene, layout.back, backX, layout.headY);

    int previousRight = backX + vehicleBitmap(layout.back).width();
    int couplingX = wheelX(layout, a);
    chassisBar(layout, previousRight);
    linkLaterGroups(layout, next, a, previousRight, couplingX, layout.bodyTop);

    placeWheels(layout.scale, layout.firstX, layout.wheelY + BusWheelDrop, layout.tyre, subclass,
                scene, drawMaximum);
}

void VehicleDrawing::paintMotorcycle(const Layout &layout, const Subclass &subclass) {
    qint64 a = -1 + firstGroupAxles(layout);
    const int backX = backOverWheel(layout, a);
    firstUnitBody(layout, backX, MotorcycleBodyTop, MotorcycleBodyShrink);

    int previousRight = backX + vehicleBitmap(layout.back).width();
    int couplingX = FirstCouplingX;
    const int barX = previousRight - 1;
    addBlackRect(scene, barX, layout.chassisTop - MotorcycleBarRaise,
                 layout.wheelRight.last() - barX, chassisHeight);
    linkLaterGroups(layout, 1, a, previousRight, couplingX,
                    layout.bodyTop - MotorcycleCouplingRaise);

    placeWheels(layout.scale, layout.firstX, layout.wheelY, layout.tyre, subclass, scene,
                drawMaximum);
    // The head and back carry the wheels' spokes and the rider; they go on top.
    addBitmap(scene, layout.head, 0, layout.headY + MotorcycleBitmapDrop);
    addBitmap(scene, layout.back, backX, layout.headY + MotorcycleBitmapDrop);
}

void VehicleDrawing::paintTractor(const Layout &layout, const Subclass &subclass) {
    qint64 a = -1 + firstGroupAxles(layout);
    const int backX = backOverWheel(layout, a);
    firstUnitBody(layout, backX, TractorBodyTop, TractorBodyShrink);

    int previousRight = backX + vehicleBitmap(layout.back).width();
    int couplingX = wheelX(layout, a);
    chassisBar(layout, previousRight);
    linkLaterGroups(layout, 1, a, previousRight, couplingX, layout.bodyTop);

    placeWheels(layout.scale, layout.firstX, layout.wheelY + TractorWheelDrop, layout.tyre,
                subclass, scene, drawMaximum);
    // The tractor's bitmaps hold its own big wheels; they go on top.
    addBitmap(scene, layout.head, 0, layout.headY);
    addBitmap(scene, layout.back, backX, layout.headY);
}
