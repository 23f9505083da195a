#include "drawing/vehicledrawing.h"

#include "drawing/bitmaps.h"
#include "drawing/drawinglog.h"
#include "drawing/pixels.h"
#include "model/numbers.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QRegularExpression>

namespace {

// The scene rectangle starts a little left of and above the origin, so the
// cab's edge and the tallest bodies are not cut, and takes 90 % of the view.
constexpr double SceneLeft = -2.0;
constexpr double SceneTop = -13.0;
constexpr double SceneShareOfView = 0.9;

constexpr int SeparatorLength = 57;

const char *const TextCannotDraw =
    "Can not draw due to invalid axles stuff. Ideally this warning should not appear and be "
    "handled before drawing is called. This is here to eliminate a logic error that crashes "
    "stuff.";

const char *const MinDistanceMissing =
    QT_TRANSLATE_NOOP("VehicleDrawing", "the min. distance between axles %1 and %2 is missing");
const char *const MaxDistanceMissing =
    QT_TRANSLATE_NOOP("VehicleDrawing", "the max. distance between axles %1 and %2 is missing");
const char *const MinDistanceNotAbove =
    QT_TRANSLATE_NOOP("VehicleDrawing", "the min. distance between axles %1 and %2 is not above 0");
const char *const MaxDistanceNotAbove =
    QT_TRANSLATE_NOOP("VehicleDrawing", "the max. distance between axles %1 and %2 is not above 0");
const char *const AxlesNotValid =
    QT_TRANSLATE_NOOP("VehicleDrawing", "the number of axles is not valid");
const char *const ListsDiffer =
    QT_TRANSLATE_NOOP("VehicleDrawing", "the lists of min. and max. distances differ in length");

QString drawingText(const char *text) {
    return QCoreApplication::translate("VehicleDrawing", text);
}

QString boolText(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

QVector<AxleGroup> axleGroups(const QString &configuration) {
    static const QRegularExpression groupPattern(QStringLiteral("\\w\\d+"),
                                                 QRegularExpression::UseUnicodePropertiesOption);
    QVector<AxleGroup> groups;
    QRegularExpressionMatchIterator it = groupPattern.globalMatch(configuration);
    while (it.hasNext()) {
        const QString group = it.next().captured(0);
        AxleGroup axleGroup;
        axleGroup.letter = group.at(0).toLatin1();
        axleGroup.count = Numbers::asUnsigned(group.mid(1));
        groups.append(axleGroup);
    }
    return groups;
}

VehicleDrawing::VehicleDrawing(QGraphicsView *view, bool drawMaximum, float /*prepend*/,
                               float append)
    : vehicleTypes{
          {QChar('A'),
           {TractorTire, TractorHead, TractorBack, -18, 4, &VehicleDrawing::paintTractor}},
          {QChar('B'), {BusTire, BusHead, BusBack, -9, 3, &VehicleDrawing::paintBus}},
          {QChar('C'), {CarTireS, CarHeadS1, CarBackS1, -14, 4, &VehicleDrawing::paintCar}},
          {QChar('H'), {TruckWheel1, TruckHead1, TruckHead1, -9, 0, &VehicleDrawing::paintTruck}},
          {QChar('L'),
           {TruckWheel1, LightTruckHead, LightTruckHead, -9, -4, &VehicleDrawing::paintTruck}},
          {QChar('M'),
           {MotorTire2, MotorHead2, MotorBack2, -3, 4, &VehicleDrawing::paintMotorcycle}},
          {QChar('V'), {VanTire, VanHead, VanBack, -8, 1, &VehicleDrawing::paintCar}},
      },
      view(view), scene(nullptr), drawMaximum(drawMaximum), appendLength(append) {
    view->setSceneRect(SceneLeft, SceneTop, SceneShareOfView * view->width(),
                       SceneShareOfView * view->height());
    scene = new QGraphicsScene(view);
}

bool VehicleDrawing::isDrawable(const Subclass &subclass) {
    return whyNotDrawable(subclass).isEmpty();
}

QString VehicleDrawing::whyNotDrawable(const Subclass &subclass) {
    const qint64 axles = Numbers::asInt(subclass.get_number_of_axles());
    for (qint64 i = 0; i < axles - 1; ++i) {
        const int index = static_cast<int>(i);
        // A list that ends early cannot be drawn: its missing entries read
        // as empty, which is not a positive distance.
        const QString minText = index < subclass.get_number_of_min_distances()
                                    ? subclass.get_min_distance_at_index(index)
                                    : QString();
        const QString maxText = index < subclass.get_number_of_max_distances()
                                    ? subclass.get_max_distance_at_index(index)
                                    : QString();
        const bool minFails = !(Numbers::asFloat(minText) > 0.0f);
        if (minFails || !(Numbers::asFloat(maxText) > 0.0f)) {
            qCDebug(tarveoDrawing).noquote()
                << "Can't draw because at index" << index << "min dist is" << minText
                << "and max dist is" << maxText;
            const QString &text = minFails ? minText : maxText;
            return drawingText(minFails
                                   ? (text.isEmpty() ? MinDistanceMissing : MinDistanceNotAbove)
                                   : (text.isEmpty() ? MaxDistanceMissing : MaxDistanceNotAbove))
                .arg(index + 1)
                .arg(index + 2);
        }
    }
    if (!subclass.is_number_of_axles_valid())
        return drawingText(AxlesNotValid);
    // draw() paints nothing for lists of different lengths.
    if (subclass.get_number_of_min_distances() != subclass.get_number_of_max_distances())
        return drawingText(ListsDiffer);
    return QString();
}

void VehicleDrawing::draw(const Subclass &subclass) {
    scene->clear();
    const qint64 axles = Numbers::asInt(subclass.get_number_of_axles());
    const int minCount = subclass.get_number_of_min_distances();
    const int maxCount = subclass.get_number_of_max_distances();
    if (minCount == maxCount && qint64(minCount) + 1 >= axles) {
        paint(subclass);
    } else {
        const QString separator(SeparatorLength, QLatin1Char('-'));
        qCDebug(tarveoDrawing).noquote() << separator;
        qCWarning(tarveoDrawing).noquote() << TextCannotDraw;
        qCDebug(tarveoDrawing).noquote()
            << QStringLiteral("axle vectors equal: ") + boolText(minCount == maxCount);
        qCDebug(tarveoDrawing).noquote()
            << QStringLiteral("vectors longer than number of axles: ") +
                   boolText(minCount > axles) + QStringLiteral(" Vector length: ") +
                   QString::number(minCount) + QLatin1Char(' ') + QString::number(axles);
        qCDebug(tarveoDrawing).noquote() << subclass.to_string();
        qCDebug(tarveoDrawing).noquote() << separator;
    }
    // Also when nothing could be painted: the view must not go on showing
    // the vehicle of an earlier redraw.
    showScene();
}

void VehicleDrawing::showScene() {
    QGraphicsScene *previous = view->scene();
    view->setScene(scene);
    // Every redraw makes a new scene; the one it replaces is of no further
    // use, and keeping it would grow the window with each keystroke.
    if (previous && previous != scene && previous->parent() == view)
        delete previous;
}

void VehicleDrawing::paint(const Subclass &subclass) {
    const QString configuration = subclass.get_axle_configuration();
    const auto type = configuration.isEmpty() ? vehicleTypes.constEnd()
                                              : vehicleTypes.constFind(configuration.at(0));
    if (type == vehicleTypes.constEnd() || !subclass.is_axle_configuration_valid()) {
        paintUnclassified(subclass);
        return;
    }

    const QPixmap tyre = vehicleBitmap(type->tyre);
    const QPixmap head = vehicleBitmap(type->head);
    const int halfHeight = view->height() / 2;

    Layout layout;
    layout.tyre = type->tyre;
    layout.head = type->head;
    layout.back = type->back;
    // One metre is as wide as a truck wheel, whatever the vehicle, so that
    // all vehicles share one scale.
    layout.scale = vehicleBitmap(TruckWheel1).width();
    layout.firstX = (head.width() - tyre.width()) / 2;
    layout.headY = halfHeight - head.height() / 2 - tyre.height() / 2;
    layout.chassisTop = halfHeight + tyre.height() / 2 + type->chassisOffset;
    layout.bodyTop = layout.chassisTop - bodyHeight;
    layout.wheelY = halfHeight - type->wheelOffset;

    layout.wheelX = placeWheels(layout.scale, layout.firstX, layout.wheelY, layout.tyre, subclass,
                                scene, drawMaximum);
    if (layout.wheelX.isEmpty())
        return; // no axle to hang a body on
    for (int x : qAsConst(layout.wheelX))
        layout.wheelRight.append(x + tyre.width());
    noteWheels(layout.wheelX, tyre.width());
    layout.groups = axleGroups(configuration);

    (this->*(type->painter))(layout, subclass);
}

void VehicleDrawing::paintUnclassified(const Subclass &subclass) {
    const QPixmap wheel = vehicleBitmap(UnclassifiedWheel);
    const int firstX = (vehicleBitmap(TruckHead1).width() - wheel.width()) / 2;
    const int y = view->height() / 2 - wheel.height();
    noteWheels(
        placeWheels(wheel.width(), firstX, y, UnclassifiedWheel, subclass, scene, drawMaximum),
        wheel.width());
}

void VehicleDrawing::noteWheels(const QVector<int> &wheelX, int tyreWidth) {
    centres.clear();
    for (int x : wheelX)
        centres.append(x + tyreWidth / 2.0);
}

float VehicleDrawing::axleDistance(const Subclass &subclass, int i, bool drawMaximum) {
    const int count = drawMaximum ? subclass.get_number_of_max_distances()
                                  : subclass.get_number_of_min_distances();
    if (i < 0 || i >= count)
        return 0.0f;
    return Numbers::asFloat(drawMaximum ? subclass.get_max_distance_at_index(i)
                                        : subclass.get_min_distance_at_index(i));
}

QVector<int> VehicleDrawing::placeWheels(int scale, float x, int y, int tyre,
                                         const Subclass &subclass, QGraphicsScene *scene,
                                         bool drawMaximum) {
    const qint64 axles = Numbers::asInt(subclass.get_number_of_axles());
    const int maxCount = subclass.get_number_of_max_distances();
    if (maxCount < axles - 1) {
        qCWarning(tarveoDrawing).noquote()
            << QStringLiteral("Number of axles is ") + subclass.get_number_of_axles() +
                   QStringLiteral(" while there are only ") + QString::number(maxCount) +
                   QStringLiteral(" distances! Undefined.");
        for (int i = 0; i < maxCount; ++i)
            qCWarning(tarveoDrawing).noquote() << subclass.get_max_distance_at_index(i);
    }
    // Never more wheels than the drawn list has distances for: a count far
    // beyond the list would otherwise stack millions of wheels on one spot.
    const int drawnCount = drawMaximum ? maxCount : subclass.get_number_of_min_distances();
    const qint64 wheels = qMin(axles, qint64(drawnCount) + 1);

    const QPixmap bitmap = vehicleBitmap(tyre);
    QVector<int> positions;
    for (qint64 i = 0; i < wheels; ++i) {
        const double bounded = boundedPixels(x);
        scene->addPixmap(bitmap)->setPos(bounded, y);
        positions.append(truncatedPixels(bounded));
        if (i < axles - 1)
            x += axleDistance(subclass, static_cast<int>(i), drawMaximum) * scale;
    }
    return positions;
}
