#ifndef TARVEO_MODEL_FILEKEYS_H
#define TARVEO_MODEL_FILEKEYS_H

#include <QString>

// Key names of the classification file, written once for the reader, the
// writer and the record accessors.
namespace FileKeys {

// [classes] section.
inline const QString ClassesSection = QStringLiteral("[classes]");
inline const QString ClassesGroup = QStringLiteral("classes");
inline const QString ClassificationVersion = QStringLiteral("classification_version");
inline const QString CountryCode = QStringLiteral("country_code");
inline const QString GAccelerationConstant = QStringLiteral("g_acceleration_constant");
inline const QString GroupMaxDistance = QStringLiteral("group_max_distance__m");
inline const QString HeaderMaxAxleDistance = QStringLiteral("max_axle_distance__m");
inline const QString Min2AxleTruckSpacing = QStringLiteral("min_2axle_truck_spacing__m");
inline const QString MinAvgAxleWeight = QStringLiteral("min_avg_axle_weight__kN");
inline const QString HeaderMinAxleDistance = QStringLiteral("min_axle_distance__m");
inline const QString UncategorisedVehicleCategory =
    QStringLiteral("uncategorised_vehicle_category");
inline const QString UnclassifiedVehicleSubclass = QStringLiteral("unclassified_vehicle_subclass");

// Subclass sections.
inline const QString SubclassSectionPrefix = QStringLiteral("[subclass_");
inline const QString SectionEnd = QStringLiteral("]");
inline const QString SubclassNumber = QStringLiteral("subclass");
inline const QString OverrideClass = QStringLiteral("override_class");
inline const QString OverrideGroups = QStringLiteral("override_groups");
inline const QString Alias = QStringLiteral("alias");
inline const QString Category = QStringLiteral("category");
inline const QString MaxGVW = QStringLiteral("max_GVW__kN");
inline const QString NumberOfAxles = QStringLiteral("number_of_axles");
inline const QString UpperGVWLimit = QStringLiteral("upper_GVW_limit__kN");
inline const QString LowerGVWLimit = QStringLiteral("lower_GVW_limit__kN");
inline const QString ReclassifyUpTo = QStringLiteral("reclassify_up_to_subclass");
inline const QString ReclassifyDownTo = QStringLiteral("reclassify_down_to_subclass");
inline const QString AxleConfiguration = QStringLiteral("axle_configuration");
inline const QString Prepend = QStringLiteral("prepend__m");
inline const QString Append = QStringLiteral("append__m");
inline const QString TyreType = QStringLiteral("tyre_type");
inline const QString MaxAxleWeight = QStringLiteral("max_axle_weight__kN");
inline const QString MaxAxleDistance = QStringLiteral("max_axle_distance__m");
inline const QString MinAxleDistance = QStringLiteral("min_axle_distance__m");
inline const QString AdslPrefix = QStringLiteral("adsl_");
inline const QString AwslPrefix = QStringLiteral("awsl_");
inline const QString Adsl0 = QStringLiteral("adsl_0");
inline const QString Awsl0 = QStringLiteral("awsl_0");

// Separators inside values and lines.
inline const QChar KeyValueSeparator = QLatin1Char('=');
inline const QChar ListSeparator = QLatin1Char(',');
inline const QChar WeightEntrySeparator = QLatin1Char(';');
inline const QChar LineEnd = QLatin1Char('\n');

} // namespace FileKeys

#endif
