#include "editor/fieldgroup.h"

#include "editor/editorcontext.h"
#include "editor/fieldedit.h"
#include "editor/unitlabels.h"
#include "units/numbervalidators.h"

#include <QLineEdit>

FieldEdit *FieldGroup::add(QLineEdit *edit, const FieldRef &ref, QLabel *label) {
    NumberValidators::install(edit, ref.id);
    auto *field = new FieldEdit(edit, ref, context);
    edits.append(field);
    if (label)
        labels.append({label, Fields::field(ref.id).kind});
    return field;
}

void FieldGroup::show(bool force) {
    for (FieldEdit *field : qAsConst(edits))
        field->show(force);
}

void FieldGroup::clear() {
    for (FieldEdit *field : qAsConst(edits))
        field->edit()->clear();
}

void FieldGroup::showUnits() {
    for (const Labelled &labelled : qAsConst(labels))
        UnitLabels::show(labelled.label, labelled.kind, context->units());
}

bool FieldGroup::focus(const FieldRef &ref) {
    for (FieldEdit *field : qAsConst(edits))
        if (field->ref() == ref && field->edit()->isVisible()) {
            field->edit()->setFocus();
            return true;
        }
    return false;
}

bool FieldGroup::holdsUnstoredText() const {
    for (const FieldEdit *field : edits)
        if (field->holdsUnstoredText())
            return true;
    return false;
}
