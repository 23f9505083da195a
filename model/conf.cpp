#include "model/conf.h"

#include "model/countrycodes.h"
#include "model/filekeys.h"
#include "model/filelimits.h"
#include "model/initext.h"
#include "model/modellog.h"
#include "model/numbers.h"

#include <QHash>
#include <algorithm>
#include <limits>

namespace {

// The smallest category number that may stand for uncategorised vehicles:
// 1 to 5 are the real vehicle categories.
constexpr int FirstFreeCategory = 6;

// Combines the hashes of a record's values, in order.
constexpr uint HashMultiplier = 31;

} // namespace

Conf::Conf() : country_codes(isoCountryCodes()) {}

QString Conf::header_value(const QString &key) const {
    return header.value(key);
}

QString Conf::get_classification_version() const {
    return header_value(FileKeys::ClassificationVersion);
}
void Conf::set_classification_version(const QString &value) {
    header.insert(FileKeys::ClassificationVersion, value);
}
QString Conf::get_country_code() const {
    return header_value(FileKeys::CountryCode);
}
void Conf::set_country_code(const QString &value) {
    header.insert(FileKeys::CountryCode, value.toUpper());
}
QString Conf::get_group_max_distance() const {
    return header_value(FileKeys::GroupMaxDistance);
}
void Conf::set_group_max_distance(const QString &value) {
    header.insert(FileKeys::GroupMaxDistance, value);
}
QString Conf::get_min_2axle_truck_spacing() const {
    return header_value(FileKeys::Min2AxleTruckSpacing);
}
void Conf::set_min_2axle_truck_spacing(const QString &value) {
    header.insert(FileKeys::Min2AxleTruckSpacing, value);
}
QString Conf::get_max_axle_distance() const {
    return header_value(FileKeys::HeaderMaxAxleDistance);
}
void Conf::set_max_axle_distance(const QString &value) {
    header.insert(FileKeys::HeaderMaxAxleDistance, value);
}
QString Conf::get_min_axle_distance() const {
    return header_value(FileKeys::HeaderMinAxleDistance);
}
void Conf::set_min_axle_distance(const QString &value) {
    header.insert(FileKeys::HeaderMinAxleDistance, value);
}
QString Conf::get_min_avg_axle_weight() const {
    return header_value(FileKeys::MinAvgAxleWeight);
}
void Conf::set_min_avg_axle_weight(const QString &value) {
    header.insert(FileKeys::MinAvgAxleWeight, value);
}
QString Conf::get_unclassified_vehicle_subclass() const {
    return header_value(FileKeys::UnclassifiedVehicleSubclass);
}
void Conf::set_unclassified_vehicle_subclass(const QString &value) {
    header.insert(FileKeys::UnclassifiedVehicleSubclass, value);
}
QString Conf::get_uncategorised_vehicle_category() const {
    return header_value(FileKeys::UncategorisedVehicleCategory);
}
void Conf::set_uncategorised_vehicle_category(const QString &value) {
    header.insert(FileKeys::UncategorisedVehicleCategory, value);
}
QString Conf::get_g_acceleration_constant() const {
    return header_value(FileKeys::GAccelerationConstant);
}
void Conf::set_g_acceleration_constant(const QString &value) {
    header.insert(FileKeys::GAccelerationConstant, value);
}

bool Conf::is_country_code_valid() const {
    return country_codes.contains(get_country_code().toUpper());
}

bool Conf::is_group_max_distance_valid() const {
    return Numbers::asFloat(get_group_max_distance()) > 0;
}

int Conf::check_max_axle_distance() const {
    float highest = -std::numeric_limits<float>::infinity();
    for (const Subclass &subclass : subclasses)
        highest = std::max(highest, subclass.get_highest_max_distance());
    return max_axle_distance_state(get_max_axle_distance(), get_min_axle_distance(), highest);
}

int Conf::max_axle_distance_state(const QString &maximumText, const QString &minimumText,
                                  float highestSubclassMaximum) {
    if (maximumText.isEmpty())
        return MaxAxleDistanceInvalid;
    const float maximum = Numbers::asFloat(maximumText);
    if (maximum < Numbers::asFloat(minimumText))
        return MaxAxleDistanceInvalid;
    return highestSubclassMaximum > maximum ? MaxAxleDistanceBelowSubclass : MaxAxleDistanceValid;
}

bool Conf::is_min_axle_distance_valid() const {
    return Numbers::asFloat(get_max_axle_distance()) >= Numbers::asFloat(get_min_axle_distance());
}

bool Conf::is_unclassified_vehicle_subclass_valid() const {
    return !subclasses.contains(Numbers::asUnsigned(get_unclassified_vehicle_subclass()));
}

bool Conf::is_uncategorised_vehicle_category_valid() const {
    const QString category = get_uncategorised_vehicle_category();
    return category.isEmpty() || Numbers::asInt(category) >= FirstFreeCategory;
}

bool Conf::is_g_acceleration_constant_valid() const {
    if (!header.contains(FileKeys::GAccelerationConstant))
        return false;
    return Numbers::asFloat(get_g_acceleration_constant()) > 0;
}

bool Conf::has_subclass(quint32 number) const {
    return subclasses.contains(number);
}

Subclass &Conf::get_subclass(quint32 number) {
    auto it = subclasses.find(number);
    if (it != subclasses.end())
        return it.value();
    ModelLog::warning(QStringLiteral("get_subclass: No subclass %1 in the document").arg(number));
    // Changes made through the throw-away record must not outlive the call.
    scratch = Subclass();
    return scratch;
}

const Subclass &Conf::get_subclass(quint32 number) const {
    auto it = subclasses.constFind(number);
    if (it != subclasses.constEnd())
        return it.value();
    ModelLog::warning(QStringLiteral("get_subclass: No subclass %1 in the document").arg(number));
    static const Subclass empty;
    return empty;
}

void Conf::insert_subclass(quint32 number, const Subclass &subclass) {
    subclasses.insert(number, subclass);
}

void Conf::insert_subclass(quint32 number, Subclass &&subclass) {
    subclasses[number] = std::move(subclass);
}

void Conf::remove_subclass(quint32 number) {
    subclasses.remove(number);
}

QVector<quint32> Conf::get_subclass_numbers() const {
    QVector<quint32> numbers;
    numbers.reserve(subclasses.size());
    for (auto it = subclasses.cbegin(); it != subclasses.cend(); ++it)
        numbers.append(it.key());
    return numbers;
}

ConfValidity Conf::is_valid() const {
    for (auto it = subclasses.cbegin(); it != subclasses.cend(); ++it)
        if (!it.value().is_complete())
            return {false, it.key()};
    if (!is_country_code_valid() || !is_group_max_distance_valid())
        return {false, 0};
    return {is_unclassified_vehicle_subclass_valid(), 0};
}

QString Conf::find_duplicate_subclasses() const {
    // Duplicates agree on every plain value, an exact equality: only records
    // whose values hash alike need the pairwise comparison, which keeps Save
    // quick on classifications with many thousands of subclasses.
    QVector<std::pair<uint, quint32>> hashes; // (hash of the values, number)
    hashes.reserve(subclasses.size());
    for (auto it = subclasses.cbegin(); it != subclasses.cend(); ++it) {
        uint hash = 0;
        it.value().get_values().forEach([&hash](const QString &, const QString &value) {
            hash = hash * HashMultiplier + qHash(value);
        });
        hashes.append({hash, it.key()});
    }
    std::sort(hashes.begin(), hashes.end());

    bool found = false;
    quint32 first = 0;
    quint32 second = 0;
    for (int start = 0; start < hashes.size();) {
        int end = start + 1;
        while (end < hashes.size() && hashes.at(end).first == hashes.at(start).first)
            ++end;
        // Numbers of one hash ascend; a pair can only be earlier than the
        // one found so far if its lower number is smaller.
        for (int a = start; a < end && (!found || hashes.at(a).second < first); ++a) {
            const Subclass &lower = subclasses.constFind(hashes.at(a).second).value();
            for (int b = a + 1; b < end; ++b) {
                if (lower.is_duplicate_of(subclasses.constFind(hashes.at(b).second).value())) {
                    found = true;
                    first = hashes.at(a).second;
                    second = hashes.at(b).second;
                    break;
                }
            }
        }
        start = end;
    }
    return found ? QStringLiteral("%1 = %2").arg(first).arg(second) : QString();
}

QVector<quint32> Conf::get_invalid_subclasses() const {
    const QString minimum = get_min_axle_distance();
    const QString maximum = get_max_axle_distance();
    QVector<quint32> invalid;
    for (auto it = subclasses.cbegin(); it != subclasses.cend(); ++it)
        if (!it.value().is_valid(minimum, maximum))
            invalid.append(it.key());
    return invalid;
}

Conf::UnwritableValue Conf::find_unwritable() const {
    // Header keys and values are escaped so that the INI reader restores
    // them; what no escape helps remains: a line too long, or text the
    // document's encoding lacks.
    for (auto it = header.cbegin(); it != header.cend(); ++it) {
        if (it.value().isEmpty())
            continue;
        const QString line =
            IniText::key(it.key()) + FileKeys::KeyValueSeparator + IniText::value(it.value());
        if (!FileEncodings::canEncode(line, encoding) ||
            FileEncodings::encode(line, encoding).size() > FileLimits::MaxLineBytes)
            return {true, true, 0, {it.key()}};
    }
    for (auto it = subclasses.cbegin(); it != subclasses.cend(); ++it) {
        const Subclass::ValueRef value = it.value().find_unwritable(encoding);
        if (!value.isNull())
            return {true, false, it.key(), value};
    }
    return {};
}
