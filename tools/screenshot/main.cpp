// Draws the editor's window with the overview for the README:
//   tarveo-screenshot FILE.conf SUBCLASS OUT.png
// The window opens the file and displays the subclass, the overview beside
// it, at a fixed size, whatever the screen; scripts/screenshot.sh runs it
// without a display.
#include "editor/tarveo.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QStandardPaths>
#include <cstdio>

namespace {

// A window as wide as the form and the whole overview beside it, the form
// at its narrowest.
const QSize WindowSize(2560, 760);
constexpr int ExpectedArguments = 4;

} // namespace

int main(int argc, char *argv[]) {
    // Nothing of the user's settings is read or written: the recent files
    // and the window's shape stay as they were.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const QStringList arguments = app.arguments();
    if (arguments.size() != ExpectedArguments) {
        std::fprintf(stderr, "usage: tarveo-screenshot FILE.conf SUBCLASS OUT.png\n");
        return 2;
    }
    Tarveo window;
    window.openFile(arguments.at(1));
    window.findChild<QComboBox *>(QStringLiteral("comboBoxSubclasses"))
        ->setCurrentText(QStringLiteral("subclass_") + arguments.at(2));
    window.resize(WindowSize);
    window.show();
    // As View > Overview shows it.
    auto *overview = window.findChild<QAction *>(QStringLiteral("actionOverview"));
    if (!overview->isChecked())
        overview->trigger();
    auto *dock = window.findChild<QDockWidget *>(QStringLiteral("dockOverview"));
    window.resizeDocks({dock}, {WindowSize.width()}, Qt::Horizontal);
    QApplication::processEvents();
    if (!window.grab().save(arguments.at(3))) {
        std::fprintf(stderr, "tarveo-screenshot: cannot write %s\n", qPrintable(arguments.at(3)));
        return 1;
    }
    return 0;
}
