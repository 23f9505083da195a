#ifndef TARVEO_MODEL_TEXTPOOL_H
#define TARVEO_MODEL_TEXTPOOL_H

#include <QHash>
#include <QString>
#include <QStringView>

// One shared copy of each short text while a file is read. A classification
// repeats its short values thousands of times (tyre types, common distances
// and weights, categories); as implicitly shared strings they then cost one
// allocation each rather than one per occurrence.
class TextPool {
public:
    QString text(QStringView view) {
        if (view.size() > MaxPooledLength)
            return view.toString();
        auto it = texts.constFind(view);
        if (it != texts.cend())
            return it.value();
        const QString copy = view.toString();
        // The key views the copy's own characters, which the pool keeps alive.
        texts.insert(QStringView(copy), copy);
        return copy;
    }

private:
    static constexpr int MaxPooledLength = 16;
    QHash<QStringView, QString> texts;
};

#endif
