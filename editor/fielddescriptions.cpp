// The words a message uses for a value of the document: the label of the
// field that shows it, as the user sees it in the window.
#include "editor/tarveo.h"
#include "model/filekeys.h"
#include "ui_tarveo.h"

#include <QLabel>

namespace {

// A label's text without its closing colon: "Max. GVW (t)".
QString labelName(const QLabel *label) {
    QString text = label->text();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

} // namespace

QString Tarveo::describeValue(const Conf::UnwritableValue &value) const {
    using namespace FileKeys;
    const QString &key = value.value.key;
    const int index = value.value.index;
    if (value.inHeader)
        return tr("The header key %1").arg(key);

    struct Field {
        const QString &key;
        const QLabel *label;
        const char *entry; // how one entry of the field is named, or null
    };
    const Field fields[] = {
        {OverrideClass, ui->labelOverrideClass, nullptr},
        {OverrideGroups, ui->labelOverrideGroups, nullptr},
        {Alias, ui->labelAlias, nullptr},
        {Category, ui->labelCategory, nullptr},
        {MaxGVW, ui->labelMaxGrossWeight, nullptr},
        {NumberOfAxles, ui->labelNumOfAxles, nullptr},
        {UpperGVWLimit, ui->labelReclassUpGvw, nullptr},
        {LowerGVWLimit, ui->labelReclassDownGvw, nullptr},
        {ReclassifyUpTo, ui->labelReclassUpTo, nullptr},
        {ReclassifyDownTo, ui->labelReclassDownTo, nullptr},
        {AxleConfiguration, ui->labelConfString, nullptr},
        {Prepend, ui->labelPrepend, nullptr},
        {Append, ui->labelAppend, nullptr},
        {Adsl0, ui->labelTotalDistanceConstraint, nullptr},
        {Awsl0, ui->labelTotalWeightConstraint, nullptr},
        {TyreType, ui->labelTyreTypes, QT_TR_NOOP("axle %1")},
        {MaxAxleWeight, ui->labelMaxAxleWeightsEdits, QT_TR_NOOP("axle %1")},
        {MaxAxleDistance, ui->labelMaxAxleDists, QT_TR_NOOP("distance %1")},
        {MinAxleDistance, ui->labelMinAxleDists, QT_TR_NOOP("distance %1")},
        {ConstraintType::Default, ui->labelCombinedWeightConstraints, QT_TR_NOOP("row %1")},
        {ConstraintType::Adsl, ui->labelAdsl, QT_TR_NOOP("row %1")},
        {ConstraintType::Awsl, ui->labelAwsl, QT_TR_NOOP("row %1")},
    };
    QString field = key;
    for (const Field &candidate : fields) {
        if (candidate.key != key)
            continue;
        field = QLatin1Char('"') + labelName(candidate.label) + QLatin1Char('"');
        if (candidate.entry && index >= 0)
            field += QLatin1Char(' ') + tr(candidate.entry).arg(index + 1);
        break;
    }
    return tr("Subclass %1, %2,").arg(value.number).arg(field);
}
