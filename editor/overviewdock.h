#ifndef TARVEO_EDITOR_OVERVIEWDOCK_H
#define TARVEO_EDITOR_OVERVIEWDOCK_H

#include <QDockWidget>

class EditorContext;
class OverviewFilter;
class OverviewModel;
class OverviewTable;
class QAction;
class QLineEdit;
class QMenu;

// The overview beside the form: every subclass in a table the user sorts,
// filters and picks from. The row of the subclass on display is selected;
// choosing another row asks for that subclass to be displayed.
class OverviewDock : public QDockWidget {
    Q_OBJECT

public:
    OverviewDock(EditorContext *context, QWidget *parent);

    // Shows the overview and puts the focus in its filter.
    QAction *filterAction() const { return findAction; }
    // The window shows other units.
    void showUnits();
    // The columns' widths, order, visibility and the sort, between starts.
    void saveSettings() const;
    void restoreSettings();

    // Shows the overview beside the form where the screen has room for both,
    // hides it elsewhere: the first look of a window, which the remembered
    // state of the last one replaces.
    void showWhereRoomy();

    // Wide enough for every column at its first width.
    QSize sizeHint() const override;

signals:
    // The user chose the row of the subclass.
    void chosen(quint32 number);
    // The user pressed Enter on the row of the subclass, or double-clicked
    // it: to be displayed and edited.
    void opened(quint32 number);

private:
    // Gives the dock beside the form its width, the window growing for it
    // as far as the screen allows.
    void makeRoom();
    void selectDisplayed();
    void userMoved();
    void focusFilter();
    void showColumnMenu(const QPoint &position);
    quint32 numberAt(const QModelIndex &index) const;
    int firstWidth(int column) const;

    EditorContext *context;
    OverviewModel *model;
    OverviewFilter *filter;
    QLineEdit *filterEdit;
    OverviewTable *table;
    QMenu *columnMenu;
    QAction *findAction;
};

#endif
