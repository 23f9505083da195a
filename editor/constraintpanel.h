#ifndef TARVEO_EDITOR_CONSTRAINTPANEL_H
#define TARVEO_EDITOR_CONSTRAINTPANEL_H

#include "editor/fieldgroup.h"

#include <QVector>
#include <QWidget>

class AxleGrid;
class EditorContext;
class FieldEdit;

namespace Ui {
class ConstraintPanel;
}

// The combined constraints of the displayed subclass: a new one is built
// from the ticked axles and the values typed beside the kind chosen, and
// each shows as an editable row in the frame of its kind (emptying a row
// deletes it); below them the two total constraints.
class ConstraintPanel : public QWidget {
    Q_OBJECT

public:
    explicit ConstraintPanel(QWidget *parent = nullptr);
    ~ConstraintPanel() override;

    void attach(EditorContext *context, AxleGrid *axles);
    void showSubclass(bool force);
    void showUnits();
    bool focusField(const FieldRef &ref);

private:
    struct Kind;
    static const QVector<Kind> &kinds();

    void kindChosen(int index);
    void addClicked();
    // The rows of one kind, as many as the subclass has constraints.
    void showRows(int kind, bool force);

    Ui::ConstraintPanel *ui;
    EditorContext *context = nullptr;
    AxleGrid *axleGrid = nullptr;
    FieldGroup fields;
    // Per kind, its row edits in order; rows are hidden, never destroyed.
    QVector<QVector<FieldEdit *>> rows;
    // Rows made for a constraint being added are named after its count.
    bool adding = false;
};

#endif
