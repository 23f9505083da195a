// The editor on a generated classification, through the real window: Open
// up to the first subclass shown, a keystroke in each kind of field, and
// stepping to another subclass.
#include "editor/tarveo.h"
#include "figures.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace {

constexpr int Keystrokes = 20; // timed per field, after a few untimed ones
constexpr int WarmUp = 4;
constexpr double OpenGoalMs = 100.0;
constexpr double KeystrokeGoalMs = 2.0;
// At 100,000 subclasses: Open within 2 s, no keystroke over 20 ms.
constexpr int LargeSubclasses = 100000;
constexpr double LargeOpenGoalMs = 2000.0;
constexpr double LargeKeystrokeGoalMs = 20.0;

// The fields a user types in, one of each kind.
const char *const TypedFields[] = {
    "lineEditVersion",        "lineEditCountry",      "lineEditGroupMaxDist", "lineEditMaxAxleDist",
    "lineEditMinAxleDist",    "lineEditUnclassified", "lineEditSubclass",     "lineEditCategory",
    "lineEditMaxGrossWeight", "lineEditConfString",   "lineEditNumOfAxles",   "lineEditReclassUpTo",
    "MaxAxleDist1",           "MinAxleDist1",         "MaxAxleWeightEdit2",   "TyreType2",
    "defaultConstraint1",     "adslConstraint1",
};

// A key press and release as the user's keyboard delivers them.
double pressKey(QWidget *target, int key, const QString &text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QElapsedTimer timer;
    timer.start();
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
    return timer.nsecsElapsed() / 1e6;
}

// The slowest of the keystrokes: the last character taken back and typed
// again, alternately, so the value ends as it was.
double slowestKeystroke(QWidget *target, const QString &last) {
    double slowest = 0;
    for (int i = 0; i < WarmUp + Keystrokes; ++i) {
        const bool erase = i % 2 == 0;
        const double ms = erase ? pressKey(target, Qt::Key_Backspace, QString())
                                : pressKey(target, last.at(0).unicode(), last);
        if (i >= WarmUp)
            slowest = std::max(slowest, ms);
    }
    return slowest;
}

double slowestStep(QWidget *target) {
    double slowest = 0;
    for (int i = 0; i < WarmUp + Keystrokes; ++i) {
        const double ms = pressKey(target, i % 2 ? Qt::Key_Up : Qt::Key_Down, QString());
        if (i >= WarmUp)
            slowest = std::max(slowest, ms);
    }
    return slowest;
}

} // namespace

void benchEditor(const QString &path, int subclasses, Figures &figures) {
    const bool large = subclasses >= LargeSubclasses;
    const double keystrokeGoal = large ? LargeKeystrokeGoalMs : KeystrokeGoalMs;
    Tarveo window;
    window.show();
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    window.openFile(path);
    figures.add(QStringLiteral("Open, up to the first subclass shown"), timer.nsecsElapsed() / 1e6,
                large ? LargeOpenGoalMs : OpenGoalMs);
    // Subclass 3: three axles, a combined weight and a distance constraint.
    window.findChild<QComboBox *>(QStringLiteral("comboBoxSubclasses"))->setCurrentIndex(2);

    for (const char *name : TypedFields) {
        auto *edit = window.findChild<QLineEdit *>(QLatin1String(name));
        if (!edit || !edit->isVisibleTo(&window) || edit->text().isEmpty()) {
            figures.note(QStringLiteral("(no field %1 to type in)").arg(name), 0);
            continue;
        }
        edit->setFocus();
        edit->end(false);
        figures.add(QStringLiteral("keystroke in %1").arg(name),
                    slowestKeystroke(edit, edit->text().right(1)), keystrokeGoal);
    }
    figures.add(QStringLiteral("showing another subclass (Up, Down)"),
                slowestStep(window.findChild<QLineEdit *>(QStringLiteral("lineEditCategory"))),
                keystrokeGoal);
}
