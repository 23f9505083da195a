#ifndef TARVEO_TESTS_TESTSUPPORT_H
#define TARVEO_TESTS_TESTSUPPORT_H

#include "editor/tarveo.h"
#include "testdata.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

// Reaches the window's private state where a test cannot see it through
// the widgets or the saved file.
struct TarveoTestAccess {
    static Conf &conf(Tarveo &w) { return w.conf; }
    static float &weightFactor(Tarveo &w) { return w.weightFactor; }
    static float &lengthFactor(Tarveo &w) { return w.lengthFactor; }
    static uchar &lengthUnit(Tarveo &w) { return w.lengthUnit; }
    static qint32 constraintRowsDefault(const Tarveo &w) { return w.constraintRowsDefault; }
    static qint32 constraintRowsAdsl(const Tarveo &w) { return w.constraintRowsAdsl; }

    using Direction = Tarveo::Direction;
    using Conversion = QString (Tarveo::*)(const QString &, Direction);
    static Conversion totalDistance() { return &Tarveo::convertTotalDistance; }
    static Conversion distanceConstraint() { return &Tarveo::convertDistanceConstraint; }
    static Conversion totalWeight() { return &Tarveo::convertTotalWeight; }
    static Conversion weightConstraint() { return &Tarveo::convertWeightConstraint; }
    static void receiveUnits(Tarveo &w, uchar weight, uchar length, float g) {
        w.receiveUnits(weight, length, g);
    }
    static void fillHeader(Tarveo &w) { w.fillHeader(); }
    static void copyHeaderToConf(Tarveo &w) { w.copyHeaderToConf(); }
    static QLineEdit *lineEditAt(Tarveo &w, QFrame *frame, int position) {
        return w.lineEditAt(frame, position);
    }
    static void redrawVehicle(Tarveo &w, const Subclass &subclass) { w.redrawVehicle(subclass); }
};

#endif
