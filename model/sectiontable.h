#ifndef TARVEO_MODEL_SECTIONTABLE_H
#define TARVEO_MODEL_SECTIONTABLE_H

#include "model/textpool.h"

#include <QMap>
#include <QString>
#include <QStringView>
#include <QVector>

// The key lines of one subclass section as the reader collects them: a
// later line with the same key replaces the earlier one. The keys a record
// is built from have a slot each; the numbered constraint keys (adsl_k,
// awsl_k) are kept with their key; any other key counts only in that the
// section is not empty. The table only looks at the text it is given, which
// must outlive it: the record built from it takes its own copies, of each
// list entry rather than of each whole line.
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

    void insert(QStringView key, QStringView value);
    bool isEmpty() const { return empty; }
    QStringView value(Slot slot) const { return slotValues[slot]; }
    // The adsl_ and awsl_ entries, in the order their keys first came.
    const QVector<Entry> &numbered() const { return numberedEntries; }
    // A text of the table as the record keeps it.
    QString text(QStringView view) const { return texts ? texts->text(view) : view.toString(); }

private:
    QStringView slotValues[SlotCount];
    QVector<Entry> numberedEntries;
    bool empty = true;
    TextPool *texts = nullptr;
};

#endif
