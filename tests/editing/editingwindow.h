#ifndef TARVEO_TESTS_EDITING_EDITINGWINDOW_H
#define TARVEO_TESTS_EDITING_EDITINGWINDOW_H

// What the editing tests share: the window with a file opened and shown,
// its fields read by name, and a field's marking as one text.
#include "common/expectedtexts.h"
#include "common/testsupport.h"
#include "common/windowdriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

namespace EditingWindow {
using namespace WindowDriver;
using namespace Expected;

const QString tipAxleConf = QStringLiteral(
    "Proper format is XaYb where X must be one of:\nA=tractor, B=bus, C=car, H=heavy truck, "
    "L=light truck, M=motorbike, V=van\nand Y is one of (D=dolly, T=trailer, S=semi-trailer).\na "
    "and b represent the number of axles on the part and must be equal to number of axles.");
// The constraint fields keep the reference sentence and give their format.
const QString tipRefman = QStringLiteral("Consult Kestrune refman for proper format\n");
const QString tipTotalDistance =
    tipRefman + "Format min,max, for example 10,25.5: lower bound 10, upper bound 25.5.";
const QString tipTotalWeight =
    tipRefman + "Format weight,class;weight,class, for example 50,3;400,7: lower weight 50 with "
                "class 3, upper weight 400 with class 7.";
const QString tipDistanceConstraint =
    tipRefman + "Format axles:min,max, for example 1+2:3.5,4.2: axles 1 and 2, lower bound 3.5, "
                "upper bound 4.2.";

inline const Conf &document(Tarveo &window) {
    return TarveoTestAccess::conf(window);
}

// Opens a file of tests/data ("rows/trucks.conf"), or any by its absolute
// path, and shows the window; false when it holds no subclass.
inline bool openShown(Tarveo &window, const QString &file) {
    window.openFile(file.startsWith(QLatin1Char('/')) ? file : testData(file));
    window.show();
    return QTest::qWaitForWindowExposed(&window) &&
           !document(window).get_subclass_numbers().isEmpty();
}

inline QString text(Tarveo &window, const QString &name) {
    return widget(window, name)->text();
}

// "lime", "red", "yellow" or "white", then the tool tip after a colon.
inline QString marking(Tarveo &window, const QString &name) {
    static const QMap<QString, QString> colours = {
        {lime, "lime"}, {red, "red"}, {yellow, "yellow"}, {white, "white"}};
    const QLineEdit *edit = widget(window, name);
    const QString colour = colours.value(edit->styleSheet(), edit->styleSheet());
    return edit->toolTip().isEmpty() ? colour : colour + QStringLiteral(": ") + edit->toolTip();
}

// Retypes the fields in order, each given as "name=text"; false when one
// is missing.
inline bool retypeAll(Tarveo &window, const QStringList &edits) {
    for (const QString &edit : edits)
        if (!retype(window, edit.section('=', 0, 0), edit.section('=', 1)))
            return false;
    return true;
}

inline bool isShown(Tarveo &window, const QString &name) {
    return widget<QWidget>(window, name)->isVisible();
}

// Fields as the user sees them: "hidden", or the text and the marking
// ("9.00 lime"; "red: <tip>" when empty).
inline QStringList seen(Tarveo &window, const QStringList &names) {
    QStringList found;
    for (const QString &name : names)
        found << (isShown(window, name)
                      ? (text(window, name) + ' ' + marking(window, name)).trimmed()
                      : QStringLiteral("hidden"));
    return found;
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
    const char *name, *field, *typed;
    const char *line;
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

} // namespace EditingWindow

#endif
