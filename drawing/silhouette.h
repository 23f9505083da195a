#ifndef TARVEO_DRAWING_SILHOUETTE_H
#define TARVEO_DRAWING_SILHOUETTE_H

#include <QGraphicsView>
#include <QRectF>
#include <QVector>

class QPainter;
class Subclass;

// One side view of a subclass, drawn as the editor's view draws it and kept
// until painted onto a picture or a page. Needs a QApplication.
class Silhouette {
public:
    Silhouette(const Subclass &subclass, bool drawMaximum);

    // False when the subclass cannot be drawn; nothing is painted then.
    bool drawn() const { return isDrawn; }
    // Why not, for the user; empty when drawn.
    const QString &reason() const { return why; }
    // The part of the scene worth showing: the editor's visible area,
    // widened to the vehicle's end when it is longer.
    QSizeF size() const { return source.size(); }
    // Paints that part scaled into target.
    void paint(QPainter &painter, const QRectF &target) const;
    // The x of each wheel's centre once painted into target, first axle
    // first.
    QVector<qreal> wheelsIn(const QRectF &target) const;

private:
    QGraphicsView view; // owns the scene the drawing made
    QRectF source;
    QVector<qreal> wheels; // centres in the scene
    QString why;
    bool isDrawn = false;
};

#endif
