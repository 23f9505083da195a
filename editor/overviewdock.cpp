#include "editor/overviewdock.h"

#include "editor/editorcontext.h"
#include "editor/editorsettings.h"
#include "editor/overviewfilter.h"
#include "editor/overviewmodel.h"
#include "editor/overviewtable.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The first width of each column, in characters of its values; a title
// that is wider widens it.
constexpr int ColumnCharacters[OverviewModel::ColumnCount] = {6, 6, 8, 4, 4, 7, 7, 7, 8, 30};
static_assert(std::size(ColumnCharacters) == OverviewModel::ColumnCount);
// Around a title, in characters: the header's margins and its sort arrow.
constexpr int TitlePadding = 3;
// How much of the table the dock shows beside the form at first, in
// characters: the columns up to the lengths; the others scroll into view.
constexpr int DockCharacters = 72;

const QKeySequence FallbackFindKeys(QStringLiteral("Ctrl+F"));

} // namespace

OverviewDock::OverviewDock(EditorContext *editorContext, QWidget *parent)
    : QDockWidget(tr("Overview"), parent), context(editorContext),
      model(new OverviewModel(editorContext, this)), filter(new OverviewFilter(model, this)),
      filterEdit(new QLineEdit), table(new OverviewTable), columnMenu(new QMenu(this)),
      findAction(new QAction(tr("Filter Subclasses"), this)) {
    setObjectName(QStringLiteral("dockOverview"));
    toggleViewAction()->setObjectName(QStringLiteral("actionOverview"));
    findAction->setObjectName(QStringLiteral("actionOverviewFilter"));
    const QKeySequence find(QKeySequence::Find);
    findAction->setShortcut(find.isEmpty() ? FallbackFindKeys : find);
    connect(findAction, &QAction::triggered, this, &OverviewDock::focusFilter);

    filterEdit->setObjectName(QStringLiteral("lineEditOverviewFilter"));
    filterEdit->setPlaceholderText(tr("Filter subclasses"));
    filterEdit->setClearButtonEnabled(true);
    connect(filterEdit, &QLineEdit::textChanged, filter, &OverviewFilter::setFilterText);

    table->setObjectName(QStringLiteral("tableOverview"));
    table->setModel(filter);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->setSortingEnabled(true);
    table->sortByColumn(OverviewModel::Number, Qt::AscendingOrder);
    // Rows of one height are laid out without measuring each of thousands.
    QHeaderView *rows = table->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(rows->minimumSectionSize());
    QHeaderView *columns = table->horizontalHeader();
    columns->setStretchLastSection(true);
    columns->setSectionsMovable(true);
    for (int column = 0; column < OverviewModel::ColumnCount; ++column)
        table->setColumnWidth(column, firstWidth(column));
    columns->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(columns, &QWidget::customContextMenuRequested, this, &OverviewDock::showColumnMenu);
    columnMenu->setObjectName(QStringLiteral("menuOverviewColumns"));

    auto *content = new QWidget(this);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(filterEdit);
    layout->addWidget(table);
    setWidget(content);

    // The selection follows the display, and the rows as they move, come
    // and go; connected after the view, which settles its rows first.
    connect(context, &EditorContext::currentChanged, this, &OverviewDock::selectDisplayed);
    connect(filter, &QAbstractItemModel::rowsInserted, this, &OverviewDock::selectDisplayed);
    connect(filter, &QAbstractItemModel::rowsRemoved, this, &OverviewDock::selectDisplayed);
    connect(filter, &QAbstractItemModel::modelReset, this, &OverviewDock::selectDisplayed);
    connect(filter, &QAbstractItemModel::layoutChanged, this, &OverviewDock::selectDisplayed);
    connect(table, &OverviewTable::movedByUser, this, &OverviewDock::userMoved);
    connect(
        table, &QAbstractItemView::activated, this,
        [this](const QModelIndex &index) { emit opened(numberAt(index)); });
    connect(toggleViewAction(), &QAction::triggered, this, [this](bool shown) {
        if (shown)
            makeRoom();
    });
}

int OverviewDock::firstWidth(int column) const {
    const QFontMetrics title = table->horizontalHeader()->fontMetrics();
    const QString text = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    return qMax(ColumnCharacters[column] * table->fontMetrics().averageCharWidth(),
                title.horizontalAdvance(text) + TitlePadding * title.averageCharWidth());
}

QSize OverviewDock::sizeHint() const {
    return QSize(DockCharacters * table->fontMetrics().averageCharWidth(),
                 QDockWidget::sizeHint().height());
}

namespace {

int screenRoom(const QWidget *window) {
    const QScreen *screen = window->screen();
    return screen ? screen->availableGeometry().width() : 0;
}

// The narrowest the window's form may be.
int formWidth(const QMainWindow *window) {
    return qMax(window->minimumWidth(), window->centralWidget()->minimumSizeHint().width());
}

} // namespace

void OverviewDock::showWhereRoomy() {
    auto *window = qobject_cast<QMainWindow *>(parentWidget());
    const bool roomy = window && screenRoom(window) >= formWidth(window) + sizeHint().width();
    setVisible(roomy);
    if (roomy)
        makeRoom();
}

void OverviewDock::makeRoom() {
    auto *window = qobject_cast<QMainWindow *>(parentWidget());
    const Qt::DockWidgetArea area = window ? window->dockWidgetArea(this) : Qt::NoDockWidgetArea;
    if (isFloating() || (area != Qt::LeftDockWidgetArea && area != Qt::RightDockWidgetArea))
        return;
    const int wanted = sizeHint().width();
    const int needed = formWidth(window) + wanted;
    if (window->width() < needed && !window->isMaximized() && !window->isFullScreen())
        window->resize(qMax(window->width(), qMin(needed, screenRoom(window))), window->height());
    window->resizeDocks({this}, {wanted}, Qt::Horizontal);
}

quint32 OverviewDock::numberAt(const QModelIndex &index) const {
    return model->numberAt(filter->mapToSource(index).row());
}

void OverviewDock::selectDisplayed() {
    QItemSelectionModel *selection = table->selectionModel();
    const std::optional<quint32> shown = context->current();
    const int row = shown ? model->rowOf(*shown) : -1;
    const QModelIndex current = selection->currentIndex();
    const QModelIndex found =
        row < 0 ? QModelIndex()
                : filter->mapFromSource(model->index(row, qMax(current.column(), 0)));
    if (!found.isValid()) {
        // Nothing on display, or its row is filtered out.
        if (current.isValid() || selection->hasSelection())
            selection->clear();
        return;
    }
    if (current != found || !selection->isRowSelected(found.row(), {}))
        selection->setCurrentIndex(found,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table->scrollTo(found);
}

void OverviewDock::userMoved() {
    const QModelIndex current = table->currentIndex();
    if (!current.isValid())
        return;
    const quint32 number = numberAt(current);
    if (context->current() != number)
        emit chosen(number);
}

void OverviewDock::focusFilter() {
    show();
    raise();
    filterEdit->setFocus(Qt::ShortcutFocusReason);
    filterEdit->selectAll();
}

void OverviewDock::showUnits() {
    model->showUnits();
}

void OverviewDock::showColumnMenu(const QPoint &position) {
    QHeaderView *columns = table->horizontalHeader();
    columnMenu->clear();
    const int shown = columns->count() - columns->hiddenSectionCount();
    for (int column = 0; column < OverviewModel::ColumnCount; ++column) {
        QAction *action = columnMenu->addAction(
            model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        action->setCheckable(true);
        action->setChecked(!columns->isSectionHidden(column));
        // The last column shown stays: a table without one could not
        // bring the others back.
        action->setEnabled(columns->isSectionHidden(column) || shown > 1);
        connect(action, &QAction::toggled, columns,
                [columns, column](bool on) { columns->setSectionHidden(column, !on); });
    }
    columnMenu->popup(columns->mapToGlobal(position));
}

void OverviewDock::saveSettings() const {
    EditorSettings::setOverviewColumns(table->horizontalHeader()->saveState());
}

void OverviewDock::restoreSettings() {
    const QByteArray columns = EditorSettings::overviewColumns();
    if (!columns.isEmpty())
        table->horizontalHeader()->restoreState(columns);
}
