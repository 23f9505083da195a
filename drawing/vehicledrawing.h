#ifndef TARVEO_DRAWING_VEHICLEDRAWING_H
#define TARVEO_DRAWING_VEHICLEDRAWING_H

#include "model/subclass.h"

#include <QChar>
#include <QMap>
#include <QVector>

class QGraphicsScene;
class QGraphicsView;

// One group of an axle configuration code: "H2T2D1S2" is H 2, T 2, D 1, S 2.
struct AxleGroup {
    char letter = 0;
    quint32 count = 0;
};

// Splits an axle configuration code into its groups, in order.
QVector<AxleGroup> axleGroups(const QString &configuration);

// One side view of one subclass, at minimum or at maximum axle spacing.
// Made for a single redraw and discarded; the scene it creates belongs to
// the view, which shows it until the next redraw replaces it.
class VehicleDrawing {
public:
    // Wheel positions and the layout values every painter works from.
    struct Layout {
        QVector<AxleGroup> groups;
        QVector<int> wheelX;     // left edge of each wheel
        QVector<int> wheelRight; // right edge of each wheel
        int tyre = 0;            // bitmap indices
        int head = 0;
        int back = 0;
        int scale = 0;      // pixels per metre of axle distance
        int firstX = 0;     // x of the first wheel
        int headY = 0;      // top of the head bitmap
        int chassisTop = 0; // B
        int bodyTop = 0;    // T
        int wheelY = 0;     // top of the wheels
    };

    using Painter = void (VehicleDrawing::*)(const Layout &, const Subclass &);

    // One row of the vehicle type table: bitmaps, offsets and painter of a
    // first letter of the axle configuration.
    struct VehicleType {
        int tyre;
        int head;
        int back;
        int chassisOffset;
        int wheelOffset;
        Painter painter;
    };

    // The length in front of the vehicle (prepend) is not part of the drawing.
    VehicleDrawing(QGraphicsView *view, bool drawMaximum, float prepend, float append);

    // Checks the distance lists and paints; the view shows the new scene
    // afterwards, empty when the subclass cannot be drawn.
    void draw(const Subclass &subclass);

    // Whether the window may draw the subclass at all: whyNotDrawable gives
    // no reason.
    static bool isDrawable(const Subclass &subclass);
    // Why the subclass cannot be drawn, for the user; empty when it can: the
    // first n - 1 entries of both distance lists must be positive (a missing
    // entry is not), the number of axles valid and both lists equally long.
    // Logs the distance that fails.
    static QString whyNotDrawable(const Subclass &subclass);

    // Distance i (from axle i to axle i + 1) of the list being drawn, in
    // metres; an entry past the end of its list reads as empty, that is 0.
    static float axleDistance(const Subclass &subclass, int i, bool drawMaximum);

    // Adds one tyre per axle, the first at (x, y), each next one the axle
    // distance times scale further right. Gives the wheels' x positions.
    static QVector<int> placeWheels(int scale, float x, int y, int tyre, const Subclass &subclass,
                                    QGraphicsScene *scene, bool drawMaximum);

    // The coupling between a trailer group and what pulls it.
    void drawLink(char letter, int x1, int x2, int y, int endX, QGraphicsScene *scene) const;

    void paintTruck(const Layout &layout, const Subclass &subclass);
    void paintCar(const Layout &layout, const Subclass &subclass);
    void paintBus(const Layout &layout, const Subclass &subclass);
    void paintMotorcycle(const Layout &layout, const Subclass &subclass);
    void paintTractor(const Layout &layout, const Subclass &subclass);

    // The x of each wheel's centre in the scene, first axle first, once
    // draw() has painted the subclass.
    const QVector<qreal> &wheelCentres() const { return centres; }

private:
    void paint(const Subclass &subclass);
    void paintUnclassified(const Subclass &subclass);
    void showScene();

    // Draws the later groups of a car, bus, motorcycle or tractor, from group
    // index first on; a and the edges carry on from the first unit.
    void linkLaterGroups(const Layout &layout, int first, qint64 &a, int &previousRight,
                         int &couplingX, int couplingY) const;
    // The black body between head and back of a car, bus, motorcycle or
    // tractor: its top lies top pixels below the head's, and it is shrink
    // pixels lower than the head.
    void firstUnitBody(const Layout &layout, int backX, int top, int shrink) const;
    // The chassis bar from the first unit's back to the last wheel, when the
    // wheels reach further right.
    void chassisBar(const Layout &layout, int previousRight) const;

    void noteWheels(const QVector<int> &wheelX, int tyreWidth);

    QMap<QChar, VehicleType> vehicleTypes;
    QVector<qreal> centres;
    QGraphicsView *view;
    QGraphicsScene *scene;
    bool drawMaximum;
    const qint32 chassisHeight = 12;
    const qint32 bodyHeight = 40;
    float appendLength;  // metres; the rear overhang behind trailer bodies
};

#endif
