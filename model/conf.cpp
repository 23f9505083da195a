// Placeholder bodies; replaced by the real implementation.
#include "model/conf.h"
#include <type_traits>

Conf::Conf() {}
Conf::Conf(const QString & /*path*/, QObject * /*parent*/) {}
QString Conf::get_classification_version() const { return {}; }
void Conf::set_classification_version(const QString & /*value*/) {}
QString Conf::get_country_code() const { return {}; }
void Conf::set_country_code(const QString & /*value*/) {}
QString Conf::get_group_max_distance() const { return {}; }
void Conf::set_group_max_distance(const QString & /*value*/) {}
QString Conf::get_min_2axle_truck_spacing() const { return {}; }
void Conf::set_min_2axle_truck_spacing(const QString & /*value*/) {}
QString Conf::get_max_axle_distance() const { return {}; }
void Conf::set_max_axle_distance(const QString & /*value*/) {}
QString Conf::get_min_axle_distance() const { return {}; }
void Conf::set_min_axle_distance(const QString & /*value*/) {}
QString Conf::get_min_avg_axle_weight() const { return {}; }
void Conf::set_min_avg_axle_weight(const QString & /*value*/) {}
QString Conf::get_unclassified_vehicle_subclass() const { return {}; }
void Conf::set_unclassified_vehicle_subclass(const QString & /*value*/) {}
QString Conf::get_uncategorised_vehicle_category() const { return {}; }
void Conf::set_uncategorised_vehicle_category(const QString & /*value*/) {}
QString Conf::get_g_acceleration_constant() const { return {}; }
void Conf::set_g_acceleration_constant(const QString & /*value*/) {}
bool Conf::is_country_code_valid() const { return {}; }
bool Conf::is_group_max_distance_valid() const { return {}; }
int Conf::check_max_axle_distance() const { return {}; }
bool Conf::is_min_axle_distance_valid() const { return {}; }
bool Conf::is_unclassified_vehicle_subclass_valid() const { return {}; }
bool Conf::is_uncategorised_vehicle_category_valid() const { return {}; }
bool Conf::is_g_acceleration_constant_valid() const { return {}; }
bool Conf::has_subclass(quint32 /*number*/) const { return {}; }
Subclass & Conf::get_subclass(quint32 /*number*/) { static std::remove_const_t<std::remove_reference_t<Subclass &>> dummy; return dummy; }
const Subclass & Conf::get_subclass(quint32 /*number*/) const { static std::remove_const_t<std::remove_reference_t<const Subclass &>> dummy; return dummy; }
void Conf::insert_subclass(quint32 /*number*/, const Subclass & /*subclass*/) {}
void Conf::remove_subclass(quint32 /*number*/) {}
QVector<quint32> Conf::get_subclass_numbers() const { return {}; }
QString Conf::to_string() const { return {}; }
ConfValidity Conf::is_valid() const { return {}; }
QString Conf::find_duplicate_subclasses() const { return {}; }
QVector<quint32> Conf::get_invalid_subclasses() const { return {}; }
bool Conf::write_to_file(const QString & /*path*/, QString * /*error*/) const { return {}; }
QString Conf::header_value(const QString & /*key*/) const { return {}; }
void Conf::read_file(const QString & /*path*/, QObject * /*parent*/) {}
