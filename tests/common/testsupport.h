#ifndef TARVEO_TESTS_TESTSUPPORT_H
#define TARVEO_TESTS_TESTSUPPORT_H

#include "document/confdocument.h"
#include "editor/editorcontext.h"
#include "editor/tarveo.h"
#include "editor/vehicleviews.h"
#include "testdata.h"

#include <QtWidgets>

// What the window remembers between starts goes to the toolkit's test
// folder, never to the user's settings. That folder lies in a home of the
// run's own: each run starts as a first start does and replays exactly, and
// two runs of one test side by side never share what they remember.
inline void useTestSettings() {
    static const QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
}
Q_COREAPP_STARTUP_FUNCTION(useTestSettings)

// Reaches the window's private state where a test cannot see it through
// the widgets or the saved file.
struct TarveoTestAccess {
    static ConfDocument &document(Tarveo &w) { return *w.confDocument; }
    static const Conf &conf(Tarveo &w) { return w.confDocument->conf(); }
    static const DisplayUnits &units(Tarveo &w) { return w.context->units(); }
    static void receiveUnits(Tarveo &w, uchar weight, uchar length, float g) {
        w.receiveUnits(weight, length, g);
    }
    static void redrawVehicle(Tarveo &w, const Subclass &subclass) {
        w.findChild<VehicleViews *>(QStringLiteral("vehicleViews"))->draw(subclass);
    }
};

#endif
