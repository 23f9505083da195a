#ifndef TARVEO_EDITOR_SUBCLASSLOOKUP_H
#define TARVEO_EDITOR_SUBCLASSLOOKUP_H

#include "model/conf.h"
#include "model/numbers.h"

#include <QRegularExpression>
#include <QString>

// How subclasses are named in the window's lists, and how a field that names
// another subclass is judged.
namespace SubclassLookup {

// The entry for a number as written; only the plain decimal form of a
// number is ever listed.
inline QString entry(const QString &numberText) {
    return QStringLiteral("subclass_") + numberText;
}

// The entry of a subclass in comboBoxSubclasses and comboBoxInvalid.
inline QString entry(quint32 number) {
    return entry(QString::number(number));
}

// The number of an entry: its first run of decimal digits ("" when none).
inline QString numberText(const QString &entry) {
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    return digits.match(entry).captured(0);
}

// The axle count a reclassification target is compared with while the user
// types in the field: the target's count when it exists, "0" (never
// matching) for a missing target, empty (always accepted) for an empty field.
inline QString typedTargetAxles(const Conf &conf, const QString &target) {
    const quint32 number = Numbers::asUnsigned(target);
    if (conf.has_subclass(number))
        return conf.get_subclass(number).get_number_of_axles();
    return target.isEmpty() ? QString() : QStringLiteral("0");
}

// The same when a subclass is displayed: a target that reads as 0 counts as
// no target at all.
inline QString shownTargetAxles(const Conf &conf, const QString &target) {
    const quint32 number = Numbers::asUnsigned(target);
    if (number == 0)
        return QString();
    if (conf.has_subclass(number))
        return conf.get_subclass(number).get_number_of_axles();
    return QStringLiteral("0");
}

} // namespace SubclassLookup

#endif
