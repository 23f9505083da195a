#ifndef TARVEO_TOOLS_SHEET_REPORT_H
#define TARVEO_TOOLS_SHEET_REPORT_H

#include "units/units.h"

#include <QPageSize>
#include <QString>
#include <optional>

class Conf;

struct ReportOptions {
    WeightUnit weightUnit = Tons;
    LengthUnit lengthUnit = Meters;
    QPageSize::PageSizeId pageSize = QPageSize::A4;
};

// The units by the names the command line gives them: t, lb, kN; m, ft, in.
std::optional<WeightUnit> weightUnitNamed(const QString &name);
std::optional<LengthUnit> lengthUnitNamed(const QString &name);

// Writes the approval report of a classification as a PDF: a title page
// with the file's name and date, the header values and the count of
// subclasses, then every subclass in ascending number with its values, axle
// table, constraints, reclassification and both silhouettes; page numbers in
// the footer. Values are shown in the chosen units; tonnes use the file's
// g_acceleration_constant when it is valid. Needs a QApplication. False,
// with the reason, when the PDF cannot be written.
bool writeReport(const Conf &conf, const QString &sourcePath, const ReportOptions &options,
                 const QString &pdfPath, QString *error);

#endif
