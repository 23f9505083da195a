#ifndef TARVEO_EDITOR_ROWWIDGETS_H
#define TARVEO_EDITOR_ROWWIDGETS_H

#include <QFrame>
#include <QLayout>

// The widgets of the window's rows: a frame whose layout holds the row's
// label (or spacer) at position 0 and the run-time widgets after it.
namespace RowWidgets {

// The widget at a layout position of the frame, or null.
inline QWidget *at(QFrame *frame, int position) {
    QLayout *layout = frame ? frame->layout() : nullptr;
    QLayoutItem *item = layout && position >= 0 ? layout->itemAt(position) : nullptr;
    return item ? item->widget() : nullptr;
}

// The number of run-time widgets after the label.
inline int count(QFrame *frame) {
    return frame->layout()->count() - 1;
}

} // namespace RowWidgets

#endif
