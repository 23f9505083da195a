// Feeds arbitrary bytes to the classification reader, then runs every
// document and record check, the per-axle and constraint accessors around
// the ends of their lists, and the writer. A document Save would write must
// read back as the same bytes.
#include "model/conf.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Indices probed around each list: one before the start and a few past the
// longest list a record can hold without a setter appending.
constexpr int FirstProbe = -1;
constexpr int ProbesPastEnd = 2;

void quietMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

void exerciseSubclass(Subclass &s, const QString &hmin, const QString &hmax) {
    const QString target = s.get_number_of_axles();
    volatile bool sink = s.is_complete() ^ s.is_valid(hmin, hmax) ^
                         s.is_category_valid() ^ s.is_max_GVW_valid() ^
                         s.is_number_of_axles_valid() ^ s.is_axle_configuration_valid() ^
                         s.is_reclassify_up_to_subclass_valid(target) ^
                         s.is_reclassify_down_to_subclass_valid(QStringLiteral("0")) ^
                         s.is_adsl_0_valid() ^ s.is_awsl_0_valid();
    const int longest =
        qMax(qMax(s.get_number_of_max_axle_weights(), s.get_number_of_tyre_types()),
             qMax(s.get_number_of_min_distances(), s.get_number_of_max_distances()));
    for (int i = FirstProbe; i < longest + ProbesPastEnd; ++i) {
        sink = s.is_max_axle_weight_valid(i) ^ s.is_tyre_type_valid(i) ^
               s.is_min_distance_valid(i, hmin, hmax) ^ s.is_max_distance_valid(i, hmin, hmax);
        sink = s.get_max_axle_weight_at_index(i).size() + s.get_tyre_type_at_index(i).size() +
                   s.get_min_distance_at_index(i).size() + s.get_max_distance_at_index(i).size() >
               0;
    }
    for (const QString &type :
         {ConstraintType::Default, ConstraintType::Adsl, ConstraintType::Awsl}) {
        const int count = s.get_number_of_constraints(type);
        for (int i = FirstProbe; i < count + ProbesPastEnd; ++i)
            sink = s.is_constraint_valid(i, type) ^ s.get_constraint_at_index(i, type).isEmpty();
    }
    sink = s.get_sum_of_max_axle_weights() + s.get_sum_of_min_distances() +
               s.get_sum_of_max_distances() >
           0;
    (void)sink;
    // The editor's edits: append past the end, replace, remove from the end.
    s.set_max_axle_weight_at_index(QStringLiteral("1"), s.get_number_of_max_axle_weights() + 3);
    s.set_tyre_type_at_index(QStringLiteral("2"), FirstProbe);
    s.set_constraint_at_index(QStringLiteral("1+2,3"), FirstProbe, ConstraintType::Default);
    s.set_constraint_at_index(QStringLiteral("1:1,2"), s.get_number_of_constraints("adsl"),
                              ConstraintType::Adsl);
    s.remove_constraint_at_index(0, ConstraintType::Awsl);
    s.remove_last_min_distance();
    s.remove_last_tyre_type();
}

Conf readBytes(const QByteArray &bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return Conf(&buffer);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    qInstallMessageHandler(quietMessages);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Conf conf = readBytes(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<int>(size)));
    if (conf.get_read_outcome().opened && !conf.find_unwritable().found) {
        const QByteArray saved = conf.to_bytes();
        if (readBytes(saved).to_bytes() != saved)
            std::abort();
    }

    volatile bool sink = conf.is_country_code_valid() ^ conf.is_group_max_distance_valid() ^
                         (conf.check_max_axle_distance() == 0) ^ conf.is_min_axle_distance_valid() ^
                         conf.is_unclassified_vehicle_subclass_valid() ^
                         conf.is_uncategorised_vehicle_category_valid() ^
                         conf.is_g_acceleration_constant_valid() ^ conf.is_valid().valid ^
                         conf.find_duplicate_subclasses().isEmpty() ^
                         conf.get_invalid_subclasses().isEmpty();
    (void)sink;
    const QString before = conf.to_string();
    const QString hmin = conf.get_min_axle_distance();
    const QString hmax = conf.get_max_axle_distance();
    for (quint32 number : conf.get_subclass_numbers())
        exerciseSubclass(conf.get_subclass(number), hmin, hmax);
    conf.get_subclass(conf.get_subclass_numbers().value(0) + 1); // possibly missing
    const QString after = conf.to_string();
    return before.size() + after.size() >= 0 ? 0 : 1;
}
