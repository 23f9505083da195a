#ifndef TARVEO_REPORT_REPORT_H
#define TARVEO_REPORT_REPORT_H

#include "units/units.h"

#include <QByteArray>
#include <QPageSize>
#include <QString>
#include <optional>

class Conf;
class QPagedPaintDevice;

// How a report shows a document, and what it says about its file.
struct ReportOptions {
    WeightUnit weightUnit = Tons;
    LengthUnit lengthUnit = Meters;
    // g for tonnes; none: the file's g_acceleration_constant when it is
    // valid, else standard gravity.
    std::optional<float> g;
    // none: the device's own, as a print dialog left it; a PDF is A4 then.
    std::optional<QPageSize::PageSizeId> pageSize;
    // The document's file: its folder and date are shown; empty for a
    // document never saved.
    QString path;
    // The name the report shows; empty: the name of path.
    QString fileName;
    QString shownName() const;
    // The document differs from the file: a line says so.
    bool unsavedEdits = false;
    // What the approval line's SHA-256 is taken of; none: the file at path
    // as it is on the disk. With unsaved edits, the bytes Save would write.
    std::optional<QByteArray> bytes;
};

namespace Report {

// The units by the names the command line gives them: t, lb, kN; m, ft, in.
std::optional<WeightUnit> weightUnitNamed(const QString &name);
std::optional<LengthUnit> lengthUnitNamed(const QString &name);

// Paints the approval report of a classification onto the device's pages:
// a title page with the file's name and date, the header values and the
// count of subclasses, then every subclass in ascending number with its
// values, why it is not valid, its axle table, constraints,
// reclassification and both silhouettes with their axle distances, and
// last the approval line (file name, SHA-256, date, "Approved by"); page
// numbers in the footer. Sets the page size of the options and the
// report's margins. Needs a QApplication. False, with the reason, when the
// file cannot be read for its SHA-256 or the device cannot be painted on.
bool paint(const Conf &conf, const ReportOptions &options, QPagedPaintDevice &device,
           QString *error);

// The report as a PDF written to path; a file already there stays whole
// unless the new one is written completely. False, with the reason, when
// it cannot be made or written.
bool writePdf(const Conf &conf, const ReportOptions &options, const QString &path, QString *error);

} // namespace Report

#endif
