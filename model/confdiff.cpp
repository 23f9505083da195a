#include "model/confdiff.h"

#include "model/conf.h"
#include "model/fields.h"
#include "model/filekeys.h"
#include "model/writtenentries.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace {

using Kind = ConfChange::Kind;

// Digits with at most one decimal point, in any place: the numbers the
// file's values are written with (no exponent; a sign stays text).
const QRegularExpression &numberPattern() {
    static const QRegularExpression pattern(QStringLiteral("[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+"));
    return pattern;
}

// The decimal value of a number in one spelling: no leading zeros before
// the point, no trailing zeros after it, no point without decimals.
QString canonicalNumber(const QString &number) {
    const int point = number.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? number : number.left(point);
    QString fraction = point < 0 ? QString() : number.mid(point + 1);
    while (whole.size() > 1 && whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    return fraction.isEmpty() ? whole : whole + QLatin1Char('.') + fraction;
}

QString canonicalNumbers(const QString &text) {
    const QString trimmed = text.trimmed();
    QString out;
    int from = 0;
    QRegularExpressionMatchIterator it = numberPattern().globalMatch(trimmed);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        out += QStringView(trimmed).mid(from, match.capturedStart() - from);
        out += canonicalNumber(match.captured());
        from = match.capturedEnd();
    }
    out += QStringView(trimmed).mid(from);
    return out;
}

// Whether a field's value is made of numbers, by the kind the catalogue
// gives it; the numbered constraint keys (adsl_2) hold numbers too.
bool holdsNumbers(const QString &field) {
    const Fields::Field *known = Fields::subclassField(field);
    if (!known)
        known = Fields::headerField(field);
    if (known)
        return known->kind != Fields::Kind::Text;
    return field.startsWith(FileKeys::AdslPrefix) || field.startsWith(FileKeys::AwslPrefix);
}

QString canonical(const QString &field, const QString &text) {
    return holdsNumbers(field) ? canonicalNumbers(text) : text;
}

Kind kindOf(const QString &oldValue, const QString &newValue) {
    if (oldValue.isEmpty())
        return Kind::Added;
    return newValue.isEmpty() ? Kind::Removed : Kind::Changed;
}

// Per-axle entries; an entry in use but never stored is written, and read
// here, as empty text.
QString tyreTypeAt(const Subclass &s, int i) {
    return i < s.get_number_of_tyre_types() ? s.get_tyre_type_at_index(i) : QString();
}
QString weightAt(const Subclass &s, int i) {
    return s.get_max_axle_weight_at_index(i);
}
QString maxDistanceAt(const Subclass &s, int i) {
    return s.get_max_distance_at_index(i);
}
QString minDistanceAt(const Subclass &s, int i) {
    return s.get_min_distance_at_index(i);
}

class Comparison {
public:
    QVector<ConfChange> changes;

    void value(std::optional<quint32> subclass, const QString &field, FieldPlace place, int index,
               const QString &oldValue, const QString &newValue) {
        if (!ConfDiff::sameContent(field, oldValue, newValue))
            changes.append(
                {subclass, field, place, index, oldValue, newValue, kindOf(oldValue, newValue)});
    }

    // Every key of either map; an absent key reads as empty.
    void values(std::optional<quint32> subclass, const QMap<QString, QString> &older,
                const QMap<QString, QString> &newer) {
        QMap<QString, QString> keys = older;
        keys.insert(newer);
        for (auto it = keys.cbegin(); it != keys.cend(); ++it)
            value(subclass, it.key(), FieldPlace::Whole, 0, older.value(it.key()),
                  newer.value(it.key()));
    }

    void subclass(const Subclass &older, const Subclass &newer);

    // The plain values and the lines kept as they stand, in key order; the
    // lines of one key pair up in file order.
    void sectionValues(const Subclass &older, const Subclass &newer) {
        const QMap<QString, QStringList> oldValues = byKey(older);
        const QMap<QString, QStringList> newValues = byKey(newer);
        QMap<QString, QStringList> keys = oldValues;
        keys.insert(newValues);
        for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
            const QStringList oldList = oldValues.value(it.key());
            const QStringList newList = newValues.value(it.key());
            for (int i = 0; i < qMax(oldList.size(), newList.size()); ++i)
                value(older.get_number(), it.key(), FieldPlace::Whole, 0, oldList.value(i),
                      newList.value(i));
        }
    }

private:
    static QMap<QString, QStringList> byKey(const Subclass &s) {
        QMap<QString, QStringList> values;
        s.get_values().forEach(
            [&values](const QString &key, const QString &value) { values[key].append(value); });
        for (const QString &line : s.get_other_lines()) {
            const int equals = line.indexOf(FileKeys::KeyValueSeparator);
            values[line.left(equals)].append(line.mid(equals + 1));
        }
        return values;
    }

    using Getter = QString (*)(const Subclass &, int);
    using Counter = int (*)(const Subclass &);

    void entries(const Subclass &older, const Subclass &newer, const QString &field,
                 FieldPlace place, Getter get, Counter count) {
        const int oldCount = count(older);
        const int newCount = count(newer);
        for (int i = 0; i < qMax(oldCount, newCount); ++i)
            value(older.get_number(), field, place, i + 1, i < oldCount ? get(older, i) : QString(),
                  i < newCount ? get(newer, i) : QString());
    }

    void constraints(const Subclass &older, const Subclass &newer, const QString &type,
                     const QString &field);
};

// Entries present on one side only, each matched once; an entry removed and
// one added are shown side by side as a change, in list order.
void Comparison::constraints(const Subclass &older, const Subclass &newer, const QString &type,
                             const QString &field) {
    const auto list = [&type](const Subclass &s) {
        QStringList entries;
        for (int i = 0; i < s.get_number_of_constraints(type); ++i)
            entries.append(s.get_constraint_at_index(i, type));
        return entries;
    };
    const QStringList oldEntries = list(older);
    const QStringList newEntries = list(newer);
    QHash<QString, int> unmatched; // canonical text -> how many new entries still unmatched
    for (const QString &entry : newEntries)
        ++unmatched[canonicalNumbers(entry)];
    QStringList removed;
    for (const QString &entry : oldEntries) {
        int &left = unmatched[canonicalNumbers(entry)];
        if (left > 0)
            --left;
        else
            removed.append(entry);
    }
    QStringList added;
    for (const QString &entry : newEntries) {
        int &left = unmatched[canonicalNumbers(entry)];
        if (left > 0) {
            --left;
            added.append(entry);
        }
    }
    for (int i = 0; i < qMax(removed.size(), added.size()); ++i) {
        const QString oldValue = removed.value(i);
        const QString newValue = added.value(i);
        changes.append({older.get_number(), field, FieldPlace::Whole, 0, oldValue, newValue,
                        kindOf(oldValue, newValue)});
    }
}

void Comparison::subclass(const Subclass &older, const Subclass &newer) {
    using namespace FileKeys;
    sectionValues(older, newer);
    entries(older, newer, TyreType, FieldPlace::Axle, &tyreTypeAt, &WrittenEntries::tyreTypes);
    entries(older, newer, MaxAxleWeight, FieldPlace::Axle, &weightAt, &WrittenEntries::weights);
    constraints(older, newer, ConstraintType::Default, MaxAxleWeight);
    entries(older, newer, MaxAxleDistance, FieldPlace::Gap, &maxDistanceAt,
            &WrittenEntries::maxDistances);
    entries(older, newer, MinAxleDistance, FieldPlace::Gap, &minDistanceAt,
            &WrittenEntries::minDistances);
    constraints(older, newer, ConstraintType::Adsl, ConstraintType::Adsl);
    constraints(older, newer, ConstraintType::Awsl, ConstraintType::Awsl);
}

} // namespace

namespace ConfDiff {

bool sameContent(const QString &field, const QString &a, const QString &b) {
    return a == b || canonical(field, a) == canonical(field, b);
}

QVector<ConfChange> compare(const Conf &older, const Conf &newer) {
    Comparison comparison;
    comparison.values(std::nullopt, older.get_header(), newer.get_header());

    const QVector<quint32> oldNumbers = older.get_subclass_numbers();
    const QVector<quint32> newNumbers = newer.get_subclass_numbers();
    // Both ascend: one merge pass meets every number once, in order.
    int o = 0;
    int n = 0;
    while (o < oldNumbers.size() || n < newNumbers.size()) {
        const bool takeOld =
            n == newNumbers.size() || (o < oldNumbers.size() && oldNumbers[o] < newNumbers[n]);
        const bool takeNew =
            o == oldNumbers.size() || (n < newNumbers.size() && newNumbers[n] < oldNumbers[o]);
        if (takeOld) {
            comparison.changes.append(
                {oldNumbers[o++], QString(), FieldPlace::Whole, 0, {}, {}, Kind::Removed});
        } else if (takeNew) {
            comparison.changes.append(
                {newNumbers[n++], QString(), FieldPlace::Whole, 0, {}, {}, Kind::Added});
        } else {
            comparison.subclass(older.get_subclass(oldNumbers[o++]),
                                newer.get_subclass(newNumbers[n++]));
        }
    }
    return comparison.changes;
}

QString where(const ConfChange &change) {
    if (!change.subclass)
        return QStringLiteral("header %1").arg(change.field);
    QString place = QStringLiteral("subclass %1").arg(*change.subclass);
    if (change.field.isEmpty())
        return place;
    place += QStringLiteral(": ") + change.field;
    if (change.place == FieldPlace::Axle)
        place += QStringLiteral(", axle %1").arg(change.index);
    else if (change.place == FieldPlace::Gap)
        place += QStringLiteral(", axles %1-%2").arg(change.index).arg(change.index + 1);
    return place;
}

} // namespace ConfDiff
