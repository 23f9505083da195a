#include "editor/headerpanel.h"

#include "ui_headerpanel.h"

namespace {

using Fields::Id;

struct HeaderField {
    Id id;
    QLineEdit *Ui_HeaderPanel::*edit;
    QLabel *Ui_HeaderPanel::*label;
};

// The form's rows in the order of the file's checks; the two axle distance
// rows are named crosswise to their fields.
const HeaderField Rows[] = {
    {Id::ClassificationVersion, &Ui_HeaderPanel::lineEditVersion, &Ui_HeaderPanel::labelVersion},
    {Id::CountryCode, &Ui_HeaderPanel::lineEditCountry, &Ui_HeaderPanel::labelCountry},
    {Id::GroupMaxDistance, &Ui_HeaderPanel::lineEditGroupMaxDist,
     &Ui_HeaderPanel::labelGroupMaxDist},
    {Id::Min2AxleTruckSpacing, &Ui_HeaderPanel::lineEditMinAxleSpacing,
     &Ui_HeaderPanel::labelMinAxleSpacing},
    {Id::MinAvgAxleWeight, &Ui_HeaderPanel::lineEditMinAvgAxleWeight,
     &Ui_HeaderPanel::labelMinAvgAxleWeight},
    {Id::HeaderMaxAxleDistance, &Ui_HeaderPanel::lineEditMaxAxleDist,
     &Ui_HeaderPanel::labelMinAxleDist},
    {Id::HeaderMinAxleDistance, &Ui_HeaderPanel::lineEditMinAxleDist,
     &Ui_HeaderPanel::labelMaxAxleDist},
    {Id::UnclassifiedVehicleSubclass, &Ui_HeaderPanel::lineEditUnclassified,
     &Ui_HeaderPanel::labelUnclassified},
    {Id::UncategorisedVehicleCategory, &Ui_HeaderPanel::lineEditUncategorised,
     &Ui_HeaderPanel::labelUncategorised},
};

} // namespace

HeaderPanel::HeaderPanel(QWidget *parent) : QGroupBox(parent), ui(new Ui::HeaderPanel) {
    ui->setupUi(this);
    connect(ui->buttonGConstant, &QPushButton::clicked, this, &HeaderPanel::unitsRequested);
}

HeaderPanel::~HeaderPanel() {
    delete ui;
}

void HeaderPanel::attach(EditorContext *context) {
    fields.setContext(context);
    for (const HeaderField &row : Rows)
        fields.add(ui->*row.edit, FieldRef{row.id}, ui->*row.label);
}

void HeaderPanel::showDocument(bool force) {
    fields.show(force);
}

void HeaderPanel::showUnits() {
    fields.showUnits();
}

void HeaderPanel::showG(const QString &text) {
    ui->buttonGConstant->setText(text);
}

bool HeaderPanel::holdsUnstoredText() const {
    return fields.holdsUnstoredText();
}

bool HeaderPanel::focusField(Fields::Id id) {
    return fields.focus(FieldRef{id});
}
