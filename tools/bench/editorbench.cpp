// The editor on a generated classification, through the real window: Open
// up to the first subclass shown, a keystroke in each kind of field, and
// stepping to another subclass.
#include "editor/tarveo.h"
#include "figures.h"
#include "keystrokes.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>

namespace {

constexpr double OpenGoalMs = 100.0;
constexpr double KeystrokeGoalMs = 2.0;
// At 100,000 subclasses: Open within 2 s, no keystroke over 20 ms.
constexpr int LargeSubclasses = 100000;
constexpr double LargeOpenGoalMs = 2000.0;
constexpr double LargeKeystrokeGoalMs = 20.0;

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

    for (const char *name : Keystrokes::TypedFields) {
        auto *edit = window.findChild<QLineEdit *>(QLatin1String(name));
        if (!edit || !edit->isVisibleTo(&window) || edit->text().isEmpty()) {
            figures.note(QStringLiteral("(no field %1 to type in)").arg(name), 0);
            continue;
        }
        edit->setFocus();
        edit->end(false);
        figures.add(QStringLiteral("keystroke in %1").arg(name),
                    Keystrokes::slowestRetyping(edit, edit->text().right(1)), keystrokeGoal);
    }
    figures.add(
        QStringLiteral("showing another subclass (Up, Down)"),
        Keystrokes::slowestStep(window.findChild<QLineEdit *>(QStringLiteral("lineEditCategory"))),
        keystrokeGoal);
}
