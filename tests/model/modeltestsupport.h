#ifndef TARVEO_TESTS_MODELTESTSUPPORT_H
#define TARVEO_TESTS_MODELTESTSUPPORT_H

#include "common/testdata.h"
#include "model/conf.h"

#include <QtTest>

// A small valid file, exactly as the writer lays it out.
inline const QByteArray WorkedExample = readBytes(testData("model/worked.conf"));

// A key table as the reader collects it, with keys set from "key=value|key=value".
inline QMap<QString, QString> withKeys(QMap<QString, QString> table, const QString &changes) {
    for (const QString &change : changes.split('|', Qt::SkipEmptyParts))
        table.insert(change.section('=', 0, 0), change.section('=', 1));
    return table;
}

// A complete, valid two-axle subclass with some keys changed.
inline Subclass twoAxles(const QString &changes = {}, const QString &number = "11") {
    return Subclass(withKeys(withKeys({{"subclass", number}},
                                      "axle_configuration=C2|category=1|max_GVW__kN=35|"
                                      "number_of_axles=2|tyre_type=1,1|max_axle_weight__kN=1,20;"
                                      "2,20|max_axle_distance__m=3.5|min_axle_distance__m=2.2"),
                             changes));
}

// Drops the log: some cases make the model warn on purpose.
inline void discardLog(QtMsgType, const QMessageLogContext &, const QString &) {}

// Files in a temporary folder, each under a name of its own.
class TestFiles {
public:
    QString path(const QString &name) const { return dir.filePath(name); }
    QString write(const QByteArray &bytes) {
        QFile file(path(QStringLiteral("f%1.conf").arg(++count)));
        const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        return written ? file.fileName() : QString();
    }
    Conf read(const QByteArray &bytes) { return Conf(write(bytes), nullptr); }

private:
    QTemporaryDir dir;
    int count = 0;
};

#endif
