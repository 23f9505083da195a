#include "editor/constraintpanel.h"

#include "editor/axlegrid.h"
#include "editor/editorcontext.h"
#include "editor/fieldedit.h"
#include "editor/unitlabels.h"
#include "ui_constraintpanel.h"
#include "units/numbervalidators.h"

#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>

namespace {

using Fields::Id;

// A combined constraint joins at least two axles.
constexpr int MinConstraintAxles = 2;

const char *const TitleCannotAdd = QT_TRANSLATE_NOOP("Tarveo", "Cannot add a new constraint");
const char *const TextTooFewAxles =
    QT_TRANSLATE_NOOP("Tarveo", "Make sure you have at least two checkboxes selected and there "
                                "is a viable value in the adjacent field.");
const char *const TextDistanceBounds =
    QT_TRANSLATE_NOOP("Tarveo", "Upper and lower text boxes must contain a constraint (float).");
const char *const TextWeightBounds =
    QT_TRANSLATE_NOOP("Tarveo", "Upper and lower text boxes must contain constraint (float) "
                                "and class (int) separated with a comma.");
const char *const TipRemoveConstraint =
    QT_TRANSLATE_NOOP("Tarveo", "To remove constraint, delete the text.");

QString windowText(const char *text) {
    return QCoreApplication::translate("Tarveo", text);
}

void cannotAdd(const char *text) {
    QMessageBox box(QMessageBox::Information, windowText(TitleCannotAdd), windowText(text));
    box.exec();
}

} // namespace

// One kind of combined constraint and what the panel does differently for it.
struct ConstraintPanel::Kind {
    Id field;
    QFrame *Ui_ConstraintPanel::*frame;
    QLabel *Ui_ConstraintPanel::*unitLabel;
    int rowWidth;     // sized to a typical value of the kind
    bool boundFields; // entered in the lower and upper fields, not the single one
    // What follows the axle list in a new value, from the add fields; none
    // when they hold nothing usable, which the box of addFieldsProblem says.
    std::optional<QString> (*fromAddFields)(const Ui::ConstraintPanel &, const DisplayUnits &);
    const char *addFieldsProblem;
};

const QVector<ConstraintPanel::Kind> &ConstraintPanel::kinds() {
    // In the order of the selector's entries.
    static const QVector<Kind> all = {
        {Id::CombinedWeight, &Ui_ConstraintPanel::frameCombinedWeightConstraints,
         &Ui_ConstraintPanel::labelCombinedWeightConstraints, 90, false,
         [](const Ui::ConstraintPanel &ui, const DisplayUnits &units) -> std::optional<QString> {
             // The typed weight is not checked here: a row that shows red says it.
             return ',' + units.weightToDocument(ui.lineEditAddConstraint->text());
         },
         nullptr},
        {Id::DistanceConstraint, &Ui_ConstraintPanel::frameAdsl, &Ui_ConstraintPanel::labelAdsl,
         115, true,
         [](const Ui::ConstraintPanel &ui, const DisplayUnits &units) -> std::optional<QString> {
             const auto lower = units.lengthToDocument(ui.lineEditAddLowerConstraint->text());
             const auto upper = units.lengthToDocument(ui.lineEditAddUpperConstraint->text());
             if (!lower || !upper)
                 return std::nullopt;
             return ':' + *lower + ',' + *upper;
         },
         TextDistanceBounds},
        {Id::WeightConstraint, &Ui_ConstraintPanel::frameAwsl, &Ui_ConstraintPanel::labelAwsl, 150,
         true,
         [](const Ui::ConstraintPanel &ui, const DisplayUnits &units) -> std::optional<QString> {
             const auto lower = units.weightClassToDocument(ui.lineEditAddLowerConstraint->text());
             if (!lower)
                 return std::nullopt;
             const auto upper = units.weightClassToDocument(ui.lineEditAddUpperConstraint->text());
             if (!upper)
                 return std::nullopt;
             return ':' + *lower + ';' + *upper;
         },
         TextWeightBounds},
    };
    return all;
}

ConstraintPanel::ConstraintPanel(QWidget *parent) : QWidget(parent), ui(new Ui::ConstraintPanel) {
    ui->setupUi(this);
    rows.resize(kinds().size());
    for (QLineEdit *edit : {ui->lineEditAddConstraint, ui->lineEditAddLowerConstraint,
                            ui->lineEditAddUpperConstraint})
        edit->hide();
    connect(ui->comboBoxAddConstraint, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ConstraintPanel::kindChosen);
    connect(ui->buttonAddConstraint, &QPushButton::clicked, this, &ConstraintPanel::addClicked);
}

ConstraintPanel::~ConstraintPanel() {
    delete ui;
}

void ConstraintPanel::attach(EditorContext *editorContext, AxleGrid *axles) {
    context = editorContext;
    axleGrid = axles;
    fields.setContext(context);
    fields.add(ui->lineEditTotalDistanceConstraint, FieldRef{Id::TotalDistance},
               ui->labelTotalDistanceConstraint);
    fields.add(ui->lineEditTotalWeightConstraint, FieldRef{Id::TotalWeight},
               ui->labelTotalWeightConstraint);
    ui->lineEditAddConstraint->setValidator(NumberValidators::real(ui->lineEditAddConstraint));
}

void ConstraintPanel::showSubclass(bool force) {
    fields.show(force);
    for (int kind = 0; kind < kinds().size(); ++kind)
        showRows(kind, force);
}

void ConstraintPanel::showRows(int k, bool force) {
    const Kind &kind = kinds().at(k);
    const QString &type = Fields::field(kind.field).key;
    const int count = context->currentSubclass()->get_number_of_constraints(type);
    QVector<FieldEdit *> &made = rows[k];
    for (int row = made.size() + 1; row <= count; ++row) {
        auto *edit = new QLineEdit(this);
        edit->setMaximumWidth(kind.rowWidth);
        edit->setStatusTip(windowText(TipRemoveConstraint));
        // Rows made by Add are named after the count, rows made to show a
        // subclass after their kind and place.
        edit->setObjectName(adding ? QStringLiteral("Constraint%1").arg(count)
                                   : QStringLiteral("%1Constraint%2").arg(type).arg(row));
        (ui->*kind.frame)->layout()->addWidget(edit);
        made.append(fields.add(edit, FieldRef{kind.field, row - 1}));
    }
    for (int row = 1; row <= made.size(); ++row) {
        QLineEdit *edit = made.at(row - 1)->edit();
        if (row <= count) {
            const bool appears = edit->isHidden();
            edit->show();
            made.at(row - 1)->show(force || appears);
        } else {
            edit->clear();
            edit->hide();
        }
    }
}

void ConstraintPanel::showUnits() {
    fields.showUnits();
    for (const Kind &kind : kinds())
        UnitLabels::show(ui->*kind.unitLabel, Fields::field(kind.field).kind, context->units());
}

bool ConstraintPanel::focusField(const FieldRef &ref) {
    return fields.focus(ref);
}

void ConstraintPanel::kindChosen(int index) {
    const bool boundFields = index >= 0 && index < kinds().size() && kinds().at(index).boundFields;
    if (boundFields)
        ui->lineEditAddConstraint->clear();
    else {
        ui->lineEditAddLowerConstraint->clear();
        ui->lineEditAddUpperConstraint->clear();
    }
    ui->lineEditAddConstraint->setVisible(!boundFields);
    ui->lineEditAddLowerConstraint->setVisible(boundFields);
    ui->lineEditAddUpperConstraint->setVisible(boundFields);
}

void ConstraintPanel::addClicked() {
    const QVector<int> ticked = axleGrid->tickedAxles();
    const int index = ui->comboBoxAddConstraint->currentIndex();
    if (ticked.size() < MinConstraintAxles || index < 0) {
        cannotAdd(TextTooFewAxles);
        return;
    }
    // Anything unknown in the selector is the first kind.
    const Kind &kind = kinds().at(index < kinds().size() ? index : 0);
    const std::optional<QString> bounds = kind.fromAddFields(*ui, context->units());
    if (!bounds) {
        cannotAdd(kind.addFieldsProblem);
        return;
    }
    QStringList axles;
    for (int axle : ticked)
        axles << QString::number(axle);
    const std::optional<quint32> number = context->current();
    if (!number)
        return;
    adding = true;
    context->document()->addConstraint(*number, kind.field, axles.join('+') + *bounds);
    adding = false;
    axleGrid->untickAll();
}
