#ifndef TARVEO_MODEL_SUBCLASS_H
#define TARVEO_MODEL_SUBCLASS_H

#include "model/fields.h"
#include "model/fileencoding.h"
#include "model/plainvalues.h"

#include <QMap>
#include <QString>
#include <QStringList>

class SectionTable;

// Type texts of the three constraint lists.
namespace ConstraintType {
inline const QString Default = QStringLiteral("default");
inline const QString Adsl = QStringLiteral("adsl");
inline const QString Awsl = QStringLiteral("awsl");
} // namespace ConstraintType

// One vehicle subclass: one [subclass_N] section of a classification file.
// Every value is kept as the text that was read or typed; numbers are only
// converted inside checks and sums. Distances are in metres, weights in kN.
class Subclass {
public:
    // The largest axle count a vehicle may have; the per-axle lists never
    // grow past what this many axles need, whatever a file claims.
    static constexpr int MaxAxles = 20;
    // A vehicle has at least a front and a rear axle.
    static constexpr int MinAxles = 2;

    Subclass() = default;
    // Builds the record from the key table the reader collects for a section.
    explicit Subclass(const QMap<QString, QString> &table);
    explicit Subclass(const SectionTable &table);

    quint32 get_number() const { return number; }
    void set_number(quint32 value) { number = value; }

    // The section text: "[subclass_N]" and its key lines.
    QString to_string() const;

    // Plain values.
    QString get_override_class() const;
    void set_override_class(const QString &value);
    QString get_override_groups() const;
    void set_override_groups(const QString &value);
    QString get_alias() const;
    void set_alias(const QString &value);
    QString get_category() const;
    void set_category(const QString &value);
    QString get_max_GVW() const;
    void set_max_GVW(const QString &value);
    QString get_number_of_axles() const;
    // Also grows the per-axle lists to what the count needs (never shrinks).
    void set_number_of_axles(const QString &value);
    QString get_upper_GVW_limit() const;
    void set_upper_GVW_limit(const QString &value);
    QString get_lower_GVW_limit() const;
    void set_lower_GVW_limit(const QString &value);
    QString get_reclassify_up_to_subclass() const;
    void set_reclassify_up_to_subclass(const QString &value);
    QString get_reclassify_down_to_subclass() const;
    void set_reclassify_down_to_subclass(const QString &value);
    QString get_axle_configuration() const;
    // Stores the upper-case form.
    void set_axle_configuration(const QString &value);
    QString get_prepend() const;
    void set_prepend(const QString &value);
    QString get_append() const;
    void set_append(const QString &value);
    QString get_adsl_0() const;
    void set_adsl_0(const QString &value);
    QString get_awsl_0() const;
    void set_awsl_0(const QString &value);

    // Any value by its field: a single value, or an entry of a per-axle or
    // constraint list (empty past the end). Setting an entry past the end of
    // a per-axle list fills the gap with empty entries, the two distance
    // lists together.
    QString get_value(const FieldRef &ref) const;
    void set_value(const FieldRef &ref, const QString &value);
    // The axle count as the user sets it: a count of 2 to 20 first cuts the
    // per-axle lists to the entries it uses, then the count is set.
    void set_axle_count(const QString &value);

    // Per-axle access, index counted from 0. Getters give empty text past the
    // end; setters append when the index is past the end.
    QString get_max_axle_weight_at_index(int index) const;
    QString get_min_distance_at_index(int index) const;
    QString get_max_distance_at_index(int index) const;
    QString get_tyre_type_at_index(int index) const;
    void set_max_axle_weight_at_index(const QString &value, int index);
    void set_min_distance_at_index(const QString &value, int index);
    void set_max_distance_at_index(const QString &value, int index);
    void set_tyre_type_at_index(const QString &value, int index);
    void remove_last_max_axle_weight();
    void remove_last_min_distance();
    void remove_last_max_distance();
    void remove_last_tyre_type();
    int get_number_of_max_axle_weights() const;
    int get_number_of_min_distances() const;
    int get_number_of_max_distances() const;
    int get_number_of_tyre_types() const;
    double get_sum_of_max_axle_weights() const;
    double get_sum_of_min_distances() const;
    double get_sum_of_max_distances() const;

    // Combined constraints; type is one of the ConstraintType texts.
    QString get_constraint_at_index(int index, const QString &type) const;
    int get_number_of_constraints(const QString &type) const;
    // Index -1 appends.
    void set_constraint_at_index(const QString &value, int index, const QString &type);
    void remove_constraint_at_index(int index, const QString &type);
    bool is_constraint_valid(int index, const QString &type) const;
    bool is_adsl_0_valid() const;
    bool is_awsl_0_valid() const;

    // Checks; header_min and header_max are the header's axle distance texts.
    bool is_max_axle_weight_valid(int index) const;
    bool is_min_distance_valid(int index, const QString &header_min,
                               const QString &header_max) const;
    bool is_max_distance_valid(int index, const QString &header_min,
                               const QString &header_max) const;
    bool is_tyre_type_valid(int index) const;
    bool is_category_valid() const;
    bool is_max_GVW_valid() const;
    bool is_number_of_axles_valid() const;
    bool is_axle_configuration_valid() const;
    bool is_reclassify_up_to_subclass_valid(const QString &target_number_of_axles) const;
    bool is_reclassify_down_to_subclass_valid(const QString &target_number_of_axles) const;
    bool is_complete() const;
    bool is_valid(const QString &header_min, const QString &header_max) const;

    // The full check taken apart from the header it depends on: only the
    // distances in use meet the header's axle distance bounds, and they all
    // lie within them exactly when the lowest and the highest do. A header
    // change then re-judges a subclass by comparing two numbers.
    struct Judgement {
        bool validApartFromHeader = false;
        bool hasGaps = false;         // some distance is in use
        float lowestMinimum = 0;      // of the minimum distances in use
        float highestMaximum = 0;     // of the maximum distances in use
        float highestMaxDistance = 0; // of every maximum distance entry, spare ones too
        bool valid(float headerMin, float headerMax) const {
            return validApartFromHeader &&
                   (!hasGaps || (lowestMinimum >= headerMin && headerMax >= highestMaximum));
        }
    };
    Judgement judge() const;
    // The largest maximum distance entry, spare ones included (-infinity
    // when there is none): what the header's maximum axle distance is
    // checked against.
    float get_highest_max_distance() const;
    bool has_same_axles(const Subclass &other) const;
    bool is_duplicate_of(const Subclass &other) const;
    // The lines of the section that are no key the record reads, as they
    // stood; written back among the plain values in key order.
    const QStringList &get_other_lines() const { return other_lines; }
    // The plain values in key order; duplicates always have equal lists.
    QStringList get_value_texts() const { return values.texts(); }
    // The values by file key, empty ones included.
    const PlainValues &get_values() const { return values; }

    // A value of the record: a file key with the index of an entry for the
    // per-axle lists, or a constraint type with the entry's index.
    struct ValueRef {
        QString key;    // empty: no value
        int index = -1; // -1: the key's single value
        bool isNull() const { return key.isEmpty(); }
    };
    // The first value that the section would not read back as written, if
    // any: a value holding "=" or a line break would end the reading at its
    // line and lose the rest of the file; an axle weight or a combined weight
    // constraint the reader's search cannot find again would be lost or
    // shift the others; a line too long for the reader, or text the file's
    // encoding cannot hold, would keep the file from being opened as saved.
    ValueRef find_unwritable(FileEncoding encoding = FileEncoding::Utf8) const;

private:
    // The per-axle list of a Gap or Axle field.
    QStringList &list(Fields::Id id);
    const QStringList &list(Fields::Id id) const;
    // The constraint list a type text names; null for a foreign type.
    QStringList *constraint_list(const QString &type);
    const QStringList *constraint_list(const QString &type) const;

    quint32 number = 0;
    PlainValues values;
    QStringList max_axle_weights;
    QStringList min_axle_distances;
    QStringList max_axle_distances;
    QStringList tyre_types;
    QStringList combined_weight_constraints;
    QStringList adsl_constraints;
    QStringList awsl_constraints;
    QStringList other_lines;
};

#endif
