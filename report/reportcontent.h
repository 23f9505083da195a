#ifndef TARVEO_REPORT_REPORTCONTENT_H
#define TARVEO_REPORT_REPORTCONTENT_H

#include "report/reportpages.h"
#include "units/units.h"

#include <QByteArray>
#include <QString>

class Conf;
struct ReportOptions;

// What the report says, block by block, in the chosen units: values are
// converted as the editor converts them.
class ReportContent {
public:
    // bytes: what the approval line's SHA-256 is taken of.
    ReportContent(const Conf &conf, const ReportOptions &options, const QByteArray &bytes);

    // The name the report goes by: in the footer and the PDF's title.
    const QString &fileName() const { return name; }
    // The file, its header and the count of subclasses.
    ReportBlock title() const;
    // Everything of one subclass, why it is not valid among it.
    ReportBlock subclass(quint32 number) const;
    // The file's name, its SHA-256, the date and room for the signature.
    ReportBlock approval() const;

    static QString weightUnitName(WeightUnit unit);
    static QString lengthUnitName(LengthUnit unit);

private:
    QString weight(const QString &text) const;
    QString length(const QString &text) const;
    QString lengthNumber(const QString &text) const;
    QString byKey(const QString &key, const QString &text) const;
    QString distanceRange(const QString &values) const;
    QString weightClasses(const QString &values) const;
    QString constraintText(const Subclass &s, int index, const QString &type) const;
    QString reclassification(const QString &target, const QString &limit) const;
    void appendConstraints(ReportBlock &block, const Subclass &s) const;
    QStringList distances(const Subclass &s, bool maximum) const;
    ReportItem unsavedNote() const;

    const Conf &conf;
    const ReportOptions &options;
    const QByteArray &bytes;
    const QString name;
    const float g;
    const QString weightName;
    const QString lengthName;
    float weightFactor = Units::DefaultG;
    float lengthFactor = Units::MeterFactor;
};

#endif
