#include "keystrokes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

namespace {

constexpr int Timed = 20; // after a few untimed ones
constexpr int WarmUp = 4;

} // namespace

namespace Keystrokes {

double press(QWidget *target, int key, const QString &text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QElapsedTimer timer;
    timer.start();
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
    return timer.nsecsElapsed() / 1e6;
}

double slowestRetyping(QWidget *target, const QString &last) {
    double slowest = 0;
    for (int i = 0; i < WarmUp + Timed; ++i) {
        const bool erase = i % 2 == 0;
        const double ms = erase ? press(target, Qt::Key_Backspace, QString())
                                : press(target, last.at(0).unicode(), last);
        if (i >= WarmUp)
            slowest = std::max(slowest, ms);
    }
    return slowest;
}

double slowestStep(QWidget *target) {
    double slowest = 0;
    for (int i = 0; i < WarmUp + Timed; ++i) {
        const double ms = press(target, i % 2 ? Qt::Key_Up : Qt::Key_Down, QString());
        if (i >= WarmUp)
            slowest = std::max(slowest, ms);
    }
    return slowest;
}

} // namespace Keystrokes
