#ifndef TARVEO_EDITOR_AXLEGRID_H
#define TARVEO_EDITOR_AXLEGRID_H

#include "editor/fieldgroup.h"

#include <QVector>
#include <QWidget>

class EditorContext;
class FieldEdit;
class QCheckBox;
class QLineEdit;

namespace Ui {
class AxleGrid;
}

// The middle band: one column per axle in five rows (maximum and minimum
// distance to the next axle, maximum weight, a check box that picks the
// axle for a constraint, tyre type). Widgets are made as the axle count
// grows and hidden, never destroyed, as it shrinks.
class AxleGrid : public QWidget {
    Q_OBJECT

public:
    explicit AxleGrid(QWidget *parent = nullptr);
    ~AxleGrid() override;

    void attach(EditorContext *context);
    // Shows the rows of the displayed subclass. Forced (the subclass is
    // shown afresh) the rows follow its count, at most 20, and fewer than 2
    // show the first axle alone; otherwise only a count of 2 to 20 moves
    // them, so a count still being typed leaves them be.
    void showSubclass(bool force);
    void showUnits();
    // The first axle's widgets, which stand from the first document on.
    void showFirstAxle();
    bool focusField(const FieldRef &ref);

    // The axles whose boxes are ticked, counted from 1.
    QVector<int> tickedAxles() const;
    void untickAll();

private:
    struct Row;
    static const QVector<Row> &rows();
    // Row r's widget at layout position (from 1), made when missing.
    QWidget *widgetAt(int r, int position);
    void setAxles(int axles, bool force);
    void showSums();

    Ui::AxleGrid *ui;
    EditorContext *context = nullptr;
    FieldGroup fields;
    // Per row, its widgets by layout position - 1, and their fields.
    QVector<QVector<QWidget *>> widgets;
    QVector<QVector<FieldEdit *>> edits;
    int axles = 0; // the axles the rows show
};

#endif
