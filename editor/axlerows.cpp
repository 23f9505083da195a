// The per-axle rows of the middle band: one column per axle in five rows,
// created as the axle count grows and hidden, never destroyed, as it shrinks.
#include "editor/subclasslookup.h"
#include "editor/rowwidgets.h"
#include "editor/tarveo.h"
#include "model/numbers.h"
#include "ui_tarveo.h"
#include "units/numbervalidators.h"

#include <QCheckBox>
#include <QDebug>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <array>

namespace {

constexpr int RowEditMaxWidth = 45;
// The check box of an axle shows its number left-justified to two places,
// so the boxes line up under the edits ("1 ", "12").
constexpr int AxleBoxTextWidth = 2;



} // namespace

// One of the five rows. Row k of the band is distance k together with axle
// k+1, so the distance rows place row k at layout position k and the axle
// rows at k+1; the list index of a widget is its position minus 1.
struct Tarveo::AxleRow {
    enum class Content { Length, Weight, TyreType, Selection };

    QFrame *Ui_Tarveo::*frame;
    const char *namePrefix;
    int offset;
    Content content;
    const QString Tarveo::*helpText;
    const QString Tarveo::*invalidTip; // null: marked with an empty tool tip
    int partner;                       // row re-marked along with this one, or -1
    QLabel *Ui_Tarveo::*sumLabel;      // null: the row has no sum
    QString (Subclass::*get)(int) const;
    int (Subclass::*count)() const;
    void (Subclass::*set)(const QString &, int);
    void (Subclass::*removeLast)();
    double (Subclass::*sum)() const;
    bool (*valid)(const Subclass &, int index, const Conf &);

    bool isEdit() const { return content != Content::Selection; }
    bool isWeight() const { return content == Content::Weight; }
    int position(int k) const { return k + offset; }
    QString objectName(int k) const {
        return QString::fromLatin1(namePrefix) + QString::number(position(k));
    }

    // Gives the subclass an entry for row k when its list is too short.
    void ensureEntry(Subclass &subclass, int k) const {
        const int index = position(k) - 1;
        if (set && (subclass.*count)() <= index)
            (subclass.*set)(QString(), index);
    }

    static const std::array<AxleRow, 5> &all();
    static const AxleRow *byFrame(const Tarveo &window, const QFrame *frame);
};

namespace {
enum RowIndex { MaxDistances, MinDistances };
} // namespace

const std::array<Tarveo::AxleRow, 5> &Tarveo::AxleRow::all() {
    using C = Content;
    static const std::array<AxleRow, 5> rows = {{
        {&Ui_Tarveo::frameMaxAxleDists, "MaxAxleDist", 0, C::Length, &Tarveo::tipMaxAxleDist,
         &Tarveo::tipMaxDistRange, MinDistances, &Ui_Tarveo::labelSumMaxAxleDist,
         &Subclass::get_max_distance_at_index, &Subclass::get_number_of_max_distances,
         &Subclass::set_max_distance_at_index, &Subclass::remove_last_max_distance,
         &Subclass::get_sum_of_max_distances,
         [](const Subclass &s, int i, const Conf &c) {
             return s.is_max_distance_valid(i, c.get_min_axle_distance(),
                                            c.get_max_axle_distance());
         }},
        {&Ui_Tarveo::frameMinAxleDists, "MinAxleDist", 0, C::Length, &Tarveo::tipMinAxleDist,
         &Tarveo::tipMinDistRange, MaxDistances, &Ui_Tarveo::labelSumMinAxleDist,
         &Subclass::get_min_distance_at_index, &Subclass::get_number_of_min_distances,
         &Subclass::set_min_distance_at_index, &Subclass::remove_last_min_distance,
         &Subclass::get_sum_of_min_distances,
         [](const Subclass &s, int i, const Conf &c) {
             return s.is_min_distance_valid(i, c.get_min_axle_distance(),
                                            c.get_max_axle_distance());
         }},
        {&Ui_Tarveo::frameMaxAxleWeightsEdits, "MaxAxleWeightEdit", 1, C::Weight,
         &Tarveo::tipRealValue, nullptr, -1, &Ui_Tarveo::labelSumMaxAxleWeights,
         &Subclass::get_max_axle_weight_at_index, &Subclass::get_number_of_max_axle_weights,
         &Subclass::set_max_axle_weight_at_index, &Subclass::remove_last_max_axle_weight,
         &Subclass::get_sum_of_max_axle_weights,
         [](const Subclass &s, int i, const Conf &) { return s.is_max_axle_weight_valid(i); }},
        {&Ui_Tarveo::frameMaxAxleWeightsBoxes, "MaxAxleWeightBox", 1, C::Selection,
         &Tarveo::tipAxleSelect, nullptr, -1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
         nullptr},
        {&Ui_Tarveo::frameTyreTypes, "TyreType", 1, C::TyreType, &Tarveo::tipTyreType,
         &Tarveo::tipTyreRange, -1, nullptr, &Subclass::get_tyre_type_at_index,
         &Subclass::get_number_of_tyre_types, &Subclass::set_tyre_type_at_index,
         &Subclass::remove_last_tyre_type, nullptr,
         [](const Subclass &s, int i, const Conf &) { return s.is_tyre_type_valid(i); }},
    }};
    return rows;
}

const Tarveo::AxleRow *Tarveo::AxleRow::byFrame(const Tarveo &window, const QFrame *frame) {
    for (const AxleRow &row : all())
        if (window.ui->*row.frame == frame)
            return &row;
    return nullptr;
}

void Tarveo::on_lineEditNumOfAxles_textChanged(QString arg1) {
    if (ui->lineEditSubclass->text().isEmpty())
        return;
    Subclass *subclass = currentSubclass();
    if (!subclass)
        return;
    subclass->set_number_of_axles(arg1);

    setFieldState(ui->lineEditNumOfAxles, subclass->is_number_of_axles_valid(), tipNumOfAxles);
    setFieldState(ui->lineEditConfString, subclass->is_axle_configuration_valid(), tipAxleConf);
    // An unusable count leaves the rows as they are until the user finishes typing.
    if (!subclass->is_number_of_axles_valid())
        return;

    const int n = Numbers::asInt(arg1);
    const int existing = RowWidgets::count(ui->frameMaxAxleDists);
    for (int k = existing; k >= n; --k)
        removeAxleRow(*subclass, k);
    for (int k = 1; k < n; ++k) {
        if (k <= existing) {
            // A hidden row comes back empty: its entries went when it was hidden.
            for (const AxleRow &row : AxleRow::all())
                row.ensureEntry(*subclass, k);
            showAxleRow(*subclass, k);
        } else {
            createAxleRow(*subclass, k);
        }
    }

    subclass->set_axle_configuration(ui->lineEditConfString->text());
    setFieldState(ui->lineEditConfString, subclass->is_axle_configuration_valid(), tipAxleConf);
    redrawVehicle(*subclass);

    const struct {
        QLineEdit *edit;
        bool (Subclass::*check)(const QString &) const;
    } targets[] = {
        {ui->lineEditReclassUpTo, &Subclass::is_reclassify_up_to_subclass_valid},
        {ui->lineEditReclassDownTo, &Subclass::is_reclassify_down_to_subclass_valid},
    };
    for (const auto &target : targets)
        setFieldState(
            target.edit,
            (subclass->*target.check)(SubclassLookup::shownTargetAxles(conf, target.edit->text())),
            tipReclassTarget);
}

int Tarveo::displayedAxles() const {
    // A file may claim any count; no more rows exist than a real vehicle has.
    return static_cast<int>(
        qMin(Numbers::asUnsigned(ui->lineEditNumOfAxles->text()), quint32(Subclass::MaxAxles)));
}

void Tarveo::showAxleRowsFor(Subclass &subclass, int n) {
    const int existing = RowWidgets::count(ui->frameMaxAxleDists);
    for (int k = 1; k < n; ++k) {
        if (k > existing) {
            createAxleRow(subclass, k);
            continue;
        }
        for (const AxleRow &row : AxleRow::all())
            if (QWidget *widget = RowWidgets::at(ui->*row.frame, row.position(k)))
                widget->show();
    }
    // Rows past the count are hidden; unlike a lowered count, showing the
    // subclass takes nothing from its lists.
    for (int k = n; k <= existing; ++k)
        hideAxleRowWidgets(k);
}

void Tarveo::createAxleRow(Subclass &subclass, int k) {
    for (const AxleRow &row : AxleRow::all()) {
        QWidget *widget;
        if (row.isEdit()) {
            auto *edit = new QLineEdit(this);
            setUpRowEdit(edit, row.content != AxleRow::Content::TyreType, this->*row.helpText,
                         row.objectName(k));
            widget = edit;
        } else {
            auto *box = new QCheckBox(
                QString::number(row.position(k)).leftJustified(AxleBoxTextWidth), this);
            box->setStatusTip(this->*row.helpText);
            box->setObjectName(row.objectName(k));
            widget = box;
        }
        (ui->*row.frame)->layout()->addWidget(widget);
        widget->show();
        // The lists may already hold an entry for this row (the axle count
        // setter keeps one spare); only a missing one is added, so the lists
        // do not gather empty entries beyond the rows.
        row.ensureEntry(subclass, k);
    }
    validateAxleRow(subclass, k);
    showAxleSums(subclass);
}

void Tarveo::showAxleRow(Subclass &subclass, int k) {
    QLineEdit *first = lineEditAt(ui->frameMaxAxleDists, k);
    if (first && !first->isHidden())
        return;
    for (const AxleRow &row : AxleRow::all())
        if (QWidget *widget = RowWidgets::at(ui->*row.frame, row.position(k)))
            widget->show();
    validateAxleRow(subclass, k);
    showAxleSums(subclass);
}

void Tarveo::hideAxleRowWidgets(int k) {
    for (const AxleRow &row : AxleRow::all()) {
        QWidget *widget = RowWidgets::at(ui->*row.frame, row.position(k));
        const QString name = widget ? widget->objectName() : row.objectName(k);
        if (row.isEdit()) {
            auto *edit = qobject_cast<QLineEdit *>(widget);
            if (!edit) {
                qWarning().noquote() << "Cast failed when trying to hide a lineEdit for " + name;
                continue;
            }
            edit->clear();
            edit->hide();
        } else {
            auto *box = qobject_cast<QCheckBox *>(widget);
            if (!box) {
                qWarning().noquote() << "Cast failed when trying to hide a checkBox for " + name;
                continue;
            }
            box->setChecked(false);
            box->hide();
        }
    }
}

void Tarveo::removeAxleRow(Subclass &subclass, int k) {
    hideAxleRowWidgets(k);
    const int distances = subclass.get_number_of_max_distances();
    if (k > distances) {
        qWarning().noquote() << QStringLiteral(
                                    "Trying to hide and clear lineEdit with index %1 while "
                                    "there are only %2")
                                    .arg(k)
                                    .arg(distances);
        return;
    }
    qDebug().noquote() << "Removing last element from arrays at index" << k
                       << "min:" << subclass.get_number_of_min_distances()
                       << "max:" << subclass.get_number_of_max_distances()
                       << "weight:" << subclass.get_number_of_max_axle_weights()
                       << "tyres:" << subclass.get_number_of_tyre_types();
    // Every entry from the row's own index on goes, not just the last one:
    // the lists may carry spare entries beyond the row, and dropping only the
    // last would leave this row's value behind, counted in the sums and shown
    // again as if typed when the row comes back.
    for (const AxleRow &row : AxleRow::all())
        if (row.removeLast)
            while ((subclass.*row.count)() > row.position(k) - 1)
                (subclass.*row.removeLast)();
    showAxleSums(subclass);
}

void Tarveo::resetAxleRows() {
    // The first axle's widgets stay; only their content goes.
    for (const AxleRow &row : AxleRow::all()) {
        if (row.offset == 0)
            continue;
        QWidget *first = RowWidgets::at(ui->*row.frame, 1);
        if (auto *edit = qobject_cast<QLineEdit *>(first))
            edit->clear();
        else if (auto *box = qobject_cast<QCheckBox *>(first))
            box->setChecked(false);
    }
    const int distanceEdits = RowWidgets::count(ui->frameMinAxleDists);
    for (int k = 1; k <= distanceEdits; ++k)
        hideAxleRowWidgets(k);
    // The constraint rows on screen belong to the subclass shown before; all
    // three kinds go, or editing one would write into this subclass's lists
    // at indices it does not have.
    for (QFrame *frame : {ui->frameCombinedWeightConstraints, ui->frameAdsl, ui->frameAwsl})
        for (int p = 1; p <= RowWidgets::count(frame); ++p)
            if (auto *edit = qobject_cast<QLineEdit *>(RowWidgets::at(frame, p))) {
                edit->clear();
                edit->hide();
            }
}

void Tarveo::validateAxleRow(const Subclass &subclass, int k) {
    for (const AxleRow &row : AxleRow::all()) {
        if (!row.valid)
            continue;
        const int position = row.position(k);
        setFieldState(lineEditAt(ui->*row.frame, position), row.valid(subclass, position - 1, conf),
                      row.invalidTip ? this->*row.invalidTip : QString());
    }
}

QLineEdit *Tarveo::lineEditAt(QFrame *frame, int position) {
    if (auto *edit = qobject_cast<QLineEdit *>(RowWidgets::at(frame, position)))
        return edit;
    qWarning().noquote() << "Failed to convert to lineEdit for frame"
                         << (frame ? frame->objectName() : QString()) << "at index" << position;
    return nullptr;
}

void Tarveo::showAxleSums(const Subclass &subclass) {
    for (const AxleRow &row : AxleRow::all())
        if (row.sumLabel)
            (ui->*row.sumLabel)->setText(formatSum((subclass.*row.sum)(), row.isWeight()));
}

void Tarveo::setUpRowEdit(QLineEdit *edit, bool real, const QString &helpText,
                          const QString &name) {
    edit->setMaximumWidth(RowEditMaxWidth);
    if (real)
        edit->setValidator(NumberValidators::real(edit));
    else
        edit->setValidator(NumberValidators::integer(edit));
    edit->setStatusTip(helpText);
    edit->setObjectName(name);
    connect(edit, &QLineEdit::textEdited, this, &Tarveo::textChanged);
}

void Tarveo::fillAxleRows(const Subclass &subclass, int n) {
    for (int index = 0; index < n; ++index) {
        const int position = index + 1;
        for (const AxleRow &row : AxleRow::all()) {
            // The last axle has no distance after it.
            if (row.offset == 0 && position == n)
                continue;
            QFrame *frame = ui->*row.frame;
            switch (row.content) {
            case AxleRow::Content::Length:
            case AxleRow::Content::Weight:
                setConvertedText(lineEditAt(frame, position), (subclass.*row.get)(index),
                                 row.isWeight(), row.valid(subclass, index, conf));
                break;
            case AxleRow::Content::Selection:
                if (auto *box = qobject_cast<QCheckBox *>(RowWidgets::at(frame, position)))
                    box->setChecked(false);
                break;
            case AxleRow::Content::TyreType:
                if (QLineEdit *edit = lineEditAt(frame, position)) {
                    edit->setText((subclass.*row.get)(index));
                    setFieldState(edit, row.valid(subclass, index, conf), this->*row.invalidTip);
                }
                break;
            }
        }
    }
}

void Tarveo::axleRowEdited(QLineEdit *sender, QFrame *frame, int index, Subclass &subclass) {
    const AxleRow *row = AxleRow::byFrame(*this, frame);
    if (!row || !row->isEdit())
        return;
    const QString value = row->content == AxleRow::Content::TyreType
                              ? sender->text()
                              : editToFileText(sender, row->isWeight());
    (subclass.*row->set)(value, index);
    if (row->sumLabel)
        (ui->*row->sumLabel)->setText(formatSum((subclass.*row->sum)(), row->isWeight()));
    const auto mark = [&](const AxleRow &marked, QLineEdit *edit) {
        setFieldState(edit, marked.valid(subclass, index, conf),
                      marked.invalidTip ? this->*marked.invalidTip : QString());
    };
    const bool number = row->content != AxleRow::Content::TyreType;
    if (!number || !markTooLarge(sender, row->isWeight()))
        mark(*row, sender);
    // A minimum and a maximum distance are judged against each other.
    if (row->partner >= 0) {
        const AxleRow &partner = AxleRow::all()[row->partner];
        mark(partner, lineEditAt(ui->*partner.frame, index + 1));
    }
}
