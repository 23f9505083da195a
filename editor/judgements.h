#ifndef TARVEO_EDITOR_JUDGEMENTS_H
#define TARVEO_EDITOR_JUDGEMENTS_H

#include "model/conf.h"

#include <QMap>
#include <QSet>
#include <QVector>

// The full check of every subclass of the document, kept as it stands: a
// change of the header's axle distance bounds then re-judges the whole
// document by comparing numbers, and the header's maximum is checked
// against the highest distance without reading every subclass again.
class Judgements {
public:
    void judgeAll(const Conf &conf);
    // The subclass changed, came or went: judged again now.
    const Subclass::Judgement *update(const Conf &conf, quint32 number);
    // The subclass may have changed: judged again before it is next needed.
    void touch(quint32 number) { stale.insert(number); }

    // The subclasses that fail the full check with the document's header, ascending.
    QVector<quint32> invalid(const Conf &conf);
    // The highest maximum axle distance of every subclass.
    float highestMaxDistance(const Conf &conf);

private:
    void refreshStale(const Conf &conf);

    QMap<quint32, Subclass::Judgement> judgements;
    QSet<quint32> stale;
};

#endif
