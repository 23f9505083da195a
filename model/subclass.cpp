// Placeholder bodies; replaced by the real implementation.
#include "model/subclass.h"
#include <type_traits>

Subclass::Subclass(const QMap<QString, QString> & /*table*/) {}
QString Subclass::to_string() const { return {}; }
QString Subclass::get_override_class() const { return {}; }
void Subclass::set_override_class(const QString & /*value*/) {}
QString Subclass::get_override_groups() const { return {}; }
void Subclass::set_override_groups(const QString & /*value*/) {}
QString Subclass::get_alias() const { return {}; }
void Subclass::set_alias(const QString & /*value*/) {}
QString Subclass::get_category() const { return {}; }
void Subclass::set_category(const QString & /*value*/) {}
QString Subclass::get_max_GVW() const { return {}; }
void Subclass::set_max_GVW(const QString & /*value*/) {}
QString Subclass::get_number_of_axles() const { return {}; }
void Subclass::set_number_of_axles(const QString & /*value*/) {}
QString Subclass::get_upper_GVW_limit() const { return {}; }
void Subclass::set_upper_GVW_limit(const QString & /*value*/) {}
QString Subclass::get_lower_GVW_limit() const { return {}; }
void Subclass::set_lower_GVW_limit(const QString & /*value*/) {}
QString Subclass::get_reclassify_up_to_subclass() const { return {}; }
void Subclass::set_reclassify_up_to_subclass(const QString & /*value*/) {}
QString Subclass::get_reclassify_down_to_subclass() const { return {}; }
void Subclass::set_reclassify_down_to_subclass(const QString & /*value*/) {}
QString Subclass::get_axle_configuration() const { return {}; }
void Subclass::set_axle_configuration(const QString & /*value*/) {}
QString Subclass::get_prepend() const { return {}; }
void Subclass::set_prepend(const QString & /*value*/) {}
QString Subclass::get_append() const { return {}; }
void Subclass::set_append(const QString & /*value*/) {}
QString Subclass::get_adsl_0() const { return {}; }
void Subclass::set_adsl_0(const QString & /*value*/) {}
QString Subclass::get_awsl_0() const { return {}; }
void Subclass::set_awsl_0(const QString & /*value*/) {}
QString Subclass::get_max_axle_weight_at_index(int /*index*/) const { return {}; }
QString Subclass::get_min_distance_at_index(int /*index*/) const { return {}; }
QString Subclass::get_max_distance_at_index(int /*index*/) const { return {}; }
QString Subclass::get_tyre_type_at_index(int /*index*/) const { return {}; }
void Subclass::set_max_axle_weight_at_index(const QString & /*value*/, int /*index*/) {}
void Subclass::set_min_distance_at_index(const QString & /*value*/, int /*index*/) {}
void Subclass::set_max_distance_at_index(const QString & /*value*/, int /*index*/) {}
void Subclass::set_tyre_type_at_index(const QString & /*value*/, int /*index*/) {}
void Subclass::remove_last_max_axle_weight() {}
void Subclass::remove_last_min_distance() {}
void Subclass::remove_last_max_distance() {}
void Subclass::remove_last_tyre_type() {}
int Subclass::get_number_of_max_axle_weights() const { return {}; }
int Subclass::get_number_of_min_distances() const { return {}; }
int Subclass::get_number_of_max_distances() const { return {}; }
int Subclass::get_number_of_tyre_types() const { return {}; }
double Subclass::get_sum_of_max_axle_weights() const { return {}; }
double Subclass::get_sum_of_min_distances() const { return {}; }
double Subclass::get_sum_of_max_distances() const { return {}; }
QString Subclass::get_constraint_at_index(int /*index*/, const QString & /*type*/) const { return {}; }
int Subclass::get_number_of_constraints(const QString & /*type*/) const { return {}; }
void Subclass::set_constraint_at_index(const QString & /*value*/, int /*index*/, const QString & /*type*/) {}
void Subclass::remove_constraint_at_index(int /*index*/, const QString & /*type*/) {}
bool Subclass::is_constraint_valid(int /*index*/, const QString & /*type*/) const { return {}; }
bool Subclass::is_adsl_0_valid() const { return {}; }
bool Subclass::is_awsl_0_valid() const { return {}; }
bool Subclass::is_max_axle_weight_valid(int /*index*/) const { return {}; }
bool Subclass::is_min_distance_valid(int /*index*/, const QString & /*header_min*/, const QString & /*header_max*/) const { return {}; }
bool Subclass::is_max_distance_valid(int /*index*/, const QString & /*header_min*/, const QString & /*header_max*/) const { return {}; }
bool Subclass::is_tyre_type_valid(int /*index*/) const { return {}; }
bool Subclass::is_category_valid() const { return {}; }
bool Subclass::is_max_GVW_valid() const { return {}; }
bool Subclass::is_number_of_axles_valid() const { return {}; }
bool Subclass::is_axle_configuration_valid() const { return {}; }
bool Subclass::is_reclassify_up_to_subclass_valid(const QString & /*target_number_of_axles*/) const { return {}; }
bool Subclass::is_reclassify_down_to_subclass_valid(const QString & /*target_number_of_axles*/) const { return {}; }
bool Subclass::is_complete() const { return {}; }
bool Subclass::is_valid(const QString & /*header_min*/, const QString & /*header_max*/) const { return {}; }
bool Subclass::can_draw() const { return {}; }
bool Subclass::has_same_axles(const Subclass & /*other*/) const { return {}; }
bool Subclass::is_duplicate_of(const Subclass & /*other*/) const { return {}; }
