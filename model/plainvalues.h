#ifndef TARVEO_MODEL_PLAINVALUES_H
#define TARVEO_MODEL_PLAINVALUES_H

#include <QMap>
#include <QString>
#include <QStringList>

// The plain values of a subclass by file key, in key order. Every record
// has the same keys, thirteen always and the two totals once they are set,
// so they are kept in slots rather than in a map of their own: a
// classification of many thousands of subclasses is read, copied and
// checked without a map node per value.
class PlainValues {
public:
    // In the code-unit order of the key names, the order of the file.
    enum Key {
        Adsl0,
        Alias,
        Append,
        Awsl0,
        AxleConfiguration,
        Category,
        LowerGVWLimit,
        MaxGVW,
        NumberOfAxles,
        OverrideClass,
        OverrideGroups,
        Prepend,
        ReclassifyDownTo,
        ReclassifyUpTo,
        UpperGVWLimit,
        KeyCount
    };

    static const QString &name(Key key);

    // Empty text when the key is absent.
    const QString &value(Key key) const { return slotTexts[key]; }
    void set(Key key, const QString &text) {
        slotTexts[key] = text;
        present |= bit(key);
    }
    bool has(Key key) const { return present & bit(key); }
    int size() const;

    // The keys present with their values, in key order.
    template <typename Visit> void forEach(Visit visit) const {
        for (int key = 0; key < KeyCount; ++key)
            if (has(Key(key)))
                visit(name(Key(key)), slotTexts[key]);
    }
    QMap<QString, QString> toMap() const;
    // The values present, in key order.
    QStringList texts() const;

private:
    static quint32 bit(Key key) { return quint32(1) << key; }

    QString slotTexts[KeyCount];
    quint32 present = 0;
};

#endif
