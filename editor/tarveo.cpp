// The window's construction: its panels, the connections between them and
// the document, the units and the undo steps brought into view.
#include "editor/tarveo.h"

#include "about/identity.h"
#include "document/confdocument.h"
#include "editor/editorcontext.h"
#include "editor/editorlog.h"
#include "editor/editorsettings.h"
#include "editor/overviewdock.h"
#include "editor/recentfiles.h"
#include "model/numbers.h"
#include "tarveoversion.h"
#include "ui_tarveo.h"
#include "units/measurementunits.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QShortcut>
#include <QUndoStack>

namespace {

using Fields::Id;

const QKeySequence FallbackQuitKeys(QStringLiteral("Ctrl+Q"));
const QKeySequence FallbackSaveAsKeys(QStringLiteral("Ctrl+Shift+S"));
const QKeySequence FallbackPrintKeys(QStringLiteral("Ctrl+P"));
const QKeySequence FallbackUndoKeys(QStringLiteral("Ctrl+Z"));
const QKeySequence FallbackRedoKeys(QStringLiteral("Ctrl+Shift+Z"));
// Between the file's name and the program's in the title.
constexpr ushort EmDash = 0x2014;

// The order Tab walks, across the panels.
const char *const TabOrder[] = {
    "lineEditVersion",        "lineEditCountry",          "lineEditGroupMaxDist",
    "lineEditMinAxleSpacing", "lineEditMinAvgAxleWeight", "lineEditMaxAxleDist",
    "lineEditMinAxleDist",    "lineEditUnclassified",     "lineEditUncategorised",
    "comboBoxSubclasses",     "lineEditSubclass",         "buttonCopy",
    "lineEditCopy",           "lineEditCategory",         "lineEditPrepend",
    "lineEditAppend",         "comboBoxInvalid",          "lineEditNumOfAxles",
    "lineEditMaxGrossWeight", "lineEditConfString",       "lineEditReclassUpGvw",
    "lineEditReclassUpTo",    "lineEditReclassDownGvw",   "lineEditReclassDownTo",
    "graphicsViewMin",        "graphicsViewMax",
};

} // namespace

Tarveo::Tarveo(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::Tarveo), confDocument(new ConfDocument(this)),
      context(new EditorContext(confDocument, this)) {
    qCDebug(tarveoEditor).noquote() << "Starting" << QStringLiteral("Tarveo v" TARVEO_VERSION);
    ui->setupUi(this);

    ui->groupBoxHeader->attach(context);
    ui->groupBoxSubclass->attach(context);
    ui->groupBoxReclassify->attach(context);
    ui->axleGrid->attach(context);
    ui->constraintPanel->attach(context, ui->axleGrid);

    connect(ui->actionNew, &QAction::triggered, this, &Tarveo::menuNewClicked);
    connect(ui->actionOpen, &QAction::triggered, this, &Tarveo::menuOpenClicked);
    connect(ui->actionSave, &QAction::triggered, this, &Tarveo::menuSaveClicked);
    connect(ui->actionConfiguration, &QAction::triggered, this, &Tarveo::menuConfigurationClicked);
    connect(ui->actionAbout, &QAction::triggered, this, &Tarveo::menuAboutClicked);
    connect(ui->actionUpdate, &QAction::triggered, this, &Tarveo::menuUpdateClicked);
    connect(ui->groupBoxHeader, &HeaderPanel::unitsRequested, this,
            &Tarveo::menuConfigurationClicked);
    connect(ui->groupBoxSubclass, &SubclassPanel::subclassPartsVisible, this,
            &Tarveo::setSubclassPartsVisible);

    // Every change of the document shows in every part; a subclass shown
    // afresh shows the document in every field.
    connect(context, &EditorContext::currentChanged, this, [this] {
        showDocument(true);
        drawVehicle();
    });
    connect(confDocument, &ConfDocument::headerChanged, this, [this](Id id) {
        if (id == Id::GAccelerationConstant)
            takeDocumentG();
        showDocument(false);
    });
    connect(confDocument, &ConfDocument::subclassChanged, this, [this](quint32 number) {
        showDocument(false);
        if (context->current() == number)
            drawVehicle();
    });
    for (auto changed : {&ConfDocument::subclassInserted, &ConfDocument::subclassRemoved})
        connect(confDocument, changed, this, [this] { showDocument(false); });
    connect(confDocument, &ConfDocument::stepShown, this, &Tarveo::showStep);
    connect(confDocument, &ConfDocument::modificationChanged, this, &QWidget::setWindowModified);
    connect(confDocument, &ConfDocument::filePathChanged, this, &Tarveo::showTitle);
    showTitle(QString());

    createActions();
    createOverview();
    setTabOrder();
    setAcceptDrops(true);

    // The panels of a subclass wait for a document that has one.
    ui->groupBoxSubclass->hide();
    setSubclassPartsVisible(false);
    QSizePolicy policy = ui->frameMiddle->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    ui->frameMiddle->setSizePolicy(policy);
}

Tarveo::~Tarveo() {
    delete ui;
}

const Conf &Tarveo::document() const {
    return confDocument->conf();
}

void Tarveo::createActions() {
    connect(ui->actionSaveAs, &QAction::triggered, this, &Tarveo::menuSaveAsClicked);
    connect(ui->actionExportReport, &QAction::triggered, this, &Tarveo::menuExportReportClicked);
    connect(ui->actionPrint, &QAction::triggered, this, &Tarveo::menuPrintClicked);
    recentFiles = new RecentFiles(ui->menuRecent, this);
    connect(recentFiles, &RecentFiles::chosen, this, &Tarveo::openRecent);

    // Undo and redo name the step they take back or make again.
    QUndoStack *history = confDocument->undoStack();
    QAction *undo = history->createUndoAction(this);
    QAction *redo = history->createRedoAction(this);
    undo->setObjectName(QStringLiteral("actionUndo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    ui->menuEdit->addAction(undo);
    ui->menuEdit->addAction(redo);

    // The menus take the desktop's usual keys, so the menus show them and
    // they fire from any field. Desktops without a GNOME or KDE theme lack
    // some; the common ones stand in.
    const struct {
        QAction *action;
        QKeySequence::StandardKey keys;
        QKeySequence fallback;
    } keys[] = {
        {ui->actionNew, QKeySequence::New, {}},
        {ui->actionOpen, QKeySequence::Open, {}},
        {ui->actionSave, QKeySequence::Save, {}},
        {ui->actionSaveAs, QKeySequence::SaveAs, FallbackSaveAsKeys},
        {ui->actionPrint, QKeySequence::Print, FallbackPrintKeys},
        {ui->actionExit, QKeySequence::Quit, FallbackQuitKeys},
        {undo, QKeySequence::Undo, FallbackUndoKeys},
        {redo, QKeySequence::Redo, FallbackRedoKeys},
    };
    for (const auto &key : keys) {
        const QKeySequence standard(key.keys);
        key.action->setShortcut(standard.isEmpty() ? key.fallback : standard);
    }

    const struct {
        QKeySequence keys;
        void (SubclassPanel::*step)();
    } steps[] = {
        {QKeySequence(Qt::Key_Up), &SubclassPanel::previous},
        {QKeySequence(QStringLiteral("Alt+Left")), &SubclassPanel::previous},
        {QKeySequence(Qt::Key_Down), &SubclassPanel::next},
        {QKeySequence(QStringLiteral("Alt+Right")), &SubclassPanel::next},
    };
    for (const auto &step : steps) {
        auto *shortcut = new QShortcut(step.keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, ui->groupBoxSubclass, step.step);
    }
}

void Tarveo::createOverview() {
    overview = new OverviewDock(context, this);
    addDockWidget(Qt::RightDockWidgetArea, overview);
    ui->menuView->addAction(overview->toggleViewAction());
    ui->menuView->addAction(overview->filterAction());
    connect(overview, &OverviewDock::chosen, ui->groupBoxSubclass, &SubclassPanel::display);
    connect(overview, &OverviewDock::opened, this, [this](quint32 number) {
        ui->groupBoxSubclass->display(number);
        ui->groupBoxSubclass->focusField(FieldRef{Id::Category});
    });
    overview->showWhereRoomy();
}

void Tarveo::setTabOrder() {
    QWidget *previous = nullptr;
    for (const char *name : TabOrder) {
        auto *widget = findChild<QWidget *>(QLatin1String(name));
        if (previous && widget)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void Tarveo::showTitle(const QString &filePath) {
    // As Qt programs name their window: the file, the mark of unsaved
    // changes, the program; the whole path is the window's file path.
    setWindowFilePath(filePath);
    const QString program = QString::fromLatin1(Identity::ApplicationName);
    if (filePath.isEmpty())
        setWindowTitle(program);
    else
        setWindowTitle(QFileInfo(filePath).fileName() + QStringLiteral("[*] ") + QChar(EmDash) +
                       QLatin1Char(' ') + program);
}

void Tarveo::setSubclassPartsVisible(bool visible) {
    ui->groupBoxReclassify->setVisible(visible);
    ui->frameMiddle->setVisible(visible);
}

void Tarveo::showDocument(bool force) {
    ui->groupBoxHeader->showDocument(force);
    const Subclass *subclass = context->currentSubclass();
    if (!subclass)
        return;
    ui->groupBoxSubclass->showSubclass(force);
    ui->groupBoxReclassify->showSubclass(force);
    ui->axleGrid->showSubclass(force);
    ui->constraintPanel->showSubclass(force);
}

void Tarveo::drawVehicle() {
    if (const Subclass *subclass = context->currentSubclass())
        ui->vehicleViews->draw(*subclass);
}

void Tarveo::showStep(bool inHeader, quint32 number, const FieldRef &ref) {
    if (inHeader) {
        ui->groupBoxHeader->focusField(ref.id);
        return;
    }
    if (!document().has_subclass(number))
        return;
    ui->groupBoxSubclass->display(number);
    if (!ui->groupBoxSubclass->focusField(ref) && !ui->groupBoxReclassify->focusField(ref) &&
        !ui->axleGrid->focusField(ref))
        ui->constraintPanel->focusField(ref);
}

void Tarveo::showUnits() {
    ui->groupBoxHeader->showUnits();
    ui->groupBoxSubclass->showUnits();
    ui->groupBoxReclassify->showUnits();
    ui->axleGrid->showUnits();
    ui->constraintPanel->showUnits();
    overview->showUnits();
    showDocument(true);
}

void Tarveo::takeDocumentG() {
    const float g = document().is_g_acceleration_constant_valid()
                        ? Numbers::asFloat(document().get_g_acceleration_constant())
                        : Units::DefaultG;
    if (context->units().weightUnit() == Tons)
        qCDebug(tarveoEditor) << "New conversion weight" << g;
    context->units().setTonneFactor(g);
    ui->groupBoxHeader->showG(Numbers::general(g));
}

void Tarveo::receiveUnits(uchar weight, uchar length, float g) {
    DisplayUnits &units = context->units();
    // A g that is not above 0 (or not finite) would become the weight factor
    // and every weight would be divided by it. Such a g is ignored: tonnes
    // keep the g they had, while the units still change.
    const bool gUsable = weight != Tons || (g > 0 && qIsFinite(g));
    if (!gUsable) {
        qCDebug(tarveoEditor) << "Ignoring gravitational acceleration" << g;
        g = units.weightUnit() == Tons ? units.weightFactor() : Units::DefaultG;
    } else {
        ui->groupBoxHeader->showG(Numbers::general(g));
    }
    units.setWeightUnit(weight, g);
    units.setLengthUnit(length);
    // The g of tonnes is the file's to keep; standard gravity goes without
    // saying.
    if (units.weightUnit() == Tons && !Units::isDefaultG(units.weightFactor()))
        confDocument->setHeaderValue(Id::GAccelerationConstant,
                                     Numbers::general(units.weightFactor()));
    EditorSettings::setUnits({units.weightUnit(), units.lengthUnit()});
    showUnits();
}

void Tarveo::restoreSettings() {
    if (const std::optional<EditorSettings::Units> units = EditorSettings::units()) {
        DisplayUnits &shown = context->units();
        shown.setWeightUnit(units->weight, Units::DefaultG);
        shown.setLengthUnit(units->length);
        takeDocumentG();
        showUnits();
    }
    restoreGeometry(EditorSettings::windowGeometry());
    restoreState(EditorSettings::windowState());
    overview->restoreSettings();
}

void Tarveo::menuConfigurationClicked() {
    const DisplayUnits &units = context->units();
    // The dialog's G field offers the g of tonnes; with another unit shown the
    // factor is no g, so the default is offered.
    const float g = units.weightUnit() == Tons ? units.weightFactor() : Units::DefaultG;
    const uchar weight = units.weightUnit();
    const uchar length = units.lengthUnit();
    // Only the latest dialog is kept; an earlier one has done its work.
    delete unitsDialog;
    unitsDialog = new MeasurementUnits(this, &weight, &length, &g);
    connect(unitsDialog, &MeasurementUnits::sendUnits, this, &Tarveo::receiveUnits);
    unitsDialog->exec();
}

void Tarveo::closeEvent(QCloseEvent *event) {
    if (!maybeSave(UnsavedScope::Document)) {
        event->ignore();
        return;
    }
    EditorSettings::setWindow(saveGeometry(), saveState());
    overview->saveSettings();
    event->accept();
}

namespace {

// The one local file a drag carries, or empty.
QString droppedFile(const QMimeData *data) {
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return QString();
    return urls.first().toLocalFile();
}

} // namespace

void Tarveo::dragEnterEvent(QDragEnterEvent *event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Tarveo::dropEvent(QDropEvent *event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    if (maybeSave(UnsavedScope::Document))
        openFile(path);
}
