#include "drawing/silhouette.h"

#include "drawing/vehicledrawing.h"
#include "model/numbers.h"

#include <QCoreApplication>
#include <QGraphicsScene>

namespace {

// The editor's drawing views are 90 pixels high and wide enough that an
// ordinary vehicle fits in the visible scene.
constexpr int ViewWidth = 400;
constexpr int ViewHeight = 90;
// Nothing of a vehicle longer than this many pixels is shown.
constexpr int MaxWidth = 4000;
constexpr int EndPadding = 4;

} // namespace

Silhouette::Silhouette(const Subclass &subclass, bool drawMaximum) {
    view.resize(ViewWidth, ViewHeight);
    source = QRectF(0, 0, ViewWidth, ViewHeight);
    why = VehicleDrawing::whyNotDrawable(subclass);
    if (!why.isEmpty())
        return;
    VehicleDrawing drawing(&view, drawMaximum, Numbers::asFloat(subclass.get_prepend()),
                           Numbers::asFloat(subclass.get_append()));
    drawing.draw(subclass);
    const QGraphicsScene *scene = view.scene();
    source = view.sceneRect();
    const QRectF items = scene->itemsBoundingRect();
    if (items.isValid())
        source.setRight(qMax(source.right(), items.right() + EndPadding));
    source.setWidth(qMin<qreal>(source.width(), MaxWidth));
    wheels = drawing.wheelCentres();
    isDrawn = !scene->items().isEmpty();
    if (!isDrawn)
        why = QCoreApplication::translate("Silhouette", "there is nothing to draw");
}

void Silhouette::paint(QPainter &painter, const QRectF &target) const {
    if (isDrawn)
        view.scene()->render(&painter, target, source);
}

QVector<qreal> Silhouette::wheelsIn(const QRectF &target) const {
    // render() keeps the aspect ratio and centres the source in the target.
    const qreal scale = qMin(target.width() / source.width(), target.height() / source.height());
    const qreal left = target.center().x() - source.width() * scale / 2;
    QVector<qreal> placed;
    for (qreal x : wheels)
        placed.append(left + (x - source.left()) * scale);
    return placed;
}
