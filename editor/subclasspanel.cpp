// The subclass panel: which subclass is displayed, how it is shown, and the
// creation, deletion and copying of subclasses.
#include "editor/subclasslookup.h"
#include "editor/tarveo.h"
#include "model/filekeys.h"
#include "model/numbers.h"
#include "ui_tarveo.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString StyleNeutral = QStringLiteral("QLineEdit {background-color: white}");
const char *const TextButtonNew = QT_TRANSLATE_NOOP("Tarveo", "New");
const char *const TextButtonDelete = QT_TRANSLATE_NOOP("Tarveo", "Delete");
const char *const TipButtonNew = QT_TRANSLATE_NOOP(
    "Tarveo", "Used to create a new subclass with corresponding subclass number.");
const char *const TipButtonDelete = QT_TRANSLATE_NOOP(
    "Tarveo", "Used to delete the existing subclass with coresponding subclass number.");

constexpr Qt::MatchFlags ExactMatch = Qt::MatchExactly | Qt::MatchCaseSensitive;
} // namespace

void Tarveo::on_comboBoxSubclasses_currentIndexChanged(QString arg1) {
    if (ui->comboBoxSubclasses->count() == 0)
        return;
    const QString number = SubclassLookup::numberText(arg1);
    ui->lineEditSubclass->setText(number);
    ui->labelSubclassLarge->setText(number);
    Subclass *shown = currentSubclass();
    if (!shown)
        return;
    Subclass &subclass = *shown;

    for (auto [edit, text] : {std::pair{ui->lineEditOverrideClass, subclass.get_override_class()},
                              std::pair{ui->lineEditOverrideGroups, subclass.get_override_groups()},
                              std::pair{ui->lineEditAlias, subclass.get_alias()}}) {
        edit->setText(text);
        setFieldState(edit, true, QString());
    }
    ui->lineEditCategory->setText(subclass.get_category());
    setFieldState(ui->lineEditCategory, subclass.is_category_valid(), QString());
    ui->lineEditConfString->setText(subclass.get_axle_configuration());
    setFieldState(ui->lineEditConfString, subclass.is_axle_configuration_valid(), tipAxleConf);
    // Builds or hides the axle rows for the count before they are filled.
    ui->lineEditNumOfAxles->setText(subclass.get_number_of_axles());
    setFieldState(ui->lineEditNumOfAxles, subclass.is_number_of_axles_valid(), tipNumOfAxles);
    setConvertedText(ui->lineEditMaxGrossWeight, subclass.get_max_GVW(), true,
                     subclass.is_max_GVW_valid());
    setConvertedText(ui->lineEditPrepend, subclass.get_prepend(), false, true);
    setConvertedText(ui->lineEditAppend, subclass.get_append(), false, true);
    showConstraint(ui->lineEditTotalDistanceConstraint, subclass.get_adsl_0(), true,
                   FileKeys::Adsl0);
    showConstraint(ui->lineEditTotalWeightConstraint, subclass.get_awsl_0(), true,
                   FileKeys::Awsl0);

    // Every part of the panel shows this subclass, whatever its axle count:
    // nothing of the subclass shown before may stay where typing would store
    // it into this one.
    const int axles = displayedAxles();
    if (axles < Subclass::MinAxles) {
        resetAxleRows();
    } else {
        showAxleRowsFor(subclass, axles);
        fillAxleRows(subclass, axles);
    }
    showAxleSums(subclass);
    showConstraintRows(subclass);

    struct Reclass {
        QLineEdit *limit;
        QString limitText;
        QLineEdit *target;
        QString targetText;
        bool (Subclass::*check)(const QString &) const;
    };
    for (const Reclass &reclass :
         {Reclass{ui->lineEditReclassUpGvw, subclass.get_upper_GVW_limit(), ui->lineEditReclassUpTo,
                  subclass.get_reclassify_up_to_subclass(),
                  &Subclass::is_reclassify_up_to_subclass_valid},
          Reclass{ui->lineEditReclassDownGvw, subclass.get_lower_GVW_limit(),
                  ui->lineEditReclassDownTo, subclass.get_reclassify_down_to_subclass(),
                  &Subclass::is_reclassify_down_to_subclass_valid}}) {
        setConvertedText(reclass.limit, reclass.limitText, true, true);
        reclass.target->setText(reclass.targetText);
        const QString targetAxles = SubclassLookup::shownTargetAxles(conf, reclass.targetText);
        setFieldState(reclass.target, (subclass.*reclass.check)(targetAxles), tipReclassTarget);
    }
    // Clears the views when the subclass cannot be drawn.
    redrawVehicle(subclass);
}

void Tarveo::on_lineEditSubclass_textChanged(QString arg1) {
    const int row = ui->comboBoxSubclasses->findText(SubclassLookup::entry(arg1), ExactMatch);
    if (row < 0) {
        setFieldState(ui->lineEditSubclass, false, tipSubclassMissing);
        ui->buttonSubclass->setText(tr(TextButtonNew));
        ui->buttonSubclass->setStatusTip(tr(TipButtonNew));
        return;
    }
    // Marked first: the display that follows works on the subclass it names.
    setFieldState(ui->lineEditSubclass, true, QString());
    ui->comboBoxSubclasses->setCurrentIndex(row);
    ui->buttonSubclass->setText(tr(TextButtonDelete));
    ui->buttonSubclass->setStatusTip(tr(TipButtonDelete));
}

void Tarveo::on_buttonSubclass_clicked() {
    const QString numberText = ui->lineEditSubclass->text();
    bool isNumber = false;
    const quint32 number = numberText.toUInt(&isNumber, 10);

    if (ui->buttonSubclass->text() == tr(TextButtonDelete)) {
        conf.remove_subclass(number);
        judgements.update(conf, number);
        const int invalidRow =
            ui->comboBoxInvalid->findText(ui->comboBoxSubclasses->currentText(), ExactMatch);
        if (invalidRow >= 0) {
            ui->comboBoxInvalid->removeItem(invalidRow);
            showInvalidListState();
        }
        ui->comboBoxSubclasses->removeItem(ui->comboBoxSubclasses->currentIndex());
        // With the last subclass gone the number names nothing any more: the
        // field turns red and the button offers New again.
        on_lineEditSubclass_textChanged(ui->lineEditSubclass->text());
        return;
    }

    // An empty or partial number ("-") would create a subclass whose entry
    // carries no number and can never be selected again.
    if (!isNumber)
        return;
    // A number written with leading zeros ("07") is not listed as such but
    // names an existing subclass, which New must not overwrite: show it.
    if (conf.has_subclass(number)) {
        ui->lineEditSubclass->setText(QString::number(number));
        return;
    }
    Subclass created(QMap<QString, QString>{{QStringLiteral("subclass"), numberText}});
    created.set_category(ui->lineEditUnclassified->text());
    conf.insert_subclass(number, created);
    judgements.update(conf, number);
    setFieldState(ui->lineEditSubclass, conf.has_subclass(number), QString());

    const QString entry = SubclassLookup::entry(number);
    ui->comboBoxSubclasses->addItem(entry);
    ui->comboBoxInvalid->addItem(entry); // a fresh subclass is incomplete
    showInvalidListState();
    ui->comboBoxSubclasses->setCurrentIndex(ui->comboBoxSubclasses->count() - 1);
    if (ui->comboBoxSubclasses->count() == 1) {
        ui->labelInvalid->setText(textInvalidSubclasses);
        for (QWidget *widget : {static_cast<QWidget *>(ui->comboBoxInvalid),
                                static_cast<QWidget *>(ui->frameSubclassBottom),
                                static_cast<QWidget *>(ui->groupBoxReclassify),
                                static_cast<QWidget *>(ui->frameMiddle)})
            widget->show();
    }
    constexpr int FirstAxle = 1;
    setFieldState(lineEditAt(ui->frameTyreTypes, FirstAxle), false, QString());
    setFieldState(lineEditAt(ui->frameMaxAxleWeightsEdits, FirstAxle), false, QString());
    ui->buttonSubclass->setText(tr(TextButtonDelete));
    ui->buttonSubclass->setStatusTip(tr(TipButtonDelete));
    clearVehicleDrawings();
}

void Tarveo::on_lineEditCopy_textEdited(QString arg1) {
    if (arg1.isEmpty()) {
        ui->lineEditCopy->setStyleSheet(StyleNeutral);
        ui->buttonCopy->setEnabled(false);
        return;
    }
    const bool free = !conf.has_subclass(Numbers::asUnsigned(arg1));
    setFieldState(ui->lineEditCopy, free, tipCopyExists);
    ui->buttonCopy->setEnabled(free);
}

void Tarveo::on_buttonCopy_clicked() {
    const Subclass *shown = currentSubclass();
    bool isNumber = false;
    const quint32 target = ui->lineEditCopy->text().toUInt(&isNumber, 10);
    // The button is enabled for a free target, but the target field may have
    // been emptied by Open, or may hold a partial number ("-"), and the
    // source may have been deleted or the number field left red since.
    if (!isNumber || !shown || conf.has_subclass(target))
        return;
    const quint32 source = shown->get_number();

    Subclass copy = *shown;
    copy.set_number(target);
    conf.insert_subclass(target, copy);
    judgements.update(conf, target);

    ui->comboBoxSubclasses->addItem(SubclassLookup::entry(target));
    if (ui->comboBoxInvalid->findText(SubclassLookup::entry(source), ExactMatch) >= 0) {
        ui->comboBoxInvalid->addItem(SubclassLookup::entry(target));
        showInvalidListState();
    }
    ui->buttonCopy->setEnabled(false);
    setFieldState(ui->lineEditCopy, false, QString());
    ui->comboBoxSubclasses->setCurrentIndex(ui->comboBoxSubclasses->count() - 1);
}

void Tarveo::on_comboBoxInvalid_activated(QString arg1) {
    const int row = ui->comboBoxSubclasses->findText(arg1, ExactMatch);
    if (row >= 0)
        ui->comboBoxSubclasses->setCurrentIndex(row);
}
