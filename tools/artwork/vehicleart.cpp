// The artwork of the vehicle bitmaps. Vehicles face left. Bodies are black,
// like the rectangles the drawing adds between the bitmaps, so head, body
// and back read as one silhouette; glass is pale blue. Where a painter puts a
// wheel under a bitmap, the bitmap leaves a wheel arch at that spot; where it
// puts the bitmap on top of the wheels (motorcycle, tractor), the bitmap
// carries the wheel itself.
#include "tools/artwork/vehicleart.h"

#include "drawing/bitmaps.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

const QColor Body(Qt::black);
const QColor Glass(168, 200, 232);
const QColor Rubber(24, 24, 24);
const QColor Rim(190, 190, 190);
const QColor Hub(90, 90, 90);
const QColor Headlamp(255, 214, 64);
const QColor Taillamp(214, 32, 32);
const QColor Background(Qt::white);

void fillPath(QPainter &p, const QPainterPath &path, const QColor &colour) {
    p.fillPath(path, colour);
}

QPainterPath polygonPath(const QVector<QPointF> &points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

// A white half-disc cut out of the body where a wheel will be drawn.
void wheelArch(QPainter &p, QPointF centre, qreal radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(Background);
    p.drawEllipse(centre, radius, radius);
}

// A tyre with rim and hub; spokes for the thin wheels.
void wheel(QPainter &p, QPointF centre, qreal radius, qreal rimShare, int spokes = 0) {
    p.setPen(Qt::NoPen);
    p.setBrush(Rubber);
    p.drawEllipse(centre, radius, radius);
    const qreal rimRadius = radius * rimShare;
    p.setBrush(Rim);
    p.drawEllipse(centre, rimRadius, rimRadius);
    if (spokes > 0) {
        p.setPen(QPen(Hub, 1.0));
        for (int i = 0; i < spokes; ++i) {
            const qreal angle = M_PI * i / spokes;
            const QPointF d(qCos(angle) * rimRadius, qSin(angle) * rimRadius);
            p.drawLine(centre - d, centre + d);
        }
        p.setPen(Qt::NoPen);
    }
    p.setBrush(Hub);
    const qreal hubRadius = qMax<qreal>(1.2, radius * 0.22);
    p.drawEllipse(centre, hubRadius, hubRadius);
}

// A tyre with lugs around it, for farm machinery.
void treadedWheel(QPainter &p, QPointF centre, qreal radius, int lugs) {
    p.setPen(QPen(Rubber, qMax<qreal>(1.5, radius * 0.18), Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < lugs; ++i) {
        const qreal angle = 2 * M_PI * i / lugs;
        const QPointF d(qCos(angle), qSin(angle));
        p.drawLine(centre + d * (radius * 0.8), centre + d * radius);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Rubber);
    p.drawEllipse(centre, radius * 0.86, radius * 0.86);
    p.setBrush(QColor(200, 60, 40)); // painted steel rim
    p.drawEllipse(centre, radius * 0.5, radius * 0.5);
    p.setBrush(Hub);
    p.drawEllipse(centre, radius * 0.18, radius * 0.18);
}

void pane(QPainter &p, const QVector<QPointF> &points) {
    fillPath(p, polygonPath(points), Glass);
}

void lamp(QPainter &p, const QRectF &rect, const QColor &colour) {
    p.fillRect(rect, colour);
}

// --- wheels -----------------------------------------------------------

void drawTyre(QPainter &p, const QSize &size, qreal rimShare, int spokes = 0) {
    const qreal radius = qMin(size.width(), size.height()) / 2.0;
    wheel(p, QPointF(size.width() / 2.0, size.height() / 2.0), radius, rimShare, spokes);
}

void drawTwinTyre(QPainter &p, const QSize &size) {
    // A dual wheel seen from the side: the rear tyre peeks out behind.
    const qreal radius = size.height() / 2.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QPointF(size.width() - radius, radius), radius, radius);
    wheel(p, QPointF(radius, radius), radius, 0.5);
}

void drawUnclassifiedWheel(QPainter &p, const QSize &size) {
    // A wheel of no known vehicle: a grey tyre marked with a question mark.
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const qreal radius = size.height() / 2.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 130, 130));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Background);
    p.drawEllipse(centre, radius * 0.62, radius * 0.62);
    QPen mark(QColor(40, 40, 40), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(mark);
    p.setBrush(Qt::NoBrush);
    const qreal r = radius * 0.28;
    QPainterPath question;
    question.arcMoveTo(QRectF(centre.x() - r, centre.y() - 2.6 * r, 2 * r, 2 * r), 160);
    question.arcTo(QRectF(centre.x() - r, centre.y() - 2.6 * r, 2 * r, 2 * r), 160, -250);
    question.lineTo(centre.x(), centre.y() + 0.3 * r);
    p.drawPath(question);
    p.drawPoint(QPointF(centre.x(), centre.y() + 1.6 * r));
}

// --- trucks -----------------------------------------------------------

void drawTruckCab(QPainter &p) {
    // 37 x 46. Body tops lie 7 rows above the image, the chassis at rows
    // 33 to 45, the front wheel at columns 8 to 29 from row 33 down.
    QPainterPath cab;
    cab.moveTo(36.9, 0);
    cab.lineTo(5, 0);
    cab.quadTo(1, 0, 1, 5);
    cab.lineTo(0.5, 38);
    cab.lineTo(36.9, 38);
    cab.closeSubpath();
    fillPath(p, cab, Body);
    p.fillRect(QRectF(20, 33, 17, 12), Body); // frame rail behind the wheel
    pane(p, {{2.5, 4}, {9, 4}, {9, 17}, {2, 19}});
    pane(p, {{12, 4}, {25, 4}, {25, 16}, {12, 16}});
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.drawLine(QPointF(27.5, 5), QPointF(27.5, 31)); // door seam
    p.drawLine(QPointF(10.5, 5), QPointF(10.5, 31));
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(24, 19, 3, 1.5), Rim); // door handle
    lamp(p, QRectF(0.5, 29, 2.5, 4), Headlamp);
    p.fillRect(QRectF(0, 35, 4, 4), QColor(60, 60, 60)); // bumper
    wheelArch(p, QPointF(18.5, 43), 11.5);
}

void drawLightTruckCab(QPainter &p) {
    // 37 x 46, a lower cab with a short bonnet; its wheel is 4 rows lower
    // than the heavy truck's.
    QPainterPath cab;
    cab.moveTo(36.9, 8);
    cab.lineTo(15, 8);
    cab.quadTo(11, 8, 9, 14);
    cab.lineTo(6, 22);
    cab.lineTo(3, 23);
    cab.quadTo(0.5, 24, 0.5, 28);
    cab.lineTo(0.5, 41);
    cab.lineTo(36.9, 41);
    cab.closeSubpath();
    fillPath(p, cab, Body);
    p.fillRect(QRectF(22, 37, 15, 9), Body);
    pane(p, {{14.5, 11}, {17, 11}, {17, 21}, {9, 22}});
    pane(p, {{19.5, 11}, {33, 11}, {33, 20}, {19.5, 20}});
    lamp(p, QRectF(0.5, 26, 3, 3), Headlamp);
    p.fillRect(QRectF(0, 37, 4, 4), QColor(60, 60, 60));
    wheelArch(p, QPointF(18.5, 47), 11.5);
}

// --- cars and vans ----------------------------------------------------

void drawCarFront(QPainter &p) {
    // 50 x 25; the roof meets the body at the right edge, the front wheel is
    // centred near (24.5, 24).
    QPainterPath car;
    car.moveTo(49.9, 0);
    car.lineTo(31, 0);
    car.quadTo(27, 0, 24, 3);
    car.lineTo(18, 9);
    car.lineTo(5, 11);
    car.quadTo(0.5, 12, 0.5, 16);
    car.lineTo(0.5, 21);
    car.quadTo(0.5, 23, 3, 23);
    car.lineTo(49.9, 23);
    car.closeSubpath();
    fillPath(p, car, Body);
    pane(p, {{31, 2}, {47, 2}, {47, 9}, {24, 9}});
    lamp(p, QRectF(0.5, 13, 3, 3), Headlamp);
    wheelArch(p, QPointF(24.5, 24), 8.5);
}

void drawCarBack(QPainter &p) {
    // 41 x 25; rear wheel centred near (20.5, 24).
    QPainterPath car;
    car.moveTo(0, 0);
    car.lineTo(19, 0);
    car.quadTo(23, 0, 26, 3);
    car.lineTo(32, 9);
    car.lineTo(38, 10);
    car.quadTo(40.5, 11, 40.5, 14);
    car.lineTo(40.5, 21);
    car.quadTo(40.5, 23, 38, 23);
    car.lineTo(0, 23);
    car.closeSubpath();
    fillPath(p, car, Body);
    pane(p, {{2, 2}, {19, 2}, {26, 9}, {2, 9}});
    lamp(p, QRectF(38, 12, 2.5, 4), Taillamp);
    wheelArch(p, QPointF(20.5, 24), 8.5);
}

void drawVanFront(QPainter &p) {
    // 57 x 38; front wheel centred near (28, 36.5).
    QPainterPath van;
    van.moveTo(56.9, 0);
    van.lineTo(24, 0);
    van.quadTo(20, 0, 18, 4);
    van.lineTo(11, 17);
    van.lineTo(4, 19);
    van.quadTo(0.5, 20, 0.5, 24);
    van.lineTo(0.5, 35);
    van.quadTo(0.5, 37, 3, 37);
    van.lineTo(56.9, 37);
    van.closeSubpath();
    fillPath(p, van, Body);
    pane(p, {{22, 3}, {33, 3}, {33, 16}, {14, 16}});
    pane(p, {{36, 3}, {55, 3}, {55, 16}, {36, 16}});
    lamp(p, QRectF(0.5, 22, 3, 4), Headlamp);
    wheelArch(p, QPointF(28, 36.5), 10.5);
}

void drawVanBack(QPainter &p) {
    // 42 x 38; rear wheel centred near (21, 36.5).
    QPainterPath van;
    van.moveTo(0, 0);
    van.lineTo(38, 0);
    van.quadTo(41.5, 0, 41.5, 4);
    van.lineTo(41.5, 35);
    van.quadTo(41.5, 37, 39, 37);
    van.lineTo(0, 37);
    van.closeSubpath();
    fillPath(p, van, Body);
    pane(p, {{2, 3}, {36, 3}, {36, 16}, {2, 16}});
    lamp(p, QRectF(39, 20, 2.5, 6), Taillamp);
    wheelArch(p, QPointF(21, 36.5), 10.5);
}

// --- buses ------------------------------------------------------------

void busWindows(QPainter &p, qreal from, qreal to) {
    constexpr qreal WindowWidth = 11;
    constexpr qreal Pillar = 2;
    for (qreal x = from; x + WindowWidth <= to; x += WindowWidth + Pillar)
        pane(p, {{x, 5}, {x + WindowWidth, 5}, {x + WindowWidth, 18}, {x, 18}});
}

void drawBusFront(QPainter &p) {
    // 79 x 40; front wheel centred near (39.5, 36.5).
    QPainterPath bus;
    bus.moveTo(78.9, 0);
    bus.lineTo(5, 0);
    bus.quadTo(0.5, 0, 0.5, 5);
    bus.lineTo(0.5, 37);
    bus.quadTo(0.5, 39, 3, 39);
    bus.lineTo(78.9, 39);
    bus.closeSubpath();
    fillPath(p, bus, Body);
    lamp(p, QRectF(3, 1.5, 12, 2.5), Headlamp); // destination sign
    pane(p, {{2, 5}, {7, 5}, {7, 24}, {2, 24}});
    pane(p, {{10, 5}, {18, 5}, {18, 33}, {10, 33}}); // front door
    p.fillRect(QRectF(13.7, 5, 0.8, 28), Body);
    busWindows(p, 21, 79);
    lamp(p, QRectF(0.5, 28, 2.5, 4), Headlamp);
    wheelArch(p, QPointF(39.5, 37), 12.5);
}

void drawBusBack(QPainter &p) {
    // 62 x 40; rear wheel centred near (31.5, 36.5).
    QPainterPath bus;
    bus.moveTo(0, 0);
    bus.lineTo(57, 0);
    bus.quadTo(61.5, 0, 61.5, 5);
    bus.lineTo(61.5, 37);
    bus.quadTo(61.5, 39, 59, 39);
    bus.lineTo(0, 39);
    bus.closeSubpath();
    fillPath(p, bus, Body);
    busWindows(p, 2, 58);
    lamp(p, QRectF(59, 26, 2.5, 6), Taillamp);
    wheelArch(p, QPointF(31.5, 37), 12.5);
}

void drawBusJoint(QPainter &p, const QSize &size) {
    // 16 x 40, the bellows between the two halves of an articulated bus.
    const QColor folds[] = {QColor(70, 70, 70), QColor(140, 140, 140)};
    constexpr int FoldWidth = 2;
    for (int x = 0; x < size.width(); x += FoldWidth)
        p.fillRect(QRect(x, 1, FoldWidth, 37), folds[(x / FoldWidth) % 2]);
    p.fillRect(QRect(0, 0, size.width(), 1), Body);
    p.fillRect(QRect(0, 38, size.width(), 1), Body);
}

// --- motorcycles ------------------------------------------------------

void drawMotorcycleFront(QPainter &p) {
    // 30 x 30, drawn over the front wheel (columns 7 to 23, rows 15 to 30).
    wheel(p, QPointF(15, 22.5), 7.4, 0.72, 4);
    p.setPen(QPen(QColor(150, 150, 150), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 22.5), QPointF(20, 6)); // fork
    p.setPen(QPen(Body, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 4), QPointF(24, 2)); // handlebar
    p.setPen(Qt::NoPen);
    fillPath(p, polygonPath({{21, 8}, {29.9, 6}, {29.9, 14}, {22, 14}}), Body); // tank
    p.setBrush(Headlamp);
    p.drawEllipse(QPointF(17.5, 9), 2, 2);
}

void drawMotorcycleBack(QPainter &p) {
    // 31 x 30, drawn over the rear wheel (columns 7 to 23, rows 15 to 30).
    wheel(p, QPointF(15, 22.5), 7.4, 0.72, 4);
    fillPath(p, polygonPath({{0, 9}, {2, 14}, {14, 23}, {16, 21}, {6, 12}, {8, 10}}),
             Body); // frame and swing arm
    QPainterPath seat;
    seat.moveTo(0, 5);
    seat.quadTo(10, 3, 20, 6);
    seat.lineTo(29, 6);
    seat.lineTo(29, 9);
    seat.lineTo(0, 10);
    seat.closeSubpath();
    fillPath(p, seat, Body);
    p.setPen(QPen(Body, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 13, 18, 18), 30 * 16, 110 * 16); // rear mudguard
    p.setPen(QPen(QColor(150, 150, 150), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 15), QPointF(27, 12)); // exhaust
    p.setPen(Qt::NoPen);
    lamp(p, QRectF(28, 6, 2.5, 2.5), Taillamp);
}

// --- tractors ---------------------------------------------------------

void drawTractorFront(QPainter &p) {
    // 28 x 46, drawn over the small front wheel (centre near (14, 39)); the
    // bonnet meets the body at rows 15 to 33.
    QPainterPath bonnet;
    bonnet.moveTo(27.9, 15);
    bonnet.lineTo(5, 16);
    bonnet.quadTo(1, 16.5, 1, 21);
    bonnet.lineTo(1, 31);
    bonnet.lineTo(27.9, 33);
    bonnet.closeSubpath();
    fillPath(p, bonnet, QColor(200, 60, 40));
    p.setPen(QPen(QColor(70, 20, 10), 1));
    for (qreal y = 20; y < 30; y += 2.5)
        p.drawLine(QPointF(2, y), QPointF(6, y)); // grille
    p.setPen(QPen(Body, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 15), QPointF(18, 3)); // exhaust stack
    p.setPen(Qt::NoPen);
    lamp(p, QRectF(1, 17.5, 2, 2.5), Headlamp);
    treadedWheel(p, QPointF(14, 38.5), 7.4, 12);
}

void drawTractorBack(QPainter &p) {
    // 33 x 46: the cab over the big rear wheel, centred above the drawn tyre.
    QPainterPath cab;
    cab.moveTo(3, 0);
    cab.lineTo(30, 0);
    cab.lineTo(30, 20);
    cab.lineTo(0, 20);
    cab.lineTo(0, 15);
    cab.closeSubpath();
    fillPath(p, cab, QColor(200, 60, 40));
    pane(p, {{4, 2}, {15, 2}, {15, 14}, {2, 14}});
    pane(p, {{17, 2}, {28, 2}, {28, 14}, {17, 14}});
    treadedWheel(p, QPointF(16, 31.5), 14.3, 16);
}

} // namespace

QImage drawVehicleArt(int index) {
    const VehicleBitmapInfo *info = vehicleBitmapInfo(index);
    if (!info)
        return QImage();
    const QSize size(info->width, info->height);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    switch (index) {
    case TruckWheel1:
        drawTwinTyre(p, size);
        break;
    case TruckHead1:
        drawTruckCab(p);
        break;
    case LightTruckHead:
        drawLightTruckCab(p);
        break;
    case CarTireS:
        drawTyre(p, size, 0.55);
        break;
    case CarHeadS1:
        drawCarFront(p);
        break;
    case CarBackS1:
        drawCarBack(p);
        break;
    case VanTire:
        drawTyre(p, size, 0.55);
        break;
    case VanHead:
        drawVanFront(p);
        break;
    case VanBack:
        drawVanBack(p);
        break;
    case BusTire:
        drawTwinTyre(p, size);
        break;
    case BusHead:
        drawBusFront(p);
        break;
    case BusBack:
        drawBusBack(p);
        break;
    case BusLink:
        drawBusJoint(p, size);
        break;
    case MotorTire2:
        drawTyre(p, size, 0.72, 4);
        break;
    case MotorHead2:
        drawMotorcycleFront(p);
        break;
    case MotorBack2:
        drawMotorcycleBack(p);
        break;
    case UnclassifiedWheel:
        drawUnclassifiedWheel(p, size);
        break;
    case TractorTire:
        treadedWheel(p, QPointF(size.width() / 2.0, size.height() / 2.0), size.height() / 2.0, 12);
        break;
    case TractorHead:
        drawTractorFront(p);
        break;
    case TractorBack:
        drawTractorBack(p);
        break;
    default:
        break;
    }
    return image;
}
