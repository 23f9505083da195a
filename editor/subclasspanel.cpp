#include "editor/subclasspanel.h"

#include "editor/editorcontext.h"
#include "editor/fieldmarking.h"
#include "editor/subclasslist.h"
#include "editor/subclasslookup.h"
#include "model/numbers.h"
#include "ui_subclasspanel.h"
#include "units/numbervalidators.h"

namespace {

using Fields::Id;

// The width of a subclass list, in characters: "subclass_" and four digits.
constexpr int EntryLength = 13;

struct SubclassField {
    Id id;
    QLineEdit *Ui_SubclassPanel::*edit;
    QLabel *Ui_SubclassPanel::*label;
};

const SubclassField Rows[] = {
    {Id::OverrideClass, &Ui_SubclassPanel::lineEditOverrideClass,
     &Ui_SubclassPanel::labelOverrideClass},
    {Id::OverrideGroups, &Ui_SubclassPanel::lineEditOverrideGroups,
     &Ui_SubclassPanel::labelOverrideGroups},
    {Id::Alias, &Ui_SubclassPanel::lineEditAlias, &Ui_SubclassPanel::labelAlias},
    {Id::Category, &Ui_SubclassPanel::lineEditCategory, &Ui_SubclassPanel::labelCategory},
    {Id::NumberOfAxles, &Ui_SubclassPanel::lineEditNumOfAxles, &Ui_SubclassPanel::labelNumOfAxles},
    {Id::MaxGVW, &Ui_SubclassPanel::lineEditMaxGrossWeight, &Ui_SubclassPanel::labelMaxGrossWeight},
    {Id::AxleConfiguration, &Ui_SubclassPanel::lineEditConfString,
     &Ui_SubclassPanel::labelConfString},
    {Id::Prepend, &Ui_SubclassPanel::lineEditPrepend, &Ui_SubclassPanel::labelPrepend},
    {Id::Append, &Ui_SubclassPanel::lineEditAppend, &Ui_SubclassPanel::labelAppend},
};

const char *const TextButtonNew = QT_TRANSLATE_NOOP("Tarveo", "New");
const char *const TextButtonDelete = QT_TRANSLATE_NOOP("Tarveo", "Delete");
const char *const TipButtonNew = QT_TRANSLATE_NOOP(
    "Tarveo", "Used to create a new subclass with corresponding subclass number.");
const char *const TipButtonDelete = QT_TRANSLATE_NOOP(
    "Tarveo", "Used to delete the existing subclass with coresponding subclass number.");
const char *const TipSubclassMissing =
    QT_TRANSLATE_NOOP("Tarveo", "Subclass does not exist. Click on button \"New\" to create one");
const char *const TipCopyExists =
    QT_TRANSLATE_NOOP("Tarveo", "The subclass you wish to copy to already exists. Please "
                                "choose a different value or delete the subclass.");
const char *const TextSubclassesValid = QT_TRANSLATE_NOOP("Tarveo", "Subclasses are valid.");
const char *const TextInvalidSubclasses = QT_TRANSLATE_NOOP("Tarveo", "Invalid subclasses:");

QString windowText(const char *text) {
    return QCoreApplication::translate("Tarveo", text);
}

} // namespace

SubclassPanel::SubclassPanel(QWidget *parent)
    : QGroupBox(parent), ui(new Ui::SubclassPanel), subclassEntries(new SubclassList(this)),
      invalidEntries(new SubclassList(this)) {
    ui->setupUi(this);
    for (auto [combo, entries] : {std::pair{ui->comboBoxSubclasses, subclassEntries},
                                  std::pair{ui->comboBoxInvalid, invalidEntries}}) {
        combo->setModel(entries);
        // Sized for an ordinary entry rather than by measuring every one,
        // which takes long with many thousands of subclasses.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(EntryLength);
    }
    ui->lineEditSubclass->setValidator(NumberValidators::integer(this));
    ui->lineEditCopy->setValidator(NumberValidators::integer(this));

    connect(ui->comboBoxSubclasses, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SubclassPanel::entryChosen);
    connect(ui->lineEditSubclass, &QLineEdit::textChanged, this, &SubclassPanel::numberTyped);
    connect(ui->buttonSubclass, &QPushButton::clicked, this, &SubclassPanel::numberButtonClicked);
    connect(ui->lineEditCopy, &QLineEdit::textEdited, this, &SubclassPanel::copyTargetEdited);
    connect(ui->buttonCopy, &QPushButton::clicked, this, &SubclassPanel::copyClicked);
    connect(ui->comboBoxInvalid, QOverload<int>::of(&QComboBox::activated), this,
            &SubclassPanel::invalidEntryActivated);

    QSizePolicy policy = ui->frameSubclassBottom->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    ui->frameSubclassBottom->setSizePolicy(policy);
}

SubclassPanel::~SubclassPanel() {
    delete ui;
}

void SubclassPanel::attach(EditorContext *editorContext) {
    context = editorContext;
    fields.setContext(context);
    for (const SubclassField &row : Rows)
        fields.add(ui->*row.edit, FieldRef{row.id}, ui->*row.label);
    ConfDocument *document = context->document();
    connect(document, &ConfDocument::subclassInserted, this, &SubclassPanel::subclassInserted);
    connect(document, &ConfDocument::subclassRemoved, this, &SubclassPanel::subclassRemoved);
    connect(document, &ConfDocument::subclassChanged, this, &SubclassPanel::subclassChanged);
    connect(document, &ConfDocument::headerChanged, this, [this](Fields::Id id) {
        // Only the axle distance bounds move subclasses in or out of the list.
        if (id == Id::HeaderMinAxleDistance || id == Id::HeaderMaxAxleDistance)
            refreshInvalidList();
    });
}

bool SubclassPanel::hasSubclasses() const {
    return subclassEntries->rowCount() > 0;
}

void SubclassPanel::clearFields() {
    for (QLineEdit *edit : {ui->lineEditSubclass, ui->lineEditCopy})
        edit->clear();
    ui->labelSubclassLarge->clear();
    fields.clear();
}

void SubclassPanel::showDocument() {
    const QSignalBlocker blocker(ui->comboBoxSubclasses);
    clearFields();
    // All entries at once, none current yet: the first is displayed below.
    subclassEntries->setNumbers(context->conf().get_subclass_numbers());
    refreshInvalidList();
    if (!hasSubclasses()) {
        numberTyped(ui->lineEditSubclass->text());
        return;
    }
    ui->comboBoxSubclasses->setCurrentIndex(0);
    entryChosen(0);
}

void SubclassPanel::showEmptyDocument() {
    clearFields();
    subclassEntries->setNumbers({});
    invalidEntries->setNumbers({});
    ui->comboBoxInvalid->hide();
    ui->labelInvalid->setText(windowText(TextSubclassesValid));
    ui->frameSubclassBottom->hide();
}

void SubclassPanel::showSubclass(bool force) {
    if (context->current())
        fields.show(force);
}

void SubclassPanel::showUnits() {
    fields.showUnits();
}

void SubclassPanel::display(quint32 number) {
    const int row = subclassEntries->rowOf(number);
    if (row < 0)
        return;
    if (ui->comboBoxSubclasses->currentIndex() == row)
        entryChosen(row);
    else
        ui->comboBoxSubclasses->setCurrentIndex(row);
}

void SubclassPanel::previous() {
    const int index = ui->comboBoxSubclasses->currentIndex();
    if (index > 0)
        ui->comboBoxSubclasses->setCurrentIndex(index - 1);
}

void SubclassPanel::next() {
    const int index = ui->comboBoxSubclasses->currentIndex();
    if (index < ui->comboBoxSubclasses->count() - 1)
        ui->comboBoxSubclasses->setCurrentIndex(index + 1);
}

bool SubclassPanel::focusField(const FieldRef &ref) {
    return fields.focus(ref);
}

void SubclassPanel::entryChosen(int row) {
    if (row < 0 || row >= subclassEntries->rowCount())
        return;
    const QString number = QString::number(subclassEntries->numbers().at(row));
    choosing = true;
    ui->lineEditSubclass->setText(number);
    choosing = false;
    ui->labelSubclassLarge->setText(number);
    // Marked first: the display works on the subclass the field names.
    FieldMarking::setValid(ui->lineEditSubclass, true, QString());
    setNumberRole(NumberRole::Delete);
    context->setCurrent(subclassEntries->numbers().at(row));
}

void SubclassPanel::numberTyped(const QString &text) {
    if (choosing)
        return;
    // Only the plain decimal form names a listed subclass: "07" is no entry.
    const int row = ui->comboBoxSubclasses->findText(SubclassLookup::entry(text),
                                                     Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (row < 0) {
        FieldMarking::setValid(ui->lineEditSubclass, false, windowText(TipSubclassMissing));
        setNumberRole(NumberRole::New);
        if (context->current())
            context->setCurrent(std::nullopt);
        return;
    }
    // The number turned green again: every field shows the document.
    display(subclassEntries->numbers().at(row));
}

void SubclassPanel::setNumberRole(NumberRole role) {
    numberRole = role;
    const bool isNew = role == NumberRole::New;
    ui->buttonSubclass->setText(windowText(isNew ? TextButtonNew : TextButtonDelete));
    ui->buttonSubclass->setStatusTip(windowText(isNew ? TipButtonNew : TipButtonDelete));
}

void SubclassPanel::numberButtonClicked() {
    bool isNumber = false;
    const quint32 number = ui->lineEditSubclass->text().toUInt(&isNumber, 10);
    ConfDocument *document = context->document();
    if (numberRole == NumberRole::Delete) {
        if (const std::optional<quint32> shown = context->current())
            document->removeSubclass(*shown);
        return;
    }
    // An empty or partial number ("-") would create a subclass whose entry
    // carries no number and can never be selected again.
    if (!isNumber)
        return;
    // A number written with leading zeros ("07") names an existing subclass,
    // which New must not overwrite: show it.
    if (document->conf().has_subclass(number)) {
        ui->lineEditSubclass->setText(QString::number(number));
        return;
    }
    // A new subclass falls into the header's category for vehicles without
    // one until the user gives it its own.
    document->newSubclass(number,
                          document->conf().get_header_value(Id::UncategorisedVehicleCategory));
}

void SubclassPanel::copyTargetEdited(const QString &text) {
    if (text.isEmpty()) {
        FieldMarking::mark(ui->lineEditCopy, FieldMarking::StyleNeutral, QString());
        ui->buttonCopy->setEnabled(false);
        return;
    }
    const bool free = !context->conf().has_subclass(Numbers::asUnsigned(text));
    FieldMarking::setValid(ui->lineEditCopy, free, windowText(TipCopyExists));
    ui->buttonCopy->setEnabled(free);
}

void SubclassPanel::copyClicked() {
    bool isNumber = false;
    const quint32 target = ui->lineEditCopy->text().toUInt(&isNumber, 10);
    const std::optional<quint32> source = context->current();
    // The button is enabled for a free target, but the target field may have
    // been emptied by Open, or may hold a partial number ("-"), and the
    // source may have been deleted or the number field left red since.
    if (!isNumber || !source || context->conf().has_subclass(target))
        return;
    context->document()->copySubclass(*source, target);
    ui->buttonCopy->setEnabled(false);
    FieldMarking::setValid(ui->lineEditCopy, false, QString());
}

void SubclassPanel::invalidEntryActivated(int row) {
    if (row >= 0 && row < invalidEntries->rowCount())
        display(invalidEntries->numbers().at(row));
}

void SubclassPanel::subclassInserted(quint32 number) {
    const bool first = !hasSubclasses();
    subclassEntries->append(number);
    updateInvalidEntry(number);
    if (first) {
        ui->labelInvalid->setText(windowText(TextInvalidSubclasses));
        ui->comboBoxInvalid->setVisible(invalidEntries->rowCount() > 0);
        ui->frameSubclassBottom->show();
        emit subclassPartsVisible(true);
    }
    display(number);
}

void SubclassPanel::subclassRemoved(quint32 number) {
    invalidEntries->remove(number);
    showInvalidListState();
    // The list moves to a neighbouring entry, which is displayed.
    subclassEntries->remove(number);
    // With the last subclass gone the number names nothing any more: the
    // field turns red and the button offers New again.
    if (!context->current())
        numberTyped(ui->lineEditSubclass->text());
}

void SubclassPanel::subclassChanged(quint32 number) {
    updateInvalidEntry(number);
}

void SubclassPanel::updateInvalidEntry(quint32 number) {
    const bool listed = invalidEntries->contains(number);
    const bool valid = context->document()->isValid(number);
    if (listed && valid)
        invalidEntries->remove(number);
    else if (!listed && !valid)
        invalidEntries->append(number);
    showInvalidListState();
}

void SubclassPanel::refreshInvalidList() {
    // Rebuilt in ascending order, which only takes work when the entries
    // differ: a keystroke in the header often changes none.
    const QVector<quint32> numbers = context->document()->invalidSubclasses();
    if (numbers != invalidEntries->numbers())
        invalidEntries->setNumbers(numbers);
    if (numbers.isEmpty()) {
        ui->comboBoxInvalid->hide();
        ui->labelInvalid->setText(windowText(TextSubclassesValid));
    } else {
        ui->comboBoxInvalid->setCurrentIndex(0);
        ui->comboBoxInvalid->show();
        ui->labelInvalid->setText(windowText(TextInvalidSubclasses));
    }
}

void SubclassPanel::showInvalidListState() {
    if (invalidEntries->rowCount() > 0) {
        if (ui->comboBoxInvalid->isHidden()) {
            ui->labelInvalid->setText(windowText(TextInvalidSubclasses));
            ui->comboBoxInvalid->show();
        }
    } else {
        ui->labelInvalid->setText(windowText(TextSubclassesValid));
        ui->comboBoxInvalid->hide();
    }
}
