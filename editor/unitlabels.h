#ifndef TARVEO_EDITOR_UNITLABELS_H
#define TARVEO_EDITOR_UNITLABELS_H

#include "units/displayunits.h"

#include <QLabel>

// The label of a field that holds a length or a weight names the unit the
// window shows: "Max. GVW (t):".
namespace UnitLabels {

inline void show(QLabel *label, Fields::Kind kind, const DisplayUnits &units) {
    if (units.hasUnit(kind))
        label->setText(Units::withSuffix(label->text(), units.suffix(kind)));
}

} // namespace UnitLabels

#endif
