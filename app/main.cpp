#include "app/identity.h"
#include "editor/tarveo.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    Identity::apply();
    // The window lives on this stack, so it and its document go before the
    // application object does.
    Tarveo window;
    window.show();
    return app.exec();
}
