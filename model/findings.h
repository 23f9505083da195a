#ifndef TARVEO_MODEL_FINDINGS_H
#define TARVEO_MODEL_FINDINGS_H

#include "model/fieldplace.h"

#include <QString>
#include <QVector>
#include <optional>

class Conf;
class Subclass;

// One thing wrong with a classification, and why.
struct Finding {
    enum class Severity { Error, Warning };
    using Place = FieldPlace;

    std::optional<quint32> subclass; // none for the header and the file as a whole
    QString field;                   // the file key of the value; empty for the whole file
    Place place = Place::Whole;
    int index = 0;
    QString value; // the text found
    QString message;
    Severity severity = Severity::Error;
};

namespace Findings {

// Everything the subclass's full check (Subclass::is_valid with the header's
// axle distance bounds) rejects, each failing value once, in the catalogue's
// order; and, as warnings, constraints naming axles the subclass lacks. The
// list holds an error exactly when the check fails.
QVector<Finding> ofSubclass(const Conf &conf, const Subclass &subclass);

// Warnings for reclassification targets the editor marks red: a target
// that does not exist or has another number of axles. They do not make the
// subclass invalid.
QVector<Finding> ofReclassification(const Conf &conf, const Subclass &subclass);

// The header fields the editor marks red (errors) or yellow (warning).
QVector<Finding> ofHeader(const Conf &conf);

// Why the document does not hold all the file holds: it could not be
// opened, reading stopped at a line, or a later section of a subclass
// replaced an earlier one; empty when it holds it whole.
QVector<Finding> ofReading(const Conf &conf);

// Warnings for what the reader took otherwise than as a value: a file read
// as Latin-1, and lines of a subclass section kept as they stand (keys the
// editor does not read, and lines naming another subclass number than the
// section's header).
QVector<Finding> ofReadingNotes(const Conf &conf);

// The whole file: how far it was read, the reader's notes, the header,
// every subclass in ascending number, whether Save refuses the file, and
// duplicate subclasses.
QVector<Finding> ofDocument(const Conf &conf);

// Where the finding stands, in words: "header country_code",
// "subclass 101: tyre type of axle 3"; empty for the file as a whole.
QString where(const Finding &finding);

// where(), ": " and the message; the message alone for the whole file.
QString describe(const Finding &finding);

QString severityName(Finding::Severity severity);

// Why the subclass fails its full check with the document's header: the
// first error of ofSubclass on one line, as describe() words it without the
// subclass ("max. GVW: Value must not be empty."); empty for a valid one.
QString firstReason(const Conf &conf, const Subclass &subclass);

} // namespace Findings

#endif
