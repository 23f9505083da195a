#ifndef TARVEO_MODEL_SECTIONTABLE_H
#define TARVEO_MODEL_SECTIONTABLE_H

#include "model/textpool.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

// The key lines of one subclass section as the reader collects them: a
// later line with the same key replaces the earlier one. The keys a record
// is built from have a slot each; the numbered constraint keys (adsl_k,
// awsl_k) are kept with their key; every other line is kept whole, in file
// order, for the record to write back. The table only looks at the text it
// is given, which must outlive it: the record built from it takes its own
// copies, of each list entry rather than of each whole line.
class SectionTable {
public:
    enum Slot {
        SubclassNumber,
        OverrideClass,
        OverrideGroups,
        Alias,
        Category,
        MaxGVW,
        NumberOfAxles,
        UpperGVWLimit,
        LowerGVWLimit,
        ReclassifyUpTo,
        ReclassifyDownTo,
        AxleConfiguration,
        Prepend,
        Append,
        TyreType,
        MaxAxleWeight,
        MaxAxleDistance,
        MinAxleDistance,
        SlotCount
    };
    struct Entry {
        QStringView key;
        QStringView value;
    };

    // pool, when given, shares the texts the record takes.
    explicit SectionTable(TextPool *pool = nullptr) : texts(pool) {}
    // The table of a key map, as the reader would have collected it.
    explicit SectionTable(const QMap<QString, QString> &map);

    // False when the key is none the record reads: the line is then kept.
    bool insert(QStringView key, QStringView value);
    // Keeps a line as it stands.
    void keep(const QString &line) {
        empty = false;
        otherLines.append(line);
    }
    bool isEmpty() const { return empty; }
    QStringView value(Slot slot) const { return slotValues[slot]; }
    // The adsl_ and awsl_ entries, in the order their keys first came.
    const QVector<Entry> &numbered() const { return numberedEntries; }
    // The lines kept whole, in the order they came.
    const QStringList &others() const { return otherLines; }
    // A text of the table as the record keeps it.
    QString text(QStringView view) const { return texts ? texts->text(view) : view.toString(); }

private:
    QStringView slotValues[SlotCount];
    QVector<Entry> numberedEntries;
    QStringList otherLines;
    bool empty = true;
    TextPool *texts = nullptr;
};

#endif
