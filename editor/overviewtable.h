#ifndef TARVEO_EDITOR_OVERVIEWTABLE_H
#define TARVEO_EDITOR_OVERVIEWTABLE_H

#include <QTableView>

// The overview's table. The window steps through its subclasses with Up and
// Down wherever the focus is; in the table those keys and the other keys of
// a list move the table's own row instead. Says when the user, by mouse or
// key, may have moved the current row, as opposed to the row moving with
// changes of the rows themselves.
class OverviewTable : public QTableView {
    Q_OBJECT

public:
    explicit OverviewTable(QWidget *parent = nullptr);

signals:
    void movedByUser();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

#endif
