#ifndef TARVEO_MODEL_FIELDCHECKS_H
#define TARVEO_MODEL_FIELDCHECKS_H

#include "model/fields.h"

#include <QString>

class Conf;
class Subclass;

// The model's judgement of one value: what the window marks on the field
// and what the checker reports, from the same checks.
struct Verdict {
    enum class State { Valid, Warning, Invalid };
    State state = State::Valid;
    QString message; // why not valid, in the user's words
    bool valid() const { return state == State::Valid; }
};

namespace FieldChecks {

// A header value; highestSubclassMaximum is the highest maximum axle
// distance of all subclasses (Subclass::get_highest_max_distance), which
// the header's maximum is compared with.
Verdict ofHeader(const Conf &conf, Fields::Id id, float highestSubclassMaximum);
Verdict ofHeader(const Conf &conf, Fields::Id id);

// A value of a subclass of conf.
Verdict of(const Conf &conf, const Subclass &subclass, const FieldRef &ref);

// What a reclassification target is compared with: the target's axle count
// when it is listed, "0" (never equal) when it is not or is no number, and
// empty (always accepted) for no target: an empty field or 0.
QString targetAxles(const Conf &conf, const QString &target);

// The axles a combined constraint names beyond the subclass's count: a
// constraint on axles the vehicle does not have, which the installation
// can never apply. False for a value that is no constraint.
bool namesMissingAxles(const QString &constraint, int axles);

} // namespace FieldChecks

#endif
