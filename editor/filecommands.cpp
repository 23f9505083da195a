// The File menu: New, Open and Save move the document between the window
// and a .conf file.
#include "document/confdocument.h"
#include "editor/conffiledialog.h"
#include "editor/editorcontext.h"
#include "editor/recentfiles.h"
#include "editor/tarveo.h"
#include "model/numbers.h"
#include "ui_tarveo.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

using Fields::Id;

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
    QT_TRANSLATE_NOOP("Tarveo", "Reading %1 stopped at line %2, which is neither a key with its "
                                "value nor a section header:\n%3\nThe rest of the file was not "
                                "read.");
const char *const TitleNamedTwice = QT_TRANSLATE_NOOP("Tarveo", "Subclass named twice");
const char *const TextNamedTwice = QT_TRANSLATE_NOOP(
    "Tarveo", "Two sections of %1 name subclass %2: line %3, %4, and line %5, %6. The later "
              "section is the one shown; the earlier is not kept.");
const char *const TitleLatin1 = QT_TRANSLATE_NOOP("Tarveo", "Configuration in Latin-1");
const char *const TextLatin1 =
    QT_TRANSLATE_NOOP("Tarveo", "%1 is not written in UTF-8. It was read as Latin-1, and Save "
                                "writes it in Latin-1 again.");
const char *const TitleOverwrite = QT_TRANSLATE_NOOP("Tarveo", "Save over the file");
const char *const TextOverwriteStopped =
    QT_TRANSLATE_NOOP("Tarveo", "Reading %1 stopped at line %2:\n%3\nSaving over it drops the "
                                "subclass sections from that line on.");
const char *const TextOverwriteNamedTwice = QT_TRANSLATE_NOOP(
    "Tarveo", "%1 names subclass %2 twice, at lines %3 and %4. Saving over it keeps only the "
              "later section.");

const char *const TextRecentGone = QT_TRANSLATE_NOOP(
    "Tarveo", "The file %1 no longer exists. It was taken off the list of recent files.");

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

// The header keys New carries into the new file.
const Id CarriedHeader[] = {
    Id::ClassificationVersion, Id::CountryCode,           Id::GroupMaxDistance,
    Id::Min2AxleTruckSpacing,  Id::MinAvgAxleWeight,      Id::UnclassifiedVehicleSubclass,
    Id::HeaderMaxAxleDistance, Id::HeaderMinAxleDistance, Id::UncategorisedVehicleCategory,
};

void warn(const char *title, const QString &text) {
    QMessageBox::warning(nullptr, Tarveo::tr(title), text);
}

} // namespace

void Tarveo::menuNewClicked() {
    // New carries the header into the new document; only edits of the
    // subclasses would be lost.
    if (!maybeSave(UnsavedScope::Subclasses))
        return;
    // The new document is built aside: a refusal or a cancelled dialog must
    // leave the current document and the window as they are. Its header is
    // the document's, exactly as stored, not as the fields round it.
    const Conf &current = document();
    Conf fresh;
    const DisplayUnits &units = context->units();
    if (current.get_header().contains(Fields::field(Id::GAccelerationConstant).key))
        fresh.set_header_value(Id::GAccelerationConstant, current.get_g_acceleration_constant());
    else if (units.weightUnit() == Tons && !Units::isDefaultG(units.weightFactor()))
        fresh.set_header_value(Id::GAccelerationConstant, Numbers::general(units.weightFactor()));
    for (Id id : CarriedHeader)
        fresh.set_header_value(id, current.get_header_value(id));

    if (!fresh.is_valid().valid || ui->groupBoxHeader->holdsUnstoredText()) {
        warn(TitleCouldNotSave, tr(TextNewInvalid));
        return;
    }
    const QString path = ConfFileDialog::ask(this, QFileDialog::AcceptSave);
    if (path.isEmpty() || !writeDocument(fresh, path))
        return;

    confDocument->replace(std::move(fresh), path);
    recentFiles->add(path);
    context->setCurrent(std::nullopt);
    ui->groupBoxSubclass->showEmptyDocument();
    ui->groupBoxSubclass->show();
    setSubclassPartsVisible(false);
    ui->groupBoxReclassify->clear();
    ui->vehicleViews->clear();
    ui->groupBoxHeader->showDocument(true);
}

void Tarveo::menuOpenClicked() {
    if (!maybeSave(UnsavedScope::Document))
        return;
    const QString path = ConfFileDialog::ask(this, QFileDialog::AcceptOpen);
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
    confDocument->replace(std::move(read), path);
    recentFiles->add(path);
    // The factor of tonnes is this file's g, whatever the last file had.
    takeDocumentG();
    ui->groupBoxReclassify->clear();
    ui->groupBoxHeader->showDocument(true);
    ui->groupBoxSubclass->showDocument();
    if (ui->groupBoxSubclass->hasSubclasses()) {
        ui->groupBoxSubclass->show();
        setSubclassPartsVisible(true);
    } else {
        // Nothing of the last file's subclasses stays on display.
        setSubclassPartsVisible(false);
        ui->vehicleViews->clear();
    }
    ui->axleGrid->showFirstAxle();

    const QString file = QDir::toNativeSeparators(path);
    if (!outcome.readWhole())
        warn(TitleReadStopped,
             tr(TextReadStopped).arg(file).arg(outcome.stopLine).arg(outcome.stopText));
    for (const ConfReadOutcome::DuplicateSection &twice : outcome.duplicateSections)
        warn(TitleNamedTwice, tr(TextNamedTwice)
                                  .arg(file)
                                  .arg(twice.number)
                                  .arg(twice.firstLine)
                                  .arg(twice.firstText)
                                  .arg(twice.laterLine)
                                  .arg(twice.laterText));
    if (outcome.encoding == FileEncoding::Latin1)
        QMessageBox::information(nullptr, tr(TitleLatin1), tr(TextLatin1).arg(file));
}

void Tarveo::menuSaveClicked() {
    saveDocument();
}

void Tarveo::menuSaveAsClicked() {
    saveDocumentAs();
}

bool Tarveo::saveDocument() {
    const QString path = confDocument->filePath();
    if (path.isEmpty())
        return saveDocumentAs();
    return saveChecksPass() && saveTo(path);
}

bool Tarveo::saveDocumentAs() {
    if (!saveChecksPass())
        return false;
    // The dialog starts at the current file, its name filled in.
    const QString path =
        ConfFileDialog::ask(this, QFileDialog::AcceptSave, confDocument->filePath());
    return !path.isEmpty() && saveTo(path);
}

bool Tarveo::saveTo(const QString &path) {
    if (!confirmOverwriteOfPartlyHeld(path) || !writeDocument(document(), path))
        return false;
    confDocument->markSaved(path);
    recentFiles->add(path);
    return true;
}

bool Tarveo::confirmOverwriteOfPartlyHeld(const QString &path) {
    const QString partly = confDocument->partlyHeldFile();
    if (partly.isEmpty() ||
        QFileInfo(partly).canonicalFilePath() != QFileInfo(path).canonicalFilePath())
        return true;
    const ConfReadOutcome &outcome = document().get_read_outcome();
    const QString file = QDir::toNativeSeparators(path);
    QStringList losses;
    if (!outcome.readWhole())
        losses << tr(TextOverwriteStopped).arg(file).arg(outcome.stopLine).arg(outcome.stopText);
    for (const ConfReadOutcome::DuplicateSection &twice : outcome.duplicateSections)
        losses << tr(TextOverwriteNamedTwice)
                      .arg(file)
                      .arg(twice.number)
                      .arg(twice.firstLine)
                      .arg(twice.laterLine);
    QMessageBox box(QMessageBox::Warning, tr(TitleOverwrite), losses.join(QLatin1Char('\n')),
                    QMessageBox::Save | QMessageBox::Cancel);
    box.button(QMessageBox::Save)->setText(tr("&Save"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Save;
}

void Tarveo::openRecent(const QString &path) {
    if (!QFileInfo::exists(path)) {
        warn(TitleCouldNotOpen, tr(TextRecentGone).arg(QDir::toNativeSeparators(path)));
        recentFiles->remove(path);
        return;
    }
    if (maybeSave(UnsavedScope::Document))
        openFile(path);
}

bool Tarveo::maybeSave(UnsavedScope scope) {
    const bool unsaved = scope == UnsavedScope::Subclasses
                             ? confDocument->hasUnsavedSubclassChanges()
                             : confDocument->isModified();
    if (!unsaved)
        return true;
    QMessageBox box(QMessageBox::Warning, tr(TitleUnsaved), tr(TextUnsaved),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    // Alt+S and Alt+D answer from the keyboard.
    box.button(QMessageBox::Save)->setText(tr("&Save"));
    box.button(QMessageBox::Discard)->setText(tr("&Discard"));
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    if (answer == QMessageBox::Save)
        return saveDocument();
    return answer == QMessageBox::Discard;
}

bool Tarveo::saveChecksPass() {
    const Conf &conf = document();
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

bool Tarveo::writeDocument(const Conf &conf, const QString &path) {
    QString reason;
    if (conf.write_to_file(path, &reason))
        return true;
    warn(TitleCouldNotSave, tr(TextWriteFailed).arg(QDir::toNativeSeparators(path), reason));
    return false;
}

QString Tarveo::describeValue(const Conf::UnwritableValue &value) const {
    const QString &key = value.value.key;
    if (value.inHeader)
        return tr("The header key %1").arg(key);
    const Fields::Field *field = Fields::subclassField(key);
    if (!field)
        return tr("Subclass %1, %2,").arg(value.number).arg(key);
    // The field as its label reads in the window: "Max. GVW (t)".
    QString name = Fields::label(field->id);
    const QString suffix = context->units().suffix(field->kind);
    if (!suffix.isEmpty())
        name += QLatin1Char(' ') + suffix.left(suffix.size() - 1);
    QString where = QLatin1Char('"') + name + QLatin1Char('"');
    const int index = value.value.index;
    if (Fields::isList(field->id) && index >= 0) {
        switch (field->scope) {
        case Fields::Scope::Gap:
            where += QLatin1Char(' ') + tr("distance %1").arg(index + 1);
            break;
        case Fields::Scope::Axle:
            where += QLatin1Char(' ') + tr("axle %1").arg(index + 1);
            break;
        default:
            where += QLatin1Char(' ') + tr("row %1").arg(index + 1);
            break;
        }
    }
    return tr("Subclass %1, %2,").arg(value.number).arg(where);
}
