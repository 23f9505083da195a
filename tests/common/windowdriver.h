#ifndef TARVEO_TESTS_WINDOWDRIVER_H
#define TARVEO_TESTS_WINDOWDRIVER_H

#include "common/modalscript.h"
#include "common/testsupport.h"
#include "editor/tarveo.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

// Drives the main window as a user would: menu commands with their dialogs
// answered, typing into fields found by object name.
namespace WindowDriver {

inline QString dataPath(const QString &name) {
    return testData(QStringLiteral("editing/") + name);
}

inline QStringList fileLines(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

template <typename T = QLineEdit> T *widget(Tarveo &window, const QString &name) {
    T *found = window.findChild<T *>(name);
    if (!found)
        qWarning("No widget named %s", qPrintable(name));
    return found;
}

// Runs a File menu command; the answers go to its boxes and dialogs in order.
// Returns what was shown.
inline QStringList runCommand(Tarveo &window, const QString &action, const QStringList &answers) {
    ModalScript script(answers);
    widget<QAction>(window, action)->trigger();
    return script.shown();
}

inline QStringList open(Tarveo &window, const QString &path) {
    return runCommand(window, QStringLiteral("actionOpen"), {path});
}

// Replaces the field's text as a user would: select all, then type (a
// backspace for an empty text). False when there is no such field.
inline bool retype(Tarveo &window, const QString &name, const QString &text) {
    QLineEdit *edit = widget(window, name);
    if (!edit)
        return false;
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
    return true;
}

inline QComboBox *subclassList(Tarveo &window) {
    return widget<QComboBox>(window, QStringLiteral("comboBoxSubclasses"));
}

inline QStringList entries(QComboBox *combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

} // namespace WindowDriver

#endif
