#include "app/commandline.h"
#include "about/identity.h"
#include "editor/tarveo.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    CommandLine::answerWithoutDisplay(argc, argv);
    QApplication app(argc, argv);
    Identity::apply();
    // Before the window: a command line it cannot follow ends the program.
    const QString file = CommandLine::fileToOpen(QCoreApplication::arguments());
    // The window lives on this stack, so it and its document go before the
    // application object does.
    Tarveo window;
    window.restoreSettings();
    CommandLine::showAndOpen(window, file);
    return app.exec();
}
