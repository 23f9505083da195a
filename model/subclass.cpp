#include "model/subclass.h"

#include "model/filekeys.h"
#include "model/filelimits.h"
#include "model/modellog.h"
#include "model/numbers.h"
#include "model/sectiontable.h"
#include "model/syntax.h"
#include "model/weightentries.h"
#include "model/writtenentries.h"

#include <QVarLengthArray>
#include <QVector>
#include <algorithm>

namespace {

const QString MinsMaxsDiffer = QStringLiteral("Mins and maxs have a different number of elements!");
const QString EmptyWeights = QStringLiteral("Received empty weights string for class ");
const QString WeightNotTwoValues = QStringLiteral("Expected two values for axle weight, got ");
const QString AxlesListsDiffer = QStringLiteral("set_number_of_axles-axles:");
const QString WeightTyreListsDiffer = QStringLiteral("set_number_of_axles-weight/tyre:");

constexpr float MaxValidAxles = Subclass::MaxAxles;
constexpr int MinTyreType = 1; // single
constexpr int MaxTyreType = 4; // quadruple
const QString NoTarget = QStringLiteral("0");

QString lengthsDiffer(const QString &prefix, int first, int second) {
    return QStringLiteral("%1 %2 != %3").arg(prefix).arg(first).arg(second);
}

// How the partner of a list grows with it.
enum class PartnerGrowth {
    InStep,      // an entry for each entry of the lead
    UpToLimit,   // so, but no further than the limit
    ToLimitOnce, // to the limit as soon as the lead grows
};

// Appends empty entries to lead, and to its partner as `growth` says, until
// lead holds target entries or the limit.
void growPair(QStringList &lead, QStringList &partner, qint64 target, int limit,
              PartnerGrowth growth, const QString &warningPrefix) {
    while (lead.size() < target && lead.size() < limit) {
        if (lead.size() != partner.size())
            ModelLog::warning(lengthsDiffer(warningPrefix, lead.size(), partner.size()));
        lead.append(QString());
        if (growth == PartnerGrowth::InStep || partner.size() < limit)
            partner.append(QString());
        while (growth == PartnerGrowth::ToLimitOnce && partner.size() < limit)
            partner.append(QString());
    }
}

QString entryAt(const QStringList &list, int index, const char *operation) {
    if (index < 0) {
        ModelLog::warning(ModelLog::indexOutside(operation, index, list.size()));
        return {};
    }
    return list.value(index);
}

// Replaces the entry, or appends past the end; a negative index would have
// no defined place in the list, so it is refused.
void setEntry(QStringList &list, const QString &value, int index, const char *operation) {
    if (index < 0) {
        ModelLog::warning(ModelLog::indexOutside(operation, index, list.size()));
        return;
    }
    if (index < list.size())
        list[index] = value;
    else
        list.append(value);
}

void removeLastEntry(QStringList &list) {
    if (!list.isEmpty())
        list.removeLast();
}

double sumAsFloat(const QStringList &list) {
    float sum = 0; // the sums are shown as the file's 32-bit values add up
    for (const QString &entry : list)
        sum += Numbers::asFloat(entry);
    return sum;
}

bool checkedIndexExists(const QStringList &list, int index, const char *check) {
    if (index >= 0 && index < list.size())
        return true;
    ModelLog::missingIndex(check, index, list.size());
    return false;
}

bool agreeWhereBothHaveEntries(const QStringList &a, const QStringList &b) {
    const int common = qMin(a.size(), b.size());
    for (int i = 0; i < common; ++i)
        if (a.at(i) != b.at(i))
            return false;
    return true;
}

bool isReclassifyTargetValid(const QString &ownAxles, const QString &targetAxles) {
    if (targetAxles.isEmpty())
        return true;
    if (targetAxles == NoTarget)
        return false;
    return targetAxles == ownAxles;
}

// Takes the per-axle weights of a max_axle_weight__kN text in the order they
// stand (the axle numbers are not read), then its combined entries. A
// malformed per-axle entry ends the reading of the whole text.
void readWeights(Subclass &record, QStringView weights, const SectionTable &table) {
    int from = 0;
    for (;;) {
        const WeightEntries::Match match = WeightEntries::nextAxleWeight(weights, from);
        if (!match.found())
            break;
        // The matched text is the axle, "," and the weight, after one character
        // that may itself be a ",".
        const QStringView matched = weights.mid(match.start, match.end - match.start);
        const int comma = matched.lastIndexOf(FileKeys::ListSeparator);
        if (matched.indexOf(FileKeys::ListSeparator) != comma) {
            ModelLog::warning(WeightNotTwoValues + matched.toString());
            return;
        }
        record.set_max_axle_weight_at_index(table.text(matched.mid(comma + 1)),
                                            record.get_number_of_max_axle_weights());
        from = match.end;
    }
    for (const QString &entry : WeightEntries::combinedEntries(weights))
        record.set_constraint_at_index(table.text(entry), -1, ConstraintType::Default);
}

// How many adsl_k and awsl_k entries a section has before they need the heap.
constexpr int ConstraintsOnTheStack = 16;

// One adsl_k or awsl_k entry of a section.
struct NumberedEntry {
    bool adsl;
    bool total; // k is "0"
    quint64 k;  // unsigned decimal, or the largest value when it is none
    const SectionTable::Entry *entry;
};

// The constraint entries of a section in the order of their numbers, as the
// writer numbered them: adsl_2 before adsl_10, which text order would swap
// on every save. Keys of one number, and suffixes that are no number, follow
// in text order.
using NumberedEntries = QVarLengthArray<NumberedEntry, ConstraintsOnTheStack>;

// The suffix as QString::toULongLong reads it; plain digits are read here.
quint64 suffixNumber(QStringView suffix, bool *isNumber) {
    constexpr int SafeDigits = 19; // any 19 digits fit into 64 bits
    constexpr quint64 Base = 10;
    bool plain = !suffix.isEmpty() && suffix.size() <= SafeDigits;
    quint64 number = 0;
    for (int i = 0; plain && i < suffix.size(); ++i) {
        const ushort c = suffix.at(i).unicode();
        plain = c >= '0' && c <= '9';
        number = number * Base + (c - '0');
    }
    if (plain) {
        *isNumber = true;
        return number;
    }
    return suffix.toString().toULongLong(isNumber, 10);
}

NumberedEntries numberedConstraints(const SectionTable &table) {
    NumberedEntries entries;
    for (const SectionTable::Entry &entry : table.numbered()) {
        const QStringView key = entry.key;
        const QStringView suffix = key.mid(key.lastIndexOf(QLatin1Char('_')) + 1);
        bool isNumber = false;
        const quint64 k = suffixNumber(suffix, &isNumber);
        entries.append({key.startsWith(FileKeys::AdslPrefix), suffix == NoTarget,
                        isNumber ? k : ~quint64(0), &entry});
    }
    std::sort(entries.begin(), entries.end(), [](const NumberedEntry &a, const NumberedEntry &b) {
        return a.k != b.k ? a.k < b.k : a.entry->key < b.entry->key;
    });
    return entries;
}

// The entries of a list value, split at every ",", empty ones kept; room is
// made for the spare entry the axle count adds.
QStringList splitList(QStringView text, const SectionTable &table) {
    int commas = 0;
    for (const QChar c : text)
        commas += c == FileKeys::ListSeparator;
    QStringList entries;
    entries.reserve(commas + 2);
    const QChar *start = text.begin();
    for (const QChar *c = text.begin(); c != text.end(); ++c) {
        if (*c == FileKeys::ListSeparator) {
            entries.append(table.text(QStringView(start, c)));
            start = c + 1;
        }
    }
    entries.append(table.text(QStringView(start, text.end())));
    return entries;
}

} // namespace

Subclass::Subclass(const QMap<QString, QString> &table) : Subclass(SectionTable(table)) {}

Subclass::Subclass(const SectionTable &table) {
    using namespace FileKeys;
    using Slot = SectionTable::Slot;
    number = Numbers::asUnsigned(table.value(Slot::SubclassNumber).toString());
    // Every plain value is present, empty or not.
    const std::pair<PlainValues::Key, Slot> plainValues[] = {
        {PlainValues::Alias, Slot::Alias},
        {PlainValues::Append, Slot::Append},
        {PlainValues::Category, Slot::Category},
        {PlainValues::LowerGVWLimit, Slot::LowerGVWLimit},
        {PlainValues::MaxGVW, Slot::MaxGVW},
        {PlainValues::NumberOfAxles, Slot::NumberOfAxles},
        {PlainValues::OverrideClass, Slot::OverrideClass},
        {PlainValues::OverrideGroups, Slot::OverrideGroups},
        {PlainValues::Prepend, Slot::Prepend},
        {PlainValues::ReclassifyDownTo, Slot::ReclassifyDownTo},
        {PlainValues::ReclassifyUpTo, Slot::ReclassifyUpTo},
        {PlainValues::UpperGVWLimit, Slot::UpperGVWLimit},
    };
    for (const auto &[key, slot] : plainValues)
        values.set(key, table.text(table.value(slot)));
    set_axle_configuration(table.text(table.value(Slot::AxleConfiguration)));

    const QStringView mins = table.value(Slot::MinAxleDistance);
    const QStringView maxs = table.value(Slot::MaxAxleDistance);
    if (!mins.isEmpty() && !maxs.isEmpty()) {
        min_axle_distances = splitList(mins, table);
        max_axle_distances = splitList(maxs, table);
        if (min_axle_distances.size() != max_axle_distances.size())
            ModelLog::warning(MinsMaxsDiffer);
    }

    const QStringView tyres = table.value(Slot::TyreType);
    if (!tyres.isEmpty())
        tyre_types = splitList(tyres, table);

    const QStringView weights = table.value(Slot::MaxAxleWeight);
    max_axle_weights.reserve(
        int(std::count(weights.cbegin(), weights.cend(), FileKeys::WeightEntrySeparator)) + 2);
    if (weights.isEmpty())
        ModelLog::warning(EmptyWeights + QString::number(number));
    readWeights(*this, weights, table);

    set_number_of_axles(values.value(PlainValues::NumberOfAxles));
    other_lines = table.others();

    for (const NumberedEntry &entry : numberedConstraints(table)) {
        const QString value = table.text(entry.entry->value);
        if (entry.total && entry.adsl)
            set_adsl_0(value);
        else if (entry.total)
            set_awsl_0(value);
        else
            set_constraint_at_index(value, -1,
                                    entry.adsl ? ConstraintType::Adsl : ConstraintType::Awsl);
    }
}

QString Subclass::get_override_class() const {
    return values.value(PlainValues::OverrideClass);
}
void Subclass::set_override_class(const QString &value) {
    values.set(PlainValues::OverrideClass, value);
}
QString Subclass::get_override_groups() const {
    return values.value(PlainValues::OverrideGroups);
}
void Subclass::set_override_groups(const QString &value) {
    values.set(PlainValues::OverrideGroups, value);
}
QString Subclass::get_alias() const {
    return values.value(PlainValues::Alias);
}
void Subclass::set_alias(const QString &value) {
    values.set(PlainValues::Alias, value);
}
QString Subclass::get_category() const {
    return values.value(PlainValues::Category);
}
void Subclass::set_category(const QString &value) {
    values.set(PlainValues::Category, value);
}
QString Subclass::get_max_GVW() const {
    return values.value(PlainValues::MaxGVW);
}
void Subclass::set_max_GVW(const QString &value) {
    values.set(PlainValues::MaxGVW, value);
}
QString Subclass::get_number_of_axles() const {
    return values.value(PlainValues::NumberOfAxles);
}

void Subclass::set_number_of_axles(const QString &value) {
    values.set(PlainValues::NumberOfAxles, value);
    const qint64 axles = Numbers::asInt(value);
    // A file may claim any count: the lists stop growing at what the largest
    // real vehicle needs, so a count of two billion costs nothing. Past that
    // count each list also stops on its own; otherwise a list read longer than
    // its partner would gain entries on every open and save.
    const bool unrealCount = axles > MaxAxles;
    growPair(min_axle_distances, max_axle_distances, axles, MaxAxles,
             unrealCount ? PartnerGrowth::UpToLimit : PartnerGrowth::InStep, AxlesListsDiffer);
    // An axle weight padded in is empty and does not read back, so past the
    // cap the weights grow again on every reading: the tyre types take all
    // their entries at the first, or the next reading would add one more.
    growPair(max_axle_weights, tyre_types, axles + 1, MaxAxles + 1,
             unrealCount ? PartnerGrowth::ToLimitOnce : PartnerGrowth::InStep,
             WeightTyreListsDiffer);
}

QString Subclass::get_upper_GVW_limit() const {
    return values.value(PlainValues::UpperGVWLimit);
}
void Subclass::set_upper_GVW_limit(const QString &value) {
    values.set(PlainValues::UpperGVWLimit, value);
}
QString Subclass::get_lower_GVW_limit() const {
    return values.value(PlainValues::LowerGVWLimit);
}
void Subclass::set_lower_GVW_limit(const QString &value) {
    values.set(PlainValues::LowerGVWLimit, value);
}
QString Subclass::get_reclassify_up_to_subclass() const {
    return values.value(PlainValues::ReclassifyUpTo);
}
void Subclass::set_reclassify_up_to_subclass(const QString &value) {
    values.set(PlainValues::ReclassifyUpTo, value);
}
QString Subclass::get_reclassify_down_to_subclass() const {
    return values.value(PlainValues::ReclassifyDownTo);
}
void Subclass::set_reclassify_down_to_subclass(const QString &value) {
    values.set(PlainValues::ReclassifyDownTo, value);
}
QString Subclass::get_axle_configuration() const {
    return values.value(PlainValues::AxleConfiguration);
}
void Subclass::set_axle_configuration(const QString &value) {
    values.set(PlainValues::AxleConfiguration, value.toUpper());
}
QString Subclass::get_prepend() const {
    return values.value(PlainValues::Prepend);
}
void Subclass::set_prepend(const QString &value) {
    values.set(PlainValues::Prepend, value);
}
QString Subclass::get_append() const {
    return values.value(PlainValues::Append);
}
void Subclass::set_append(const QString &value) {
    values.set(PlainValues::Append, value);
}
QString Subclass::get_adsl_0() const {
    return values.value(PlainValues::Adsl0);
}
void Subclass::set_adsl_0(const QString &value) {
    values.set(PlainValues::Adsl0, value);
}
QString Subclass::get_awsl_0() const {
    return values.value(PlainValues::Awsl0);
}
void Subclass::set_awsl_0(const QString &value) {
    values.set(PlainValues::Awsl0, value);
}

QString Subclass::get_max_axle_weight_at_index(int index) const {
    return entryAt(max_axle_weights, index, "get_max_axle_weight_at_index");
}
QString Subclass::get_min_distance_at_index(int index) const {
    return entryAt(min_axle_distances, index, "get_min_distance_at_index");
}
QString Subclass::get_max_distance_at_index(int index) const {
    return entryAt(max_axle_distances, index, "get_max_distance_at_index");
}
QString Subclass::get_tyre_type_at_index(int index) const {
    if (index >= 0 && index < tyre_types.size())
        return tyre_types.at(index);
    ModelLog::warning(QStringLiteral("get_tyre_type_at_index: Trying to get a nonexistend index "
                                     "%1 in array of size %2")
                          .arg(index)
                          .arg(tyre_types.size()));
    return {};
}

void Subclass::set_max_axle_weight_at_index(const QString &value, int index) {
    setEntry(max_axle_weights, value, index, "set_max_axle_weight_at_index");
}
void Subclass::set_min_distance_at_index(const QString &value, int index) {
    setEntry(min_axle_distances, value, index, "set_min_distance_at_index");
}
void Subclass::set_max_distance_at_index(const QString &value, int index) {
    setEntry(max_axle_distances, value, index, "set_max_distance_at_index");
}
void Subclass::set_tyre_type_at_index(const QString &value, int index) {
    setEntry(tyre_types, value, index, "set_tyre_type_at_index");
}

void Subclass::remove_last_max_axle_weight() {
    removeLastEntry(max_axle_weights);
}
void Subclass::remove_last_min_distance() {
    removeLastEntry(min_axle_distances);
}
void Subclass::remove_last_max_distance() {
    removeLastEntry(max_axle_distances);
}
void Subclass::remove_last_tyre_type() {
    removeLastEntry(tyre_types);
}

int Subclass::get_number_of_max_axle_weights() const {
    return max_axle_weights.size();
}
int Subclass::get_number_of_min_distances() const {
    return min_axle_distances.size();
}
int Subclass::get_number_of_max_distances() const {
    return max_axle_distances.size();
}
int Subclass::get_number_of_tyre_types() const {
    return tyre_types.size();
}

double Subclass::get_sum_of_max_axle_weights() const {
    return sumAsFloat(max_axle_weights);
}
double Subclass::get_sum_of_min_distances() const {
    return sumAsFloat(min_axle_distances);
}
double Subclass::get_sum_of_max_distances() const {
    return sumAsFloat(max_axle_distances);
}

bool Subclass::is_max_axle_weight_valid(int index) const {
    if (!checkedIndexExists(max_axle_weights, index, "is_max_axle_weight_valid"))
        return false;
    // A weight the reader would not find again as it stands (1e+09 comes
    // back as 1) cannot be saved, so it is no valid weight.
    const QString &weight = max_axle_weights.at(index);
    return Numbers::asFloat(weight) > 0 && WeightEntries::isPlainNumber(weight);
}

bool Subclass::is_min_distance_valid(int index, const QString &header_min,
                                     const QString &header_max) const {
    if (!checkedIndexExists(min_axle_distances, index, "is_min_distance_valid"))
        return false;
    const float mn = Numbers::asFloat(min_axle_distances.at(index));
    const float mx = Numbers::asFloat(max_axle_distances.value(index));
    return mx >= mn && mn >= Numbers::asFloat(header_min) && Numbers::asFloat(header_max) >= mn;
}

bool Subclass::is_max_distance_valid(int index, const QString &header_min,
                                     const QString &header_max) const {
    // With lists of different lengths the entries no longer pair up, so no
    // maximum can be judged against its minimum.
    const bool paired = min_axle_distances.size() == max_axle_distances.size();
    if (!paired || index < 0 || index >= max_axle_distances.size()) {
        ModelLog::missingIndex("is_max_distance_valid", index, max_axle_distances.size());
        return false;
    }
    const float mn = Numbers::asFloat(min_axle_distances.at(index));
    const float mx = Numbers::asFloat(max_axle_distances.at(index));
    return mx >= mn && mx >= Numbers::asFloat(header_min) && Numbers::asFloat(header_max) >= mx;
}

bool Subclass::is_tyre_type_valid(int index) const {
    if (!checkedIndexExists(tyre_types, index, "is_tyre_type_valid"))
        return false;
    const int type = Numbers::asInt(tyre_types.at(index));
    return type >= MinTyreType && type <= MaxTyreType;
}

bool Subclass::is_category_valid() const {
    return !get_category().isEmpty();
}
bool Subclass::is_max_GVW_valid() const {
    return !get_max_GVW().isEmpty();
}

bool Subclass::is_number_of_axles_valid() const {
    const QString axles = get_number_of_axles();
    return Numbers::asInt(axles) >= MinAxles && Numbers::asFloat(axles) <= MaxValidAxles;
}

bool Subclass::is_axle_configuration_valid() const {
    const QString configuration = get_axle_configuration();
    if (configuration.isEmpty() || configuration.size() > FileLimits::MaxJudgedLength)
        return false;
    return Syntax::isAxleConfiguration(configuration) &&
           Syntax::axleCount(configuration) == Numbers::asInt(get_number_of_axles());
}

bool Subclass::is_reclassify_up_to_subclass_valid(const QString &target_number_of_axles) const {
    return isReclassifyTargetValid(get_number_of_axles(), target_number_of_axles);
}

bool Subclass::is_reclassify_down_to_subclass_valid(const QString &target_number_of_axles) const {
    return isReclassifyTargetValid(get_number_of_axles(), target_number_of_axles);
}

bool Subclass::is_complete() const {
    const qint64 axles = Numbers::asInt(get_number_of_axles()); // wide: axles - 1 never overflows
    // Every loop below ends at the first missing entry, so a huge claimed
    // count costs no more than the lists hold.
    for (int i = 0; i < axles - 1; ++i) {
        if (!(Numbers::asFloat(min_axle_distances.value(i)) > 0))
            return false;
        if (!(Numbers::asFloat(max_axle_distances.value(i)) > 0))
            return false;
    }
    for (int i = 0; i < axles; ++i)
        if (!is_tyre_type_valid(i) || !is_max_axle_weight_valid(i))
            return false;
    return is_category_valid() && is_max_GVW_valid() && is_number_of_axles_valid() &&
           is_axle_configuration_valid();
}

bool Subclass::is_valid(const QString &header_min, const QString &header_max) const {
    return judge().valid(Numbers::asFloat(header_min), Numbers::asFloat(header_max));
}

bool Subclass::has_same_axles(const Subclass &other) const {
    return agreeWhereBothHaveEntries(max_axle_weights, other.max_axle_weights) &&
           agreeWhereBothHaveEntries(max_axle_distances, other.max_axle_distances) &&
           agreeWhereBothHaveEntries(min_axle_distances, other.min_axle_distances) &&
           agreeWhereBothHaveEntries(tyre_types, other.tyre_types);
}

bool Subclass::is_duplicate_of(const Subclass &other) const {
    // Values are compared pairwise in key order; the keys themselves are not.
    return has_same_axles(other) && get_value_texts() == other.get_value_texts();
}

namespace {

// One line of the section as it will be written, measured as it goes.
class LineCheck {
public:
    LineCheck(const QString &key, FileEncoding encoding) : encoding(encoding) { add(key); }
    // False when the text cannot stand on a line of its own or in the encoding.
    bool add(QStringView text) {
        bool ascii = true;
        for (const QChar c : text) {
            const ushort code = c.unicode();
            if (code >= FirstNonAscii)
                ascii = false;
            else if (code == '=' || code == '\n' || code == '\r')
                return false;
        }
        if (ascii) {
            bytes += text.size() + 1; // and its separator
            return true;
        }
        if (!FileEncodings::canEncode(text, encoding))
            return false;
        bytes += FileEncodings::encode(text, encoding).size() + 1;
        return true;
    }
    // An entry written after its axle number and ",".
    bool addNumbered(int number, QStringView text) {
        constexpr int Base = 10;
        for (int rest = number; rest > 0; rest /= Base)
            ++bytes;
        ++bytes; // the ","
        return add(text);
    }
    bool fits() const { return bytes <= FileLimits::MaxLineBytes; }

private:
    static constexpr ushort FirstNonAscii = 0x80;
    FileEncoding encoding;
    qint64 bytes = 0;
};

} // namespace

Subclass::ValueRef Subclass::find_unwritable(FileEncoding encoding) const {
    using namespace FileKeys;
    ValueRef unwritable;
    values.forEach([&unwritable, encoding](const QString &key, const QString &value) {
        LineCheck line(key, encoding);
        if (unwritable.isNull() && !value.isEmpty() && (!line.add(value) || !line.fits()))
            unwritable = {key};
    });
    if (!unwritable.isNull())
        return unwritable;
    const struct {
        const QString &key;
        const QStringList &list;
        int count;
    } lists[] = {
        {TyreType, tyre_types, WrittenEntries::tyreTypes(*this)},
        {MaxAxleDistance, max_axle_distances, WrittenEntries::maxDistances(*this)},
        {MinAxleDistance, min_axle_distances, WrittenEntries::minDistances(*this)},
    };
    for (const auto &list : lists) {
        LineCheck line(list.key, encoding);
        for (int i = 0; i < list.count; ++i) {
            const QString entry = list.list.value(i);
            if (entry.contains(ListSeparator) || !line.add(entry))
                return {list.key, i};
        }
        if (!line.fits())
            return {list.key};
    }

    // The reader finds the weights and the combined weight constraints by
    // their syntax alone.
    LineCheck weights(MaxAxleWeight, encoding);
    const int weightCount = WrittenEntries::weights(*this);
    for (int i = 0; i < weightCount; ++i) {
        const QString weight = max_axle_weights.value(i);
        if (!WeightEntries::isPlainNumber(weight) || !weights.addNumbered(i + 1, weight))
            return {MaxAxleWeight, i};
    }
    for (int j = 0; j < combined_weight_constraints.size(); ++j)
        if (!is_constraint_valid(j, ConstraintType::Default) ||
            !weights.add(combined_weight_constraints.at(j)))
            return {ConstraintType::Default, j};
    if (!weights.fits())
        return {MaxAxleWeight};

    for (const QString &type : {ConstraintType::Adsl, ConstraintType::Awsl}) {
        const QStringList &list = *constraint_list(type);
        for (int j = 0; j < list.size(); ++j) {
            LineCheck line(type, encoding);
            if (!line.add(list.at(j)) || !line.fits())
                return {type, j};
        }
    }
    return {};
}
