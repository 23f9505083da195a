// The constraint editor: combined axle constraints built from the ticked
// axles, shown one per row in the frame of their kind, edited and deleted in
// place; and the conversions of constraint values between document and
// display form.
#include "editor/rowwidgets.h"
#include "editor/tarveo.h"
#include "model/filekeys.h"
#include "model/numbers.h"
#include "ui_tarveo.h"

#include <QCheckBox>
#include <QDebug>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <array>

namespace {


// Shown widths of the row edits, sized to a typical value of each kind.
constexpr int DefaultRowWidth = 90;
constexpr int AdslRowWidth = 115;
constexpr int AwslRowWidth = 150;
// Constraint values are shown with one decimal, the combined weight of the
// default kind with two.
constexpr int ConstraintDecimals = 1;
constexpr int CombinedWeightDecimals = 2;
// A combined constraint joins at least two axles.
constexpr int MinConstraintAxles = 2;
constexpr int AppendIndex = -1;

const char *const TitleCannotAdd = QT_TRANSLATE_NOOP("Tarveo", "Cannot add a new constraint");
const char *const TextTooFewAxles =
    QT_TRANSLATE_NOOP("Tarveo", "Make sure you have at least two checkboxes selected and there "
                                "is a viable value in the adjacent field.");
const char *const TextDistanceBounds =
    QT_TRANSLATE_NOOP("Tarveo", "Upper and lower text boxes must contain a constraint (float).");
const char *const TextWeightBounds =
    QT_TRANSLATE_NOOP("Tarveo", "Upper and lower text boxes must contain constraint (float) "
                                "and class (int) separated with a comma.");

void cannotAdd(const char *text) {
    QMessageBox box(QMessageBox::Information, Tarveo::tr(TitleCannotAdd), Tarveo::tr(text));
    box.exec();
}

// Splits text into exactly two parts at separator; a text that does not
// split so is logged (an empty one silently) and refused.
bool splitInTwo(const QString &text, QChar separator, const char *separatorName, QString *first,
                QString *second) {
    const QStringList parts = text.split(separator);
    if (parts.size() != 2) {
        if (!text.isEmpty())
            qWarning().noquote()
                << QStringLiteral("Failed to split %1 on %2!").arg(text, separatorName);
        return false;
    }
    *first = parts.at(0);
    *second = parts.at(1);
    return true;
}

} // namespace

// The conversions of constraint values between document and display form,
// in the window's units.
struct Tarveo::ConstraintText {
    static QString convertNumber(const Tarveo &window, const QString &number, bool isWeight,
                                 Direction direction) {
        if (direction == Direction::ToDocument)
            return window.displayToFileText(number, isWeight);
        return Numbers::fixed(window.fileToDisplay(number, isWeight), ConstraintDecimals);
    }

    // "lower,upper", two lengths.
    static QString convertLengthBounds(const Tarveo &window, const QString &text,
                                       Direction direction) {
        QString lower, upper;
        if (!splitInTwo(text, ',', "comma", &lower, &upper) || !window.isValidFloat(lower) ||
            !window.isValidFloat(upper))
            return {};
        return convertNumber(window, lower, false, direction) + ',' +
               convertNumber(window, upper, false, direction);
    }

    // "weight,class"; the class is a plain integer and never converted.
    static QString convertWeightClass(const Tarveo &window, const QString &text,
                                      Direction direction) {
        QString weight, vehicleClass;
        if (!splitInTwo(text, ',', "commas", &weight, &vehicleClass) ||
            !window.isValidFloat(weight) || !window.isValidInt(vehicleClass))
            return {};
        return convertNumber(window, weight, true, direction) + ',' + vehicleClass;
    }

    // "weight,class;weight,class".
    static QString convertWeightBounds(const Tarveo &window, const QString &text,
                                       Direction direction) {
        QString lowerText, upperText;
        if (!splitInTwo(text, ';', "semicolon", &lowerText, &upperText))
            return {};
        const QString lower = convertWeightClass(window, lowerText, direction);
        if (lower.isEmpty())
            return {};
        const QString upper = convertWeightClass(window, upperText, direction);
        if (upper.isEmpty())
            return {};
        return lower + ';' + upper;
    }

    // The "default" kind: "axles,weight". Shown with whatever follows the first
    // comma converted; stored only when it splits cleanly and the weight converts.
    static QString combinedWeightToDisplay(Tarveo &window, const QString &text) {
        const QStringList parts = text.split(',');
        if (parts.size() < 2)
            return text;
        return parts.at(0) + ',' +
               Numbers::fixed(window.fileToDisplay(parts.at(1), true), CombinedWeightDecimals);
    }

    static QString combinedWeightToDocument(Tarveo &window, const QString &text) {
        const QStringList parts = text.split(',');
        if (parts.size() != 2)
            return {};
        const QString weight = window.displayToFileText(parts.at(1), true);
        return weight.isEmpty() ? QString() : parts.at(0) + ',' + weight;
    }
};

// One kind of combined constraint and everything the editor does differently
// for it.
struct Tarveo::ConstraintKind {
    const QString *type;
    const QString Tarveo::*selectorText;
    QFrame *Ui_Tarveo::*frame;
    qint32 Tarveo::*rowCount;
    int rowWidth;
    const QString Tarveo::*invalidTip;
    bool boundFields; // entered in the lower and upper fields, not the single one
    QString (*toDisplay)(Tarveo &, const QString &);
    QString (*toDocument)(Tarveo &, const QString &);
    // What follows the axle list in a new value, from the add fields; empty
    // when they hold nothing usable.
    QString (*fromAddFields)(Tarveo &);
    const char *addFieldsProblem;

    static const std::array<ConstraintKind, 3> &all();
    static const ConstraintKind *byType(const QString &type);
    static const ConstraintKind *byFrame(const Tarveo &window, const QFrame *frame);
    // The kind chosen by a selector entry; anything unknown is the default kind.
    static const ConstraintKind &bySelector(const Tarveo &window, const QString &text);
};

const std::array<Tarveo::ConstraintKind, 3> &Tarveo::ConstraintKind::all() {
    static const std::array<ConstraintKind, 3> kinds = {{
        {&ConstraintType::Default, &Tarveo::textOriginal,
         &Ui_Tarveo::frameCombinedWeightConstraints, &Tarveo::constraintRowsDefault,
         DefaultRowWidth, &Tarveo::tipCombinedWeight, false,
         ConstraintText::combinedWeightToDisplay, ConstraintText::combinedWeightToDocument,
         [](Tarveo &w) {
             // The typed weight is not checked here: a row that shows red says it.
             return ',' + w.displayToFileText(w.ui->lineEditAddConstraint->text(), true);
         },
         nullptr},
        {&ConstraintType::Adsl, &Tarveo::textDistance, &Ui_Tarveo::frameAdsl,
         &Tarveo::constraintRowsAdsl, AdslRowWidth, &Tarveo::tipConsultRefman, true,
         [](Tarveo &w, const QString &text) {
             return w.convertDistanceConstraint(text, Direction::ToDisplay);
         },
         [](Tarveo &w, const QString &text) {
             return w.convertDistanceConstraint(text, Direction::ToDocument);
         },
         [](Tarveo &w) {
             const QString lower = w.ui->lineEditAddLowerConstraint->text();
             const QString upper = w.ui->lineEditAddUpperConstraint->text();
             if (!w.isValidFloat(lower) || !w.isValidFloat(upper))
                 return QString();
             return ':' + w.displayToFileText(lower, false) + ',' +
                    w.displayToFileText(upper, false);
         },
         TextDistanceBounds},
        {&ConstraintType::Awsl, &Tarveo::textWeight, &Ui_Tarveo::frameAwsl,
         &Tarveo::constraintRowsAwsl, AwslRowWidth, &Tarveo::tipConsultRefman, true,
         [](Tarveo &w, const QString &text) {
             return w.convertWeightConstraint(text, Direction::ToDisplay);
         },
         [](Tarveo &w, const QString &text) {
             return w.convertWeightConstraint(text, Direction::ToDocument);
         },
         [](Tarveo &w) {
             const QString lower = ConstraintText::convertWeightClass(
                 w, w.ui->lineEditAddLowerConstraint->text(), Direction::ToDocument);
             if (lower.isEmpty())
                 return QString();
             const QString upper = ConstraintText::convertWeightClass(
                 w, w.ui->lineEditAddUpperConstraint->text(), Direction::ToDocument);
             if (upper.isEmpty())
                 return QString();
             return ':' + lower + ';' + upper;
         },
         TextWeightBounds},
    }};
    return kinds;
}

const Tarveo::ConstraintKind *Tarveo::ConstraintKind::byType(const QString &type) {
    for (const ConstraintKind &kind : all())
        if (*kind.type == type)
            return &kind;
    return nullptr;
}

const Tarveo::ConstraintKind *Tarveo::ConstraintKind::byFrame(const Tarveo &window,
                                                              const QFrame *frame) {
    for (const ConstraintKind &kind : all())
        if (window.ui->*kind.frame == frame)
            return &kind;
    return nullptr;
}

const Tarveo::ConstraintKind &Tarveo::ConstraintKind::bySelector(const Tarveo &window,
                                                                 const QString &text) {
    for (const ConstraintKind &kind : all())
        if (window.*kind.selectorText == text)
            return kind;
    return all().front();
}

QString Tarveo::convertTotalDistance(const QString &text, Direction direction) {
    return ConstraintText::convertLengthBounds(*this, text, direction);
}

QString Tarveo::convertDistanceConstraint(const QString &text, Direction direction) {
    QString axles, bounds;
    if (!splitInTwo(text, ':', "colon", &axles, &bounds))
        return {};
    const QString converted = ConstraintText::convertLengthBounds(*this, bounds, direction);
    return converted.isEmpty() ? QString() : axles + ':' + converted;
}

QString Tarveo::convertTotalWeight(const QString &text, Direction direction) {
    return ConstraintText::convertWeightBounds(*this, text, direction);
}

QString Tarveo::convertWeightConstraint(const QString &text, Direction direction) {
    QString axles, bounds;
    if (!splitInTwo(text, ':', "colon", &axles, &bounds))
        return {};
    const QString converted = ConstraintText::convertWeightBounds(*this, bounds, direction);
    if (converted.isEmpty())
        return {};
    const QString result = axles + ':' + converted;
    qDebug().noquote() << "Final awsl: " + result;
    return result;
}

void Tarveo::showConstraint(QLineEdit *edit, const QString &text, bool valid, const QString &kind) {
    QString shown;
    if (kind == FileKeys::Adsl0)
        shown = convertTotalDistance(text, Direction::ToDisplay);
    else if (kind == FileKeys::Awsl0)
        shown = convertTotalWeight(text, Direction::ToDisplay);
    else if (const ConstraintKind *rowKind = ConstraintKind::byType(kind))
        shown = rowKind->toDisplay(*this, text);
    else
        return;
    if (edit)
        showText(edit, shown);
    setFieldState(edit, valid, QString());
}

QLineEdit *Tarveo::setUpConstraintEdit(const QString &kind, const QString &name) {
    const ConstraintKind *rowKind = ConstraintKind::byType(kind);
    if (!rowKind) {
        qWarning().noquote() << "No constraint rows of kind" << kind;
        return nullptr;
    }
    auto *edit = new QLineEdit(this);
    edit->setMaximumWidth(rowKind->rowWidth);
    edit->setStatusTip(tipRemoveConstraint);
    edit->setObjectName(name);
    connect(edit, &QLineEdit::textEdited, this, &Tarveo::textChanged);
    (ui->*rowKind->frame)->layout()->addWidget(edit);
    edit->show();
    ++(this->*rowKind->rowCount);
    return edit;
}

void Tarveo::on_comboBoxAddConstraint_currentTextChanged(QString selected_constraint) {
    const ConstraintKind &kind = ConstraintKind::bySelector(*this, selected_constraint);
    currentConstraintFrame = ui->*kind.frame;
    if (kind.boundFields)
        ui->lineEditAddConstraint->clear();
    else {
        ui->lineEditAddLowerConstraint->clear();
        ui->lineEditAddUpperConstraint->clear();
    }
    ui->lineEditAddConstraint->setVisible(!kind.boundFields);
    ui->lineEditAddLowerConstraint->setVisible(kind.boundFields);
    ui->lineEditAddUpperConstraint->setVisible(kind.boundFields);
}

void Tarveo::on_buttonAddConstraint_clicked() {
    QFrame *boxFrame = ui->frameMaxAxleWeightsBoxes;
    const int positions = boxFrame->layout()->count();
    QString axles;
    int ticked = 0;
    for (int position = 1; position < positions; ++position) {
        auto *box = qobject_cast<QCheckBox *>(RowWidgets::at(boxFrame, position));
        if (box && box->isChecked()) {
            axles += QString::number(position) + '+';
            ++ticked;
        }
    }
    if (axles.isEmpty() || ticked < MinConstraintAxles ||
        ui->comboBoxAddConstraint->currentIndex() < 0) {
        cannotAdd(TextTooFewAxles);
        return;
    }

    const ConstraintKind &kind =
        ConstraintKind::bySelector(*this, ui->comboBoxAddConstraint->currentText());
    const QString bounds = kind.fromAddFields(*this);
    if (bounds.isEmpty()) {
        cannotAdd(kind.addFieldsProblem);
        return;
    }
    axles.chop(1); // the trailing "+" gives way to the kind's separator
    const QString &type = *kind.type;

    Subclass *subclass = currentSubclass();
    if (!subclass)
        return;
    subclass->set_constraint_at_index(axles + bounds, AppendIndex, type);
    const int count = subclass->get_number_of_constraints(type);

    QFrame *frame = ui->*kind.frame;
    // Rows above the new one must be this subclass's; when they are not (a
    // subclass displayed without its rows), all of the kind are shown afresh.
    QWidget *above = count > 1 ? RowWidgets::at(frame, count - 1) : nullptr;
    if (count > 1 && (!above || above->isHidden())) {
        showConstraintKindRows(kind, *subclass);
    } else {
        QLineEdit *edit = nullptr;
        if (frame->layout()->count() > count) {
            edit = lineEditAt(frame, count);
            if (edit)
                edit->show();
        } else {
            edit = setUpConstraintEdit(type, QStringLiteral("Constraint%1").arg(count));
        }
        showConstraint(edit, subclass->get_constraint_at_index(count - 1, type),
                       subclass->is_constraint_valid(count - 1, type), type);
    }

    for (int position = 1; position < positions; ++position)
        if (auto *box = qobject_cast<QCheckBox *>(RowWidgets::at(boxFrame, position)))
            box->setChecked(false);
}

void Tarveo::showConstraintRows(const Subclass &subclass) {
    for (const ConstraintKind &kind : ConstraintKind::all()) {
        currentConstraintFrame = ui->*kind.frame;
        showConstraintKindRows(kind, subclass);
    }
}

void Tarveo::showConstraintKindRows(const ConstraintKind &kind, const Subclass &subclass) {
    const QString &type = *kind.type;
    QFrame *frame = ui->*kind.frame;
    const int count = subclass.get_number_of_constraints(type);
    const int made = this->*kind.rowCount;
    for (int row = made + 1; row <= count; ++row)
        setUpConstraintEdit(type, QStringLiteral("%1Constraint%2").arg(type).arg(row));
    for (int position = made; position > count; --position)
        if (QLineEdit *edit = lineEditAt(frame, position)) {
            edit->clear();
            edit->hide();
        }
    for (int position = 1; position <= count; ++position) {
        QLineEdit *edit = lineEditAt(frame, position);
        showConstraint(edit, subclass.get_constraint_at_index(position - 1, type),
                       subclass.is_constraint_valid(position - 1, type), type);
        if (edit)
            edit->show();
    }
}

void Tarveo::constraintRowEdited(QLineEdit *sender, QFrame *frame, int index, Subclass &subclass) {
    const ConstraintKind *kind = ConstraintKind::byFrame(*this, frame);
    if (!kind)
        return;
    const QString &type = *kind->type;
    currentConstraintFrame = frame;

    const QString text = sender->text();
    if (!text.isEmpty()) {
        // Text that does not convert is kept as typed and shows red.
        const QString converted = kind->toDocument(*this, text);
        subclass.set_constraint_at_index(converted.isEmpty() ? text : converted, index, type);
        setFieldState(sender, subclass.is_constraint_valid(index, type), this->*kind->invalidTip);
        return;
    }

    // An emptied row deletes its constraint; the rows below move up one.
    subclass.remove_constraint_at_index(index, type);
    const int positions = frame->layout()->count();
    int row = index;
    for (; row + 2 < positions; ++row) {
        QLineEdit *next = lineEditAt(frame, row + 2);
        if (!next || next->isHidden())
            break;
        QLineEdit *edit = lineEditAt(frame, row + 1);
        if (!edit)
            break;
        edit->setText(next->text());
        setFieldState(edit, subclass.is_constraint_valid(row, type), QString());
    }
    if (QLineEdit *last = lineEditAt(frame, row + 1))
        last->hide();
}
