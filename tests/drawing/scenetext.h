#ifndef TARVEO_TESTS_DRAWING_SCENETEXT_H
#define TARVEO_TESTS_DRAWING_SCENETEXT_H

#include "drawing/bitmaps.h"
#include "model/subclass.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QStringList>

// Scenes written out as text, one item a line in drawing order, so that a
// test can compare the whole geometry at once and a failure shows where it
// differs: "TruckWheel1 8,45" for a bitmap at (8, 45), "black 37,5 60x40" for
// a black rectangle.

inline QString bitmapName(const QGraphicsPixmapItem *item) {
    static const char *const names[VehicleBitmapCount] = {
        "TruckWheel1", "TruckHead1",        "LightTruckHead", "CarTireS",    "CarHeadS1",
        "CarBackS1",   "VanTire",           "VanHead",        "VanBack",     "BusTire",
        "BusHead",     "BusBack",           "BusLink",        "MotorTire2",  "MotorHead2",
        "MotorBack2",  "UnclassifiedWheel", "TractorTire",    "TractorHead", "TractorBack"};
    const QImage image = item->pixmap().toImage();
    for (int i = 0; i < VehicleBitmapCount; ++i) {
        if (vehicleBitmap(i).toImage() == image) {
            return QString::fromLatin1(names[i]);
        }
    }
    return QStringLiteral("unknown bitmap");
}

inline QString number(qreal value) {
    return QString::number(value);
}

inline QString itemText(const QGraphicsItem *item) {
    if (const auto *pixmap = qgraphicsitem_cast<const QGraphicsPixmapItem *>(item)) {
        return bitmapName(pixmap) + QLatin1Char(' ') + number(pixmap->pos().x()) +
               QLatin1Char(',') + number(pixmap->pos().y());
    }
    if (const auto *rect = qgraphicsitem_cast<const QGraphicsRectItem *>(item)) {
        QString colour = QStringLiteral("other");
        if (rect->brush() == QBrush(Qt::black) && rect->pen().color() == Qt::black) {
            colour = QStringLiteral("black");
        } else if (rect->brush() == QBrush(Qt::white) && rect->pen().color() == Qt::white) {
            colour = QStringLiteral("white");
        }
        const QRectF r = rect->rect();
        return colour + QLatin1Char(' ') + number(r.x()) + QLatin1Char(',') + number(r.y()) +
               QLatin1Char(' ') + number(r.width()) + QLatin1Char('x') + number(r.height());
    }
    return QStringLiteral("unexpected item");
}

inline QStringList sceneText(const QGraphicsScene *scene) {
    QStringList lines;
    if (!scene) {
        return lines;
    }
    // Items of equal z stack in insertion order, so ascending order is the
    // order in which they were drawn.
    const QList<QGraphicsItem *> items = scene->items(Qt::AscendingOrder);
    for (const QGraphicsItem *item : items) {
        lines.append(itemText(item));
    }
    return lines;
}

// The lines that start with prefix, in order.
inline QStringList linesStartingWith(const QStringList &lines, const QString &prefix) {
    QStringList result;
    for (const QString &line : lines) {
        if (line.startsWith(prefix)) {
            result.append(line);
        }
    }
    return result;
}

// A subclass as the reader would build it from a file section.
inline Subclass subclassOf(const QString &configuration, const QString &axles,
                           const QString &minimums, const QString &maximums,
                           const QString &append = QString()) {
    QMap<QString, QString> table;
    table.insert(QStringLiteral("subclass"), QStringLiteral("1"));
    table.insert(QStringLiteral("axle_configuration"), configuration);
    table.insert(QStringLiteral("number_of_axles"), axles);
    table.insert(QStringLiteral("min_axle_distance__m"), minimums);
    table.insert(QStringLiteral("max_axle_distance__m"), maximums);
    table.insert(QStringLiteral("max_axle_weight__kN"), QStringLiteral("1,10;2,10"));
    if (!append.isEmpty()) {
        table.insert(QStringLiteral("append__m"), append);
    }
    return Subclass(table);
}

#endif
