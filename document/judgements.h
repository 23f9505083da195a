#ifndef TARVEO_DOCUMENT_JUDGEMENTS_H
#define TARVEO_DOCUMENT_JUDGEMENTS_H

#include "model/conf.h"

#include <QMap>
#include <QVector>

// The full check of every subclass of the document, kept as it stands: a
// change of the header's axle distance bounds then re-judges the whole
// document by comparing numbers, and the header's maximum is checked
// against the highest distance without reading every subclass again.
class Judgements {
public:
    void judgeAll(const Conf &conf);
    // The subclass changed, came or went: judged again.
    void update(const Conf &conf, quint32 number);

    // Whether the subclass passes the full check with the document's header.
    bool isValid(const Conf &conf, quint32 number) const;
    // The subclasses that fail it, ascending.
    QVector<quint32> invalid(const Conf &conf) const;
    // The highest maximum axle distance of every subclass (-infinity for none).
    float highestMaxDistance() const;

private:
    void count(const Subclass::Judgement &judgement, int change);

    QMap<quint32, Subclass::Judgement> judgements;
    // How many subclasses have each highest maximum distance: the highest of
    // all is the last key, kept as subclasses change.
    QMap<float, int> highestDistances;
};

#endif
