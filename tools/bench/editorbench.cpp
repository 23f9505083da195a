// The editor on a classification of 2,000 subclasses, through the real
// window: Open up to the first subclass shown, one keystroke in a per-axle
// field, one in the header maximum axle distance (which rebuilds the invalid
// list), and the checks Save makes before its dialog.
#include "editor/tarveo.h"
#include "generated.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int BenchSubclasses = 2000;
constexpr int Keystrokes = 50;   // each keystroke figure is the mean of this many
constexpr double FrameMs = 16.0; // what one keystroke may cost at most

// A key press and release as the user's keyboard delivers them.
void pressKey(QWidget *target, int key, const QString &text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

// Mean cost of one keystroke in the edit: a digit typed at the end and
// taken back again, alternately, so the value stays what it was.
double keystrokeMs(QLineEdit *edit) {
    edit->setFocus();
    edit->end(false);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Keystrokes; ++i) {
        if (i % 2 == 0)
            pressKey(edit, Qt::Key_5, QStringLiteral("5"));
        else
            pressKey(edit, Qt::Key_Backspace, QString());
    }
    return timer.nsecsElapsed() / 1e6 / Keystrokes;
}

} // namespace

void benchEditor() {
    QTextStream out(stdout);
    auto line = [&out](const QString &what, double ms, const char *note = "") {
        out << "editor: " << what << ": " << ms << " ms" << note << '\n';
        out.flush();
    };

    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("editor-large.conf"));
    if (!dir.isValid() || !writeGeneratedClassification(source, BenchSubclasses)) {
        out << "editor: cannot write " << source << '\n';
        return;
    }

    Tarveo window;
    window.show();
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    window.openFile(source);
    line(QStringLiteral("open %1 subclasses, first one shown").arg(BenchSubclasses),
         timer.nsecsElapsed() / 1e6);
    if (window.document().get_subclass_numbers().size() != BenchSubclasses) {
        out << "editor: the generated file was not read whole\n";
        return;
    }

    const char *overBudget = " (over one frame)";
    auto keystroke = [&](const char *name, const QString &what) {
        auto *edit = window.findChild<QLineEdit *>(QLatin1String(name));
        if (!edit || !edit->isVisibleTo(&window)) {
            out << "editor: no visible field " << name << '\n';
            return;
        }
        const double ms = keystrokeMs(edit);
        line(what, ms, ms < FrameMs ? "" : overBudget);
    };
    keystroke("MaxAxleDist1", QStringLiteral("keystroke in a per-axle distance"));
    keystroke("lineEditMaxAxleDist", QStringLiteral("keystroke in the header max axle distance"));

    timer.restart();
    const bool passed = window.saveChecksPass();
    line(QStringLiteral("save checks (%1)").arg(passed ? "passed" : "refused"),
         timer.nsecsElapsed() / 1e6);
}
