#ifndef TARVEO_TESTS_EDITING_TST_ROWS_WINDOW_H
#define TARVEO_TESTS_EDITING_TST_ROWS_WINDOW_H

// What the axle row and constraint tests share: a window with a file of
// tests/data/rows opened and shown, and typing as a user does.
#include "common/expectedtexts.h"
#include "common/testsupport.h"
#include "common/windowdriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

namespace RowsWindow {

// Opens the data file and shows the window; false when nothing was opened.
inline bool openShown(Tarveo &window, const QString &name) {
    window.openFile(testData(QStringLiteral("rows/") + name));
    window.show();
    return QTest::qWaitForWindowExposed(&window) &&
           window.document().get_subclass_numbers().size() > 0;
}

using namespace Expected;
using WindowDriver::retype;
using WindowDriver::widget;

// Picks the subclass in the list, as a user does.
inline bool select(Tarveo &window, quint32 number) {
    QComboBox *list = WindowDriver::subclassList(window);
    const int index = list->findText(QStringLiteral("subclass_%1").arg(number));
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    return true;
}

inline bool isLime(const QLineEdit *edit) {
    return edit && edit->styleSheet() == lime;
}
inline bool isRed(const QLineEdit *edit) {
    return edit && edit->styleSheet() == red;
}

} // namespace RowsWindow

#endif
