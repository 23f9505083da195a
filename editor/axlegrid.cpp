#include "editor/axlegrid.h"

#include "editor/editorcontext.h"
#include "editor/fieldedit.h"
#include "editor/unitlabels.h"
#include "model/numbers.h"
#include "ui_axlegrid.h"

#include <QCheckBox>
#include <QLayout>
#include <QLineEdit>

namespace {

using Fields::Id;

constexpr int RowEditMaxWidth = 45;
// The check box of an axle shows its number left-justified to two places,
// so the boxes line up under the edits ("1 ", "12").
constexpr int AxleBoxTextWidth = 2;

const char *const TipMaxAxleDist = QT_TRANSLATE_NOOP(
    "Tarveo", "Accepts non-negative real values. Use decimal point. Must be higher than "
              "corresponding min. axle distance and between min. and max. axle distances "
              "defined in the header.");
const char *const TipMinAxleDist = QT_TRANSLATE_NOOP(
    "Tarveo", "Accepts non-negative real values. Use decimal point. Must be lower than "
              "corresponding max. axle distance and between min. and max. axle distances "
              "defined in the header.");
const char *const TipRealValue =
    QT_TRANSLATE_NOOP("Tarveo", "Accepts non-negative real values. Use decimal point.");
const char *const TipAxleSelect = QT_TRANSLATE_NOOP(
    "Tarveo", "Used for selecting to which axles we want to apply the constraint.");
const char *const TipTyreType =
    QT_TRANSLATE_NOOP("Tarveo", "Integer value representing tyre type. 1 for single, 2 for "
                                "double, 3 for super single and 4 for quadruple.");

} // namespace

// One of the five rows. A distance row has a widget per gap (position k is
// the gap after axle k), an axle row one per axle; in either the list index
// of a widget is its layout position - 1, position 0 holding the label.
struct AxleGrid::Row {
    QFrame *Ui_AxleGrid::*frame;
    const char *namePrefix;
    Id field;
    bool isBox; // the check boxes hold no value
    const char *helpText;
    QLabel *Ui_AxleGrid::*sumLabel;  // null: the row has no sum
    QLabel *Ui_AxleGrid::*unitLabel; // null: the row has no unit

    bool isGap() const { return Fields::field(field).scope == Fields::Scope::Gap; }
    // The widgets a vehicle of n axles shows in the row.
    int shownFor(int axles) const { return isGap() ? qMax(axles - 1, 0) : axles; }
};

const QVector<AxleGrid::Row> &AxleGrid::rows() {
    static const QVector<Row> all = {
        {&Ui_AxleGrid::frameMaxAxleDists, "MaxAxleDist", Id::MaxAxleDistance, false, TipMaxAxleDist,
         &Ui_AxleGrid::labelSumMaxAxleDist, &Ui_AxleGrid::labelMaxAxleDists},
        {&Ui_AxleGrid::frameMinAxleDists, "MinAxleDist", Id::MinAxleDistance, false, TipMinAxleDist,
         &Ui_AxleGrid::labelSumMinAxleDist, &Ui_AxleGrid::labelMinAxleDists},
        {&Ui_AxleGrid::frameMaxAxleWeightsEdits, "MaxAxleWeightEdit", Id::MaxAxleWeight, false,
         TipRealValue, &Ui_AxleGrid::labelSumMaxAxleWeights,
         &Ui_AxleGrid::labelMaxAxleWeightsEdits},
        {&Ui_AxleGrid::frameMaxAxleWeightsBoxes, "MaxAxleWeightBox", Id::MaxAxleWeight, true,
         TipAxleSelect, nullptr, nullptr},
        {&Ui_AxleGrid::frameTyreTypes, "TyreType", Id::TyreType, false, TipTyreType, nullptr,
         nullptr},
    };
    return all;
}

AxleGrid::AxleGrid(QWidget *parent) : QWidget(parent), ui(new Ui::AxleGrid) {
    ui->setupUi(this);
    widgets.resize(rows().size());
    edits.resize(rows().size());
}

AxleGrid::~AxleGrid() {
    delete ui;
}

void AxleGrid::attach(EditorContext *editorContext) {
    context = editorContext;
    fields.setContext(context);
    // The first axle's widgets stand from the start, hidden.
    for (int r = 0; r < rows().size(); ++r)
        if (!rows().at(r).isGap())
            widgetAt(r, 1)->hide();
}

QWidget *AxleGrid::widgetAt(int r, int position) {
    const Row &row = rows().at(r);
    QVector<QWidget *> &made = widgets[r];
    while (made.size() < position) {
        const int p = made.size() + 1;
        const QString name = QString::fromLatin1(row.namePrefix) + QString::number(p);
        const QString helpText = QCoreApplication::translate("Tarveo", row.helpText);
        QWidget *widget;
        if (row.isBox) {
            auto *box = new QCheckBox(QString::number(p).leftJustified(AxleBoxTextWidth), this);
            widget = box;
        } else {
            auto *edit = new QLineEdit(this);
            edit->setMaximumWidth(RowEditMaxWidth);
            edits[r].append(fields.add(edit, FieldRef{row.field, p - 1}));
            widget = edit;
        }
        widget->setStatusTip(helpText);
        widget->setObjectName(name);
        (ui->*row.frame)->layout()->addWidget(widget);
        made.append(widget);
    }
    return made.at(position - 1);
}

void AxleGrid::showFirstAxle() {
    for (int r = 0; r < rows().size(); ++r)
        if (!rows().at(r).isGap())
            widgetAt(r, 1)->show();
}

void AxleGrid::showSubclass(bool force) {
    const Subclass *subclass = context->currentSubclass();
    if (!subclass)
        return;
    const QString count = subclass->get_number_of_axles();
    if (force) {
        // A file may claim any count; no more rows exist than a real
        // vehicle has, and fewer than two axles show the first alone.
        const quint32 claimed = Numbers::asUnsigned(count);
        setAxles(claimed < quint32(Subclass::MinAxles)
                     ? 1
                     : int(qMin(claimed, quint32(Subclass::MaxAxles))),
                 true);
    } else if (subclass->is_number_of_axles_valid()) {
        setAxles(Numbers::asInt(count), false);
    } else {
        setAxles(axles, false);
    }
    showSums();
}

void AxleGrid::setAxles(int count, bool force) {
    const int previous = axles;
    axles = count;
    for (int r = 0; r < rows().size(); ++r) {
        const Row &row = rows().at(r);
        const int shown = row.shownFor(axles);
        for (int p = 1; p <= shown; ++p) {
            QWidget *widget = widgetAt(r, p);
            const bool appears = widget->isHidden() || p > row.shownFor(previous);
            widget->show();
            if (row.isBox) {
                if (force)
                    static_cast<QCheckBox *>(widget)->setChecked(false);
            } else {
                edits[r].at(p - 1)->show(force || appears);
            }
        }
        // Hidden widgets keep nothing: a row that comes back shows the
        // document afresh.
        for (int p = shown + 1; p <= widgets[r].size(); ++p) {
            QWidget *widget = widgets[r].at(p - 1);
            if (auto *box = qobject_cast<QCheckBox *>(widget))
                box->setChecked(false);
            else
                static_cast<QLineEdit *>(widget)->clear();
            widget->hide();
        }
    }
}

void AxleGrid::showSums() {
    const Subclass *subclass = context->currentSubclass();
    for (const Row &row : rows()) {
        if (!row.sumLabel)
            continue;
        // The sums add up what the rows show, as the file's 32-bit values do.
        float sum = 0;
        const int shown = row.shownFor(axles);
        for (int i = 0; i < shown; ++i)
            sum += Numbers::asFloat(subclass->get_value(FieldRef{row.field, i}));
        (ui->*row.sumLabel)->setText(context->units().sum(sum, Fields::field(row.field).kind));
    }
}

void AxleGrid::showUnits() {
    for (const Row &row : rows())
        if (row.unitLabel)
            UnitLabels::show(ui->*row.unitLabel, Fields::field(row.field).kind, context->units());
    if (context->currentSubclass())
        showSums();
}

bool AxleGrid::focusField(const FieldRef &ref) {
    return fields.focus(ref);
}

QVector<int> AxleGrid::tickedAxles() const {
    QVector<int> ticked;
    for (int r = 0; r < rows().size(); ++r) {
        if (!rows().at(r).isBox)
            continue;
        const QVector<QWidget *> &boxes = widgets[r];
        for (int p = 1; p <= boxes.size(); ++p)
            if (static_cast<QCheckBox *>(boxes.at(p - 1))->isChecked())
                ticked.append(p);
    }
    return ticked;
}

void AxleGrid::untickAll() {
    for (int r = 0; r < rows().size(); ++r)
        if (rows().at(r).isBox)
            for (QWidget *box : qAsConst(widgets[r]))
                static_cast<QCheckBox *>(box)->setChecked(false);
}
