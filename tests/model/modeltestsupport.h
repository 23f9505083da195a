#ifndef TARVEO_TESTS_MODELTESTSUPPORT_H
#define TARVEO_TESTS_MODELTESTSUPPORT_H

#include "model/subclass.h"

#include <QFile>
#include <QMap>
#include <QString>

// A small valid file, exactly as the writer lays it out.
inline const QByteArray WorkedExample = "[classes]\n"
                                        "country_code=SI\n"
                                        "group_max_distance__m=30\n"
                                        "unclassified_vehicle_subclass=99\n"
                                        "\n"
                                        "[subclass_11]\n"
                                        "axle_configuration=C2\n"
                                        "category=1\n"
                                        "max_GVW__kN=35\n"
                                        "number_of_axles=2\n"
                                        "tyre_type=1,1\n"
                                        "max_axle_weight__kN=1,20;2,20\n"
                                        "max_axle_distance__m=3.5\n"
                                        "min_axle_distance__m=2.2\n"
                                        "\n";

// Key table of a complete, valid two-axle subclass, as the reader collects it.
inline QMap<QString, QString> completeTwoAxleTable(const QString &number = QStringLiteral("11")) {
    return {
        {QStringLiteral("subclass"), number},
        {QStringLiteral("axle_configuration"), QStringLiteral("C2")},
        {QStringLiteral("category"), QStringLiteral("1")},
        {QStringLiteral("max_GVW__kN"), QStringLiteral("35")},
        {QStringLiteral("number_of_axles"), QStringLiteral("2")},
        {QStringLiteral("tyre_type"), QStringLiteral("1,1")},
        {QStringLiteral("max_axle_weight__kN"), QStringLiteral("1,20;2,20")},
        {QStringLiteral("max_axle_distance__m"), QStringLiteral("3.5")},
        {QStringLiteral("min_axle_distance__m"), QStringLiteral("2.2")},
    };
}

inline bool writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#endif
