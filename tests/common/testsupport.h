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
    static uchar &weightUnit(Tarveo &w) { return w.weightUnit; }
    static uchar &lengthUnit(Tarveo &w) { return w.lengthUnit; }
    static qint32 constraintRowsDefault(const Tarveo &w) { return w.constraintRowsDefault; }
    static qint32 constraintRowsAdsl(const Tarveo &w) { return w.constraintRowsAdsl; }
    static qint32 constraintRowsAwsl(const Tarveo &w) { return w.constraintRowsAwsl; }
    static QFrame *currentConstraintFrame(const Tarveo &w) { return w.currentConstraintFrame; }
    static const QString &aboutVersion(const Tarveo &w) { return w.aboutVersion; }

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
    static void applyUnits(Tarveo &w) { w.applyUnits(); }
    static void setConvertedText(Tarveo &w, QLineEdit *edit, const QString &text, bool weight,
                                 bool valid) {
        w.setConvertedText(edit, text, weight, valid);
    }
    static void setConvertedMaxAxleDistText(Tarveo &w, QLineEdit *edit, const QString &text,
                                            bool weight, int state) {
        w.setConvertedMaxAxleDistText(edit, text, weight, state);
    }
    static QLineEdit *lineEditAt(Tarveo &w, QFrame *frame, int position) {
        return w.lineEditAt(frame, position);
    }
    static bool isValidFloat(const Tarveo &w, const QString &text) { return w.isValidFloat(text); }
    static bool isValidInt(const Tarveo &w, const QString &text) { return w.isValidInt(text); }
    static void redrawVehicle(Tarveo &w, const Subclass &subclass) { w.redrawVehicle(subclass); }
    static void clearVehicleDrawings(Tarveo &w) { w.clearVehicleDrawings(); }
};

#endif
