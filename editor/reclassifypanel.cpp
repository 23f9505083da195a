#include "editor/reclassifypanel.h"

#include "ui_reclassifypanel.h"

namespace {

using Fields::Id;

struct ReclassifyField {
    Id id;
    QLineEdit *Ui_ReclassifyPanel::*edit;
    QLabel *Ui_ReclassifyPanel::*label;
};

const ReclassifyField Rows[] = {
    {Id::UpperGVWLimit, &Ui_ReclassifyPanel::lineEditReclassUpGvw,
     &Ui_ReclassifyPanel::labelReclassUpGvw},
    {Id::ReclassifyUpTo, &Ui_ReclassifyPanel::lineEditReclassUpTo,
     &Ui_ReclassifyPanel::labelReclassUpTo},
    {Id::LowerGVWLimit, &Ui_ReclassifyPanel::lineEditReclassDownGvw,
     &Ui_ReclassifyPanel::labelReclassDownGvw},
    {Id::ReclassifyDownTo, &Ui_ReclassifyPanel::lineEditReclassDownTo,
     &Ui_ReclassifyPanel::labelReclassDownTo},
};

} // namespace

ReclassifyPanel::ReclassifyPanel(QWidget *parent) : QGroupBox(parent), ui(new Ui::ReclassifyPanel) {
    ui->setupUi(this);
}

ReclassifyPanel::~ReclassifyPanel() {
    delete ui;
}

void ReclassifyPanel::attach(EditorContext *context) {
    fields.setContext(context);
    for (const ReclassifyField &row : Rows)
        fields.add(ui->*row.edit, FieldRef{row.id}, ui->*row.label);
}

void ReclassifyPanel::showSubclass(bool force) {
    fields.show(force);
}

void ReclassifyPanel::showUnits() {
    fields.showUnits();
}

void ReclassifyPanel::clear() {
    fields.clear();
}

bool ReclassifyPanel::focusField(const FieldRef &ref) {
    return fields.focus(ref);
}
