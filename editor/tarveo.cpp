// The window's construction, destruction and subclass stepping.
#include "editor/tarveo.h"

#include "app/identity.h"
#include "editor/subclasslist.h"
#include "model/messages.h"
#include "ui_tarveo.h"
#include "units/numbervalidators.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QLayout>
#include <QShortcut>
#include <initializer_list>

namespace {

const QKeySequence FallbackQuitKeys(Qt::CTRL + Qt::Key_Q);

// The width of a subclass list, in characters: "subclass_" and four digits.
constexpr int EntryLength = 13;

const QString FirstAxleWeightName = QStringLiteral("MaxAxleWeightEdit1");
const QString FirstAxleBoxName = QStringLiteral("MaxAxleWeightBox1");
const QString FirstTyreTypeName = QStringLiteral("TyreType1");
// The check box of an axle shows its number and a blank.
const QString FirstAxleBoxText = QStringLiteral("1 ");

} // namespace

Tarveo::Tarveo(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::Tarveo),
      styleValid(QStringLiteral("QLineEdit {background-color: lime}")),
      styleInvalid(QStringLiteral("QLineEdit {background-color: red}")),
      aboutVersion(QString::fromLatin1(Identity::Version)), textOriginal(tr("Original")),
      textDistance(tr("Distance")), textWeight(tr("Weight")),
      tipMaxAxleDist(tr("Accepts non-negative real values. Use decimal point. Must be higher "
                        "than corresponding min. axle distance and between min. and max. axle "
                        "distances defined in the header.")),
      tipMinAxleDist(tr("Accepts non-negative real values. Use decimal point. Must be lower "
                        "than corresponding max. axle distance and between min. and max. axle "
                        "distances defined in the header.")),
      tipRealValue(tr("Accepts non-negative real values. Use decimal point.")),
      tipAxleSelect(tr("Used for selecting to which axles we want to apply the constraint.")),
      tipTyreType(tr("Integer value representing tyre type. 1 for single, 2 for double, 3 for "
                     "super single and 4 for quadruple.")),
      tipRemoveConstraint(tr("To remove constraint, delete the text.")),
      tipCountry(Messages::text(Messages::CountryCode)),
      tipSubclassMissing(tr("Subclass does not exist. Click on button \"New\" to create one")),
      tipCopyExists(tr("The subclass you wish to copy to already exists. Please choose a "
                       "different value or delete the subclass.")),
      tipAxleConf(Messages::text(Messages::AxleConfiguration)),
      tipNumOfAxles(Messages::text(Messages::NumberOfAxles)),
      tipMaxDistRange(Messages::text(Messages::MaxDistanceRange)),
      tipMinDistRange(Messages::text(Messages::MinDistanceRange)),
      tipCombinedWeight(Messages::text(Messages::CombinedWeight)),
      tipTyreRange(Messages::text(Messages::TyreRange)),
      tipReclassTarget(Messages::text(Messages::ReclassifyTarget)),
      tipConsultRefman(Messages::text(Messages::ConsultReference)),
      tipTooLarge(tr("The value is too large to be stored.")),
      textSubclassesValid(tr("Subclasses are valid.")),
      textInvalidSubclasses(tr("Invalid subclasses:")), weightFactor(Units::DefaultG),
      lengthFactor(Units::MeterFactor), weightUnit(Tons), lengthUnit(Meters),
      constraintRowsDefault(0), constraintRowsAdsl(0), constraintRowsAwsl(0) {
    titleBase =
        QStringLiteral("Tarveo ") + QStringLiteral("v") + QString::fromLatin1(Identity::Version);
    qDebug().noquote() << "Starting" << titleBase;

    ui->setupUi(this);
    setWindowTitle(titleBase);
    subclassEntries = new SubclassList(ui->comboBoxSubclasses);
    invalidEntries = new SubclassList(ui->comboBoxInvalid);
    for (auto [combo, entries] : {std::pair{ui->comboBoxSubclasses, subclassEntries},
                                  std::pair{ui->comboBoxInvalid, invalidEntries}}) {
        combo->setModel(entries);
        // Sized for an ordinary entry rather than by measuring every one,
        // which takes long with many thousands of subclasses.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(EntryLength);
    }

    weightUnit = Tons;
    lengthUnit = Meters;
    constraintRowsDefault = 0;
    constraintRowsAdsl = 0;
    constraintRowsAwsl = 0;

    connect(ui->actionNew, &QAction::triggered, this, &Tarveo::menuNewClicked);
    connect(ui->actionOpen, &QAction::triggered, this, &Tarveo::menuOpenClicked);
    connect(ui->actionSave, &QAction::triggered, this, &Tarveo::menuSaveClicked);
    connect(ui->actionConfiguration, &QAction::triggered, this, &Tarveo::menuConfigurationClicked);
    connect(ui->actionAbout, &QAction::triggered, this, &Tarveo::menuAboutClicked);
    connect(ui->actionUpdate, &QAction::triggered, this, &Tarveo::menuUpdateClicked);

    connectHeaderHandlers();

    connect(ui->buttonGConstant, &QPushButton::clicked, this, &Tarveo::menuConfigurationClicked);

    for (QLineEdit *edit :
         {ui->lineEditCategory, ui->lineEditMaxGrossWeight, ui->lineEditConfString,
          ui->lineEditPrepend, ui->lineEditAppend, ui->lineEditReclassUpGvw,
          ui->lineEditReclassUpTo, ui->lineEditReclassDownGvw, ui->lineEditReclassDownTo,
          ui->lineEditTotalDistanceConstraint, ui->lineEditTotalWeightConstraint,
          ui->lineEditOverrideClass, ui->lineEditOverrideGroups, ui->lineEditAlias})
        connect(edit, &QLineEdit::textEdited, this, &Tarveo::textChanged);

    weightFactor = Units::DefaultG;
    lengthFactor = Units::MeterFactor;

    installValidators();

    ui->lineEditAddConstraint->hide();
    ui->lineEditAddLowerConstraint->hide();
    ui->lineEditAddUpperConstraint->hide();

    clearAndHideSubclassPanel();

    createShortcuts();

    createFirstAxleWidgets();

    for (QWidget *frame : {static_cast<QWidget *>(ui->frameSubclassBottom),
                           static_cast<QWidget *>(ui->frameMiddle)}) {
        QSizePolicy policy = frame->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(policy);
    }
}

Tarveo::~Tarveo() {
    delete ui;
}

void Tarveo::installValidators() {
    enum class Kind { Real, Integer, AxleCount };
    struct Entry {
        QLineEdit *edit;
        Kind kind;
    };
    const Entry entries[] = {
        {ui->lineEditGroupMaxDist, Kind::Real},     {ui->lineEditMinAxleSpacing, Kind::Real},
        {ui->lineEditMinAvgAxleWeight, Kind::Real}, {ui->lineEditUnclassified, Kind::Integer},
        {ui->lineEditMaxAxleDist, Kind::Real},      {ui->lineEditMinAxleDist, Kind::Real},
        {ui->lineEditUncategorised, Kind::Integer}, {ui->lineEditSubclass, Kind::Integer},
        {ui->lineEditCopy, Kind::Integer},          {ui->lineEditCategory, Kind::Integer},
        {ui->lineEditOverrideClass, Kind::Integer}, {ui->lineEditOverrideGroups, Kind::Integer},
        {ui->lineEditAlias, Kind::Integer},         {ui->lineEditNumOfAxles, Kind::AxleCount},
        {ui->lineEditMaxGrossWeight, Kind::Real},   {ui->lineEditAddConstraint, Kind::Real},
        {ui->lineEditPrepend, Kind::Real},          {ui->lineEditAppend, Kind::Real},
        {ui->lineEditReclassUpGvw, Kind::Real},     {ui->lineEditReclassUpTo, Kind::Real},
        {ui->lineEditReclassDownGvw, Kind::Real},   {ui->lineEditReclassDownTo, Kind::Real},
    };
    for (const Entry &entry : entries) {
        switch (entry.kind) {
        case Kind::Real:
            entry.edit->setValidator(NumberValidators::real(this));
            break;
        case Kind::Integer:
            entry.edit->setValidator(NumberValidators::integer(this));
            break;
        case Kind::AxleCount:
            entry.edit->setValidator(
                NumberValidators::integer(Subclass::MinAxles, Subclass::MaxAxles, this));
            break;
        }
    }
}

void Tarveo::createShortcuts() {
    // The File menu takes the desktop's usual keys, so the menu shows them
    // and they fire from any field.
    ui->actionNew->setShortcut(QKeySequence::New);
    ui->actionOpen->setShortcut(QKeySequence::Open);
    ui->actionSave->setShortcut(QKeySequence::Save);
    // Desktops without a GNOME or KDE theme have no Quit keys of their own.
    const QKeySequence quit(QKeySequence::Quit);
    ui->actionExit->setShortcut(quit.isEmpty() ? FallbackQuitKeys : quit);

    const QKeySequence previousKeys[] = {QKeySequence(Qt::Key_Up),
                                         QKeySequence(Qt::ALT + Qt::Key_Left)};
    const QKeySequence nextKeys[] = {QKeySequence(Qt::Key_Down),
                                     QKeySequence(Qt::ALT + Qt::Key_Right)};
    for (const QKeySequence &keys : previousKeys) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &Tarveo::previousSubclass);
    }
    for (const QKeySequence &keys : nextKeys) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &Tarveo::nextSubclass);
    }
}

void Tarveo::createFirstAxleWidgets() {
    auto *weight = new QLineEdit(this);
    setUpRowEdit(weight, true, tipRealValue, FirstAxleWeightName);
    ui->frameMaxAxleWeightsEdits->layout()->addWidget(weight);
    weight->hide();

    auto *box = new QCheckBox(FirstAxleBoxText, this);
    box->setStatusTip(tipAxleSelect);
    box->setObjectName(FirstAxleBoxName);
    ui->frameMaxAxleWeightsBoxes->layout()->addWidget(box);
    box->hide();

    auto *tyre = new QLineEdit(this);
    setUpRowEdit(tyre, false, tipTyreType, FirstTyreTypeName);
    ui->frameTyreTypes->layout()->addWidget(tyre);
    tyre->hide();
}

Subclass *Tarveo::currentSubclass() {
    // A red number names no listed subclass, whatever it reads as ("04" is
    // not subclass 4 on display): nothing may read or change a subclass then.
    if (ui->lineEditSubclass->styleSheet() == styleInvalid)
        return nullptr;
    bool ok = false;
    const quint32 number = ui->lineEditSubclass->text().toUInt(&ok, 10);
    if (!ok || !conf.has_subclass(number))
        return nullptr;
    // Whoever asks may change it.
    judgements.touch(number);
    return &conf.get_subclass(number);
}

void Tarveo::clearAndHideSubclassPanel() {
    for (QLineEdit *edit :
         {ui->lineEditSubclass, ui->lineEditOverrideClass, ui->lineEditOverrideGroups,
          ui->lineEditAlias, ui->lineEditCopy, ui->lineEditCategory, ui->lineEditNumOfAxles,
          ui->lineEditMaxGrossWeight, ui->lineEditReclassUpGvw, ui->lineEditReclassUpTo,
          ui->lineEditReclassDownGvw, ui->lineEditReclassDownTo,
          ui->lineEditTotalDistanceConstraint, ui->lineEditTotalWeightConstraint})
        edit->setText(QString());
    ui->groupBoxSubclass->hide();
    ui->groupBoxReclassify->hide();
    ui->frameMiddle->hide();
}

void Tarveo::previousSubclass() {
    const int index = ui->comboBoxSubclasses->currentIndex();
    if (index > 0)
        ui->comboBoxSubclasses->setCurrentIndex(index - 1);
}

void Tarveo::nextSubclass() {
    const int index = ui->comboBoxSubclasses->currentIndex();
    if (index < ui->comboBoxSubclasses->count() - 1)
        ui->comboBoxSubclasses->setCurrentIndex(index + 1);
}
