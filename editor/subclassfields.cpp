// The generic handler of the subclass fields: every keystroke in a field of
// the subclass panel, the axle rows or the constraint rows arrives here and
// is stored in the displayed subclass.
#include "editor/subclasslookup.h"
#include "editor/tarveo.h"
#include "ui_tarveo.h"

#include <QDebug>
#include <QFrame>
#include <QLayout>
#include <QLineEdit>
#include <algorithm>
#include <functional>
#include <iterator>

namespace {

// How the typed text becomes the stored value.
enum class Stored { AsTyped, Length, Weight, TotalDistance, TotalWeight };

using Setter = void (Subclass::*)(const QString &);
using Check = std::function<bool(const Subclass &)>;

struct NamedField {
    QLineEdit *edit;
    Setter store;
    Stored stored;
    Check check; // empty: the field is not marked
    QString invalidTip;
    bool redraw;
};

template <std::size_t N> bool contains(QFrame *const (&frames)[N], const QFrame *frame) {
    return std::find(std::begin(frames), std::end(frames), frame) != std::end(frames);
}

Check memberCheck(bool (Subclass::*check)() const) {
    return [check](const Subclass &subclass) { return (subclass.*check)(); };
}

} // namespace

void Tarveo::textChanged(QString text) {
    qDebug().noquote() << QStringLiteral("Text Changed: ") + text;
    Subclass *subclass = currentSubclass();
    if (!subclass)
        return;

    QObject *origin = sender();
    if (!storeNamedField(origin, text, *subclass) && !storeRowField(origin, *subclass))
        return;
    updateInvalidEntry(*subclass);
}

bool Tarveo::storeNamedField(QObject *origin, const QString &text, Subclass &subclass) {
    const QString noTip;
    auto reclassCheck = [this](QLineEdit *edit,
                               bool (Subclass::*check)(const QString &) const) -> Check {
        return [this, edit, check](const Subclass &current) {
            return (current.*check)(SubclassLookup::typedTargetAxles(conf, edit->text()));
        };
    };
    const NamedField fields[] = {
        {ui->lineEditOverrideClass,
         &Subclass::set_override_class,
         Stored::AsTyped,
         {},
         noTip,
         false},
        {ui->lineEditOverrideGroups,
         &Subclass::set_override_groups,
         Stored::AsTyped,
         {},
         noTip,
         false},
        {ui->lineEditAlias, &Subclass::set_alias, Stored::AsTyped, {}, noTip, false},
        {ui->lineEditCategory, &Subclass::set_category, Stored::AsTyped,
         memberCheck(&Subclass::is_category_valid), noTip, false},
        {ui->lineEditMaxGrossWeight, &Subclass::set_max_GVW, Stored::Weight,
         memberCheck(&Subclass::is_max_GVW_valid), noTip, false},
        {ui->lineEditConfString, &Subclass::set_axle_configuration, Stored::AsTyped,
         memberCheck(&Subclass::is_axle_configuration_valid), tipAxleConf, true},
        {ui->lineEditPrepend, &Subclass::set_prepend, Stored::Length, {}, noTip, false},
        {ui->lineEditAppend, &Subclass::set_append, Stored::Length, {}, noTip, false},
        {ui->lineEditReclassUpGvw,
         &Subclass::set_upper_GVW_limit,
         Stored::Weight,
         {},
         noTip,
         false},
        {ui->lineEditReclassUpTo, &Subclass::set_reclassify_up_to_subclass, Stored::AsTyped,
         reclassCheck(ui->lineEditReclassUpTo, &Subclass::is_reclassify_up_to_subclass_valid),
         tipReclassTarget, false},
        {ui->lineEditReclassDownGvw,
         &Subclass::set_lower_GVW_limit,
         Stored::Weight,
         {},
         noTip,
         false},
        {ui->lineEditReclassDownTo, &Subclass::set_reclassify_down_to_subclass, Stored::AsTyped,
         reclassCheck(ui->lineEditReclassDownTo, &Subclass::is_reclassify_down_to_subclass_valid),
         tipReclassTarget, false},
        {ui->lineEditTotalDistanceConstraint, &Subclass::set_adsl_0, Stored::TotalDistance,
         memberCheck(&Subclass::is_adsl_0_valid), tipConsultRefman, false},
        {ui->lineEditTotalWeightConstraint, &Subclass::set_awsl_0, Stored::TotalWeight,
         memberCheck(&Subclass::is_awsl_0_valid), tipConsultRefman, false},
    };

    for (const NamedField &field : fields) {
        if (field.edit != origin)
            continue;
        QString value;
        switch (field.stored) {
        case Stored::AsTyped:
            value = text;
            break;
        case Stored::Length:
        case Stored::Weight:
            value = displayToFileText(text, field.stored == Stored::Weight);
            break;
        case Stored::TotalDistance:
        case Stored::TotalWeight: {
            // Text that does not convert is kept as typed and shows red.
            const QString converted = field.stored == Stored::TotalDistance
                                          ? convertTotalDistance(text, Direction::ToDocument)
                                          : convertTotalWeight(text, Direction::ToDocument);
            value = converted.isEmpty() ? text : converted;
            break;
        }
        }
        (subclass.*field.store)(value);
        const bool number = field.stored == Stored::Length || field.stored == Stored::Weight;
        if (number && markTooLarge(field.edit, field.stored == Stored::Weight))
            ; // the document got no value for it
        else if (field.check)
            setFieldState(field.edit, field.check(subclass), field.invalidTip);
        else if (number)
            clearTooLarge(field.edit);
        if (field.redraw)
            redrawVehicle(subclass);
        return true;
    }
    return false;
}

bool Tarveo::storeRowField(QObject *origin, Subclass &subclass) {
    auto *edit = qobject_cast<QLineEdit *>(origin);
    if (!edit) {
        QObject *parent = origin ? origin->parent() : nullptr;
        qWarning().noquote() << "Sender is not a lineEdit"
                             << (parent ? parent->objectName() : QString());
        return false;
    }
    auto *frame = qobject_cast<QFrame *>(edit->parentWidget());
    QLayout *layout = frame ? frame->layout() : nullptr;
    const int index = (layout ? layout->indexOf(edit) : -1) - 1;
    if (index < 0) {
        qWarning() << "Index of dynamically set lineEdit can't be below 1!";
        return false;
    }

    QFrame *const axleFrames[] = {ui->frameMaxAxleDists, ui->frameMinAxleDists,
                                  ui->frameMaxAxleWeightsEdits, ui->frameTyreTypes};
    QFrame *const constraintFrames[] = {ui->frameCombinedWeightConstraints, ui->frameAdsl,
                                        ui->frameAwsl};
    if (contains(axleFrames, frame))
        axleRowEdited(edit, frame, index, subclass);
    else if (contains(constraintFrames, frame))
        constraintRowEdited(edit, frame, index, subclass);
    else
        qWarning() << "Layout not found!";
    redrawVehicle(subclass);
    return true;
}
