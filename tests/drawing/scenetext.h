#ifndef TARVEO_TESTS_DRAWING_SCENETEXT_H
#define TARVEO_TESTS_DRAWING_SCENETEXT_H

#include "drawing/bitmaps.h"
#include "model/subclass.h"

#include <QtWidgets>

// A scene as text, one item a line in drawing order, so that a test compares
// the whole geometry at once: "TruckWheel1 8,45" for a bitmap at (8, 45),
// "black 37,5 60x40" for a black rectangle.
inline QString itemText(const QGraphicsItem *item) {
    const auto number = [](qreal value) { return QString::number(value); };
    if (const auto *pixmap = qgraphicsitem_cast<const QGraphicsPixmapItem *>(item)) {
        QString name = QStringLiteral("unknown bitmap");
        for (int i = 0; i < VehicleBitmapCount; ++i)
            if (vehicleBitmap(i).toImage() == pixmap->pixmap().toImage())
                name = QFileInfo(QLatin1String(vehicleBitmapInfo(i)->path)).baseName();
        return name + ' ' + number(pixmap->x()) + ',' + number(pixmap->y());
    }
    if (const auto *rect = qgraphicsitem_cast<const QGraphicsRectItem *>(item)) {
        const auto is = [rect](Qt::GlobalColor c) {
            return rect->brush() == QBrush(c) && rect->pen().color() == c;
        };
        const QString colour = is(Qt::black) ? "black" : is(Qt::white) ? "white" : "other";
        const QRectF r = rect->rect();
        return colour + ' ' + number(r.x()) + ',' + number(r.y()) + ' ' + number(r.width()) + 'x' +
               number(r.height());
    }
    return QStringLiteral("unexpected item");
}

inline QStringList sceneText(const QGraphicsScene *scene) {
    QStringList lines;
    if (!scene)
        return lines;
    // Items of equal z stack in insertion order: ascending is drawing order.
    for (const QGraphicsItem *item : scene->items(Qt::AscendingOrder))
        lines.append(itemText(item));
    return lines;
}

// A subclass as the reader would build it from a file section.
inline Subclass subclassOf(const QString &configuration, const QString &axles,
                           const QString &minimums, const QString &maximums) {
    return Subclass(QMap<QString, QString>{{"subclass", "1"},
                                           {"axle_configuration", configuration},
                                           {"number_of_axles", axles},
                                           {"min_axle_distance__m", minimums},
                                           {"max_axle_distance__m", maximums},
                                           {"max_axle_weight__kN", "1,10;2,10"}});
}

#endif
