#include "editor/overviewtable.h"

#include <QKeyEvent>

namespace {

bool movesInList(const QKeyEvent *key) {
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

} // namespace

OverviewTable::OverviewTable(QWidget *parent) : QTableView(parent) {}

bool OverviewTable::event(QEvent *event) {
    // Taken here, the key reaches keyPressEvent rather than a window shortcut.
    if (event->type() == QEvent::ShortcutOverride && movesInList(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

void OverviewTable::keyPressEvent(QKeyEvent *event) {
    QTableView::keyPressEvent(event);
    emit movedByUser();
}

void OverviewTable::mousePressEvent(QMouseEvent *event) {
    QTableView::mousePressEvent(event);
    emit movedByUser();
}

void OverviewTable::mouseMoveEvent(QMouseEvent *event) {
    QTableView::mouseMoveEvent(event);
    if (event->buttons() != Qt::NoButton)
        emit movedByUser();
}
