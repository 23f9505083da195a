// The File menu: New, Open and Save move the document between the form and
// a .conf file.
#include "editor/rowwidgets.h"
#include "editor/subclasslist.h"
#include "editor/subclasslookup.h"
#include "editor/tarveo.h"
#include "ui_tarveo.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <utility>

namespace {

const char *const CaptionSave = QT_TRANSLATE_NOOP("Tarveo", "Save as");
const char *const CaptionOpen = QT_TRANSLATE_NOOP("Tarveo", "Open file");
const char *const FilterConf = QT_TRANSLATE_NOOP("Tarveo", "Configuration (*.conf)");
const QString SuffixConf = QStringLiteral("conf");

const char *const TitleCouldNotSave = QT_TRANSLATE_NOOP("Tarveo", "Could not save configuration");
const char *const TextNewInvalid = QT_TRANSLATE_NOOP(
    "Tarveo",
    "Please make sure required (red) fields are filled before creating a new configuration.");
const char *const TextWriteFailed =
    QT_TRANSLATE_NOOP("Tarveo", "The configuration could not be written to %1:\n%2");

const char *const TitleCouldNotOpen = QT_TRANSLATE_NOOP("Tarveo", "Could not open configuration");
const char *const TextOpenFailed =
    QT_TRANSLATE_NOOP("Tarveo", "The file %1 could not be read: %2.\nNothing was changed.");
const char *const TitleReadStopped = QT_TRANSLATE_NOOP("Tarveo", "Configuration read only in part");
const char *const TextReadStopped =
    QT_TRANSLATE_NOOP("Tarveo", "Reading %1 stopped at line %2, which has no \"=\":\n%3\n"
                                "The rest of the file was not read.");

const char *const TitleDuplicates = QT_TRANSLATE_NOOP("Tarveo", "Duplicate subclasses found!");
const char *const TextDuplicates = QT_TRANSLATE_NOOP(
    "Tarveo", "At least one duplicated subclass found. Do you wish to continue saving?");
const char *const TitleMissing =
    QT_TRANSLATE_NOOP("Tarveo", "Vital information missing in one or more subclasses!");
const char *const TextMissing = QT_TRANSLATE_NOOP(
    "Tarveo", "Missing data found in subclass %1\nPlease make sure all of the following fields "
              "are valid:\nCategory\nNumber of axles\nMax. gross weight\nAxle configuration\n"
              "and all fields dependant on number of axles.");
const char *const TextUnwritable = QT_TRANSLATE_NOOP(
    "Tarveo", "%1 holds a value that a configuration file cannot carry as it stands: the file "
              "would not open again as it was saved.\nPlease correct it before saving.");

const char *const TitleUnsaved = QT_TRANSLATE_NOOP("Tarveo", "Unsaved changes");
const char *const TextUnsaved =
    QT_TRANSLATE_NOOP("Tarveo", "The classification has unsaved changes.");
const char *const TitleHeaderInvalid = QT_TRANSLATE_NOOP("Tarveo", "Header invalid!");
const char *const TextHeaderInvalid =
    QT_TRANSLATE_NOOP("Tarveo", "Please make sure all required fields are filled and valid.");

// The widgets are the toolkit's own so that they look the same everywhere;
// an empty result means the user cancelled.
QString askFileName(QWidget *parent, QFileDialog::AcceptMode mode) {
    const bool saving = mode == QFileDialog::AcceptSave;
    QFileDialog dialog(parent, Tarveo::tr(saving ? CaptionSave : CaptionOpen), QString(),
                       Tarveo::tr(FilterConf));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (saving)
        dialog.setDefaultSuffix(SuffixConf);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

void warn(const char *title, const QString &text) {
    QMessageBox::warning(nullptr, Tarveo::tr(title), text);
}

} // namespace

void Tarveo::menuNewClicked() {
    // New carries the header fields into the new document; only edits of the
    // subclasses would be lost.
    if (!maybeSave(UnsavedScope::Subclasses))
        return;
    // The new document is built aside: a refusal or a cancelled dialog must
    // leave the current document and the form as they are.
    Conf previous = std::exchange(conf, Conf());
    copyHeaderToConf();
    Conf fresh = std::exchange(conf, std::move(previous));

    if (!fresh.is_valid().valid) {
        warn(TitleCouldNotSave, tr(TextNewInvalid));
        return;
    }
    const QString path = askFileName(this, QFileDialog::AcceptSave);
    if (path.isEmpty() || !writeDocument(fresh, path))
        return;

    conf = std::move(fresh);
    savedDocument = conf;
    judgements.judgeAll(conf);
    setWindowTitle(titleBase + QLatin1Char(' ') + path);
    clearAndHideSubclassPanel();
    ui->groupBoxSubclass->show();
    ui->frameSubclassBottom->hide();
    ui->comboBoxSubclasses->clear();
    ui->comboBoxInvalid->clear();
    ui->comboBoxInvalid->hide();
    ui->labelInvalid->setText(textSubclassesValid);
    clearVehicleDrawings();
}

void Tarveo::menuOpenClicked() {
    if (!maybeSave(UnsavedScope::Document))
        return;
    const QString path = askFileName(this, QFileDialog::AcceptOpen);
    if (!path.isEmpty())
        openFile(path);
}

void Tarveo::openFile(const QString &path) {
    Conf read(path, this);
    const ConfReadOutcome outcome = read.get_read_outcome();
    if (!outcome.opened) {
        warn(TitleCouldNotOpen,
             tr(TextOpenFailed).arg(QDir::toNativeSeparators(path), outcome.failure));
        return;
    }
    setWindowTitle(titleBase + QLatin1Char(' ') + path);
    conf = std::move(read);
    savedDocument = conf;
    judgements.judgeAll(conf);

    for (QLineEdit *edit :
         {ui->lineEditSubclass, ui->lineEditOverrideClass, ui->lineEditOverrideGroups,
          ui->lineEditAlias, ui->lineEditCopy, ui->lineEditCategory, ui->lineEditNumOfAxles,
          ui->lineEditMaxGrossWeight, ui->lineEditConfString, ui->lineEditAppend,
          ui->lineEditPrepend, ui->lineEditTotalDistanceConstraint,
          ui->lineEditTotalWeightConstraint})
        edit->setText(QString());
    ui->comboBoxSubclasses->clear();
    ui->comboBoxInvalid->clear();
    // Also takes the gravitational constant of the file as the tonne factor.
    fillHeader();

    // All entries at once, none current yet: the first is displayed below.
    subclassEntries->setNumbers(conf.get_subclass_numbers());
    refreshInvalidList();

    if (ui->comboBoxSubclasses->count() > 0) {
        for (QWidget *panel : {static_cast<QWidget *>(ui->groupBoxSubclass),
                               static_cast<QWidget *>(ui->frameSubclassBottom),
                               static_cast<QWidget *>(ui->groupBoxReclassify),
                               static_cast<QWidget *>(ui->frameMiddle)})
            panel->show();
        if (ui->comboBoxSubclasses->currentIndex() == 0)
            on_comboBoxSubclasses_currentIndexChanged(ui->comboBoxSubclasses->currentText());
        else
            ui->comboBoxSubclasses->setCurrentIndex(0);
    }

    constexpr int FirstAxle = 1;
    for (QFrame *row :
         {ui->frameMaxAxleWeightsEdits, ui->frameMaxAxleWeightsBoxes, ui->frameTyreTypes})
        if (QWidget *widget = RowWidgets::at(row, FirstAxle))
            widget->show();

    if (!outcome.readWhole())
        warn(TitleReadStopped, tr(TextReadStopped)
                                   .arg(QDir::toNativeSeparators(path))
                                   .arg(outcome.stopLine)
                                   .arg(outcome.stopText));
}

void Tarveo::menuSaveClicked() {
    saveDocument();
}

bool Tarveo::saveDocument() {
    if (!saveChecksPass())
        return false;
    const QString path = askFileName(this, QFileDialog::AcceptSave);
    if (path.isEmpty() || !writeDocument(conf, path))
        return false;
    savedDocument = conf;
    return true;
}

bool Tarveo::isModified(UnsavedScope scope) const {
    // What Save would write differs from what was last opened, created or
    // saved: an edit typed and undone again is no change.
    if (scope == UnsavedScope::Subclasses)
        return conf.subclasses_to_string() != savedDocument.subclasses_to_string();
    return conf.to_string() != savedDocument.to_string();
}

bool Tarveo::maybeSave(UnsavedScope scope) {
    if (!isModified(scope))
        return true;
    const auto answer =
        QMessageBox::warning(nullptr, tr(TitleUnsaved), tr(TextUnsaved),
                             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return saveDocument();
    return answer == QMessageBox::Discard;
}

void Tarveo::closeEvent(QCloseEvent *event) {
    if (maybeSave(UnsavedScope::Document))
        event->accept();
    else
        event->ignore();
}

bool Tarveo::saveChecksPass() {
    const QString pair = conf.find_duplicate_subclasses();
    if (!pair.isEmpty()) {
        const auto answer = QMessageBox::warning(nullptr, tr(TitleDuplicates),
                                                 tr(TextDuplicates) + QLatin1Char(' ') + pair,
                                                 QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return false;
    }
    const ConfValidity validity = conf.is_valid();
    if (validity.valid) {
        const Conf::UnwritableValue unwritable = conf.find_unwritable();
        if (!unwritable.found)
            return true;
        warn(TitleCouldNotSave, tr(TextUnwritable).arg(describeValue(unwritable)));
        return false;
    }
    if (validity.number != 0)
        warn(TitleMissing, tr(TextMissing).arg(validity.number));
    else
        warn(TitleHeaderInvalid, tr(TextHeaderInvalid));
    return false;
}

bool Tarveo::writeDocument(const Conf &document, const QString &path) {
    QString reason;
    if (document.write_to_file(path, &reason))
        return true;
    warn(TitleCouldNotSave, tr(TextWriteFailed).arg(QDir::toNativeSeparators(path), reason));
    return false;
}
