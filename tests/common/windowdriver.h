#ifndef TARVEO_TESTS_WINDOWDRIVER_H
#define TARVEO_TESTS_WINDOWDRIVER_H

// Drives the main window as a user would: menu commands with their dialogs
// answered, typing into fields found by object name; and reads back what
// the user sees, a field's marking as one text.
#include "common/modalscript.h"
#include "common/testsupport.h"
#include "editor/fieldmarking.h"
#include "model/messages.h"

#include <QtTest>

namespace WindowDriver {

// The reasons a red field gives in its tool tip.
inline QString tip(const char *message) {
    return Messages::text(message);
}
const QString tipMaxDistRange = tip(Messages::MaxDistanceRange);
const QString tipMinDistRange = tip(Messages::MinDistanceRange);

inline QString dataPath(const QString &name) {
    return testData(QStringLiteral("editing/") + name);
}

template <typename T = QLineEdit> T *widget(Tarveo &window, const QString &name) {
    T *found = window.findChild<T *>(name);
    if (!found)
        qWarning("No widget named %s", qPrintable(name));
    return found;
}

inline const Conf &document(Tarveo &window) {
    return TarveoTestAccess::conf(window);
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

// Opens a file of tests/data ("rows/trucks.conf"), or any by its absolute
// path, and shows the window; false when it holds no subclass.
inline bool openShown(Tarveo &window, const QString &file) {
    window.openFile(file.startsWith(QLatin1Char('/')) ? file : testData(file));
    window.show();
    return QTest::qWaitForWindowExposed(&window) &&
           !document(window).get_subclass_numbers().isEmpty();
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

// Retypes the fields in order, each given as "name=text"; false when one
// is missing.
inline bool retypeAll(Tarveo &window, const QStringList &edits) {
    for (const QString &edit : edits)
        if (!retype(window, edit.section('=', 0, 0), edit.section('=', 1)))
            return false;
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

inline QString text(Tarveo &window, const QString &name) {
    return widget(window, name)->text();
}

// "lime", "red", "yellow" or "white", then the tool tip after a colon.
inline QString marking(Tarveo &window, const QString &name) {
    using namespace FieldMarking;
    static const QMap<QString, QString> colours = {{StyleValid, "lime"},
                                                   {StyleInvalid, "red"},
                                                   {StyleWarning, "yellow"},
                                                   {StyleNeutral, "white"}};
    const QLineEdit *edit = widget(window, name);
    const QString colour = colours.value(edit->styleSheet(), edit->styleSheet());
    return edit->toolTip().isEmpty() ? colour : colour + QStringLiteral(": ") + edit->toolTip();
}

inline bool isShown(Tarveo &window, const QString &name) {
    return widget<QWidget>(window, name)->isVisible();
}

// The texts of the named fields, labels or buttons, joined by "|".
inline QString texts(Tarveo &window, const QStringList &names) {
    QStringList found;
    for (const QString &name : names)
        found << widget<QWidget>(window, name)->property("text").toString();
    return found.join(QLatin1Char('|'));
}

inline QString label(Tarveo &window, const QString &name) {
    return widget<QLabel>(window, name)->text();
}

inline void click(Tarveo &window, const QString &button) {
    QTest::mouseClick(widget<QPushButton>(window, button), Qt::LeftButton);
}

// Ticks (or unticks) the check boxes under the axles.
inline void tick(Tarveo &window, std::initializer_list<int> axles, bool ticked = true) {
    for (int axle : axles)
        widget<QCheckBox>(window, QStringLiteral("MaxAxleWeightBox%1").arg(axle))
            ->setChecked(ticked);
}

// The check boxes ticked under the axles, by name.
inline QStringList ticked(Tarveo &window) {
    QStringList names;
    for (const QCheckBox *box : window.findChildren<QCheckBox *>())
        if (box->isChecked())
            names << box->objectName();
    return names;
}

// Picks the subclass in the list, as a user does.
inline bool select(Tarveo &window, quint32 number) {
    subclassList(window)->setCurrentText(QStringLiteral("subclass_%1").arg(number));
    return subclassList(window)->currentText() == QStringLiteral("subclass_%1").arg(number);
}

inline QStringList invalidEntries(Tarveo &window) {
    return entries(widget<QComboBox>(window, QStringLiteral("comboBoxInvalid")));
}

// The key lines of a subclass section, as Save writes them; those whose key
// matches the pattern, when one is given.
inline QStringList sectionLines(Tarveo &window, quint32 number, const QString &keys = {}) {
    const QStringList lines =
        document(window).get_subclass(number).to_string().split(QLatin1Char('\n')).mid(1);
    return keys.isEmpty() ? lines : lines.filter(QRegularExpression(QLatin1Char('^') + keys));
}

// A field typed into ("lineEdit" + field): the line Save then writes for its
// key ("key=" alone: the key is not written) and the field's marking (null:
// as before the edit).
struct FieldCase {
    const char *name, *field, *typed, *line;
    QString marking;
};

// A table of cases as the rows of a test's data, named by their first
// member; the test takes its case with fetchCase.
template <typename Case, std::size_t N> void addCases(const Case (&cases)[N]) {
    QTest::addColumn<int>("row");
    for (std::size_t row = 0; row < N; ++row)
        QTest::newRow(cases[row].name) << int(row);
}

template <typename Case, std::size_t N> const Case &fetchCase(const Case (&cases)[N]) {
    QFETCH(int, row);
    return cases[row];
}

} // namespace WindowDriver

#endif
