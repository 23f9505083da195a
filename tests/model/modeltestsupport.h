#ifndef TARVEO_TESTS_MODELTESTSUPPORT_H
#define TARVEO_TESTS_MODELTESTSUPPORT_H

#include "model/conf.h"

#include <QFile>
#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

// A small valid file, exactly as the writer lays it out.
inline const QByteArray WorkedExample =
    "[classes]\ncountry_code=SI\ngroup_max_distance__m=30\nunclassified_vehicle_subclass=99\n\n"
    "[subclass_11]\naxle_configuration=C2\ncategory=1\nmax_GVW__kN=35\nnumber_of_axles=2\n"
    "tyre_type=1,1\nmax_axle_weight__kN=1,20;2,20\nmax_axle_distance__m=3.5\n"
    "min_axle_distance__m=2.2\n\n";

// A key table as the reader collects it, with keys set from "key=value|key=value".
inline QMap<QString, QString> withKeys(QMap<QString, QString> table, const QString &changes) {
    for (const QString &change : changes.split('|', Qt::SkipEmptyParts))
        table.insert(change.section('=', 0, 0), change.section('=', 1));
    return table;
}

// Key table of a complete, valid two-axle subclass.
inline QMap<QString, QString> completeTwoAxleTable(const QString &number = QStringLiteral("11")) {
    return withKeys({{"subclass", number}},
                    "axle_configuration=C2|category=1|max_GVW__kN=35|number_of_axles=2|"
                    "tyre_type=1,1|max_axle_weight__kN=1,20;2,20|max_axle_distance__m=3.5|"
                    "min_axle_distance__m=2.2");
}

// That subclass with some keys changed.
inline Subclass twoAxles(const QString &changes = {}, const QString &number = "11") {
    return Subclass(withKeys(completeTwoAxleTable(number), changes));
}

inline bool writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Files in a temporary folder, each under a name of its own: the INI reader
// caches files by name.
class TestFiles {
public:
    QString path(const QString &name) const { return dir.filePath(name); }
    QString write(const QByteArray &bytes) {
        const QString file = path(QStringLiteral("f%1.conf").arg(++count));
        return writeBytes(file, bytes) ? file : QString();
    }
    Conf read(const QByteArray &bytes) { return Conf(write(bytes), nullptr); }

private:
    QTemporaryDir dir;
    int count = 0;
};

#endif
