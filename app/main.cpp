#include "editor/tarveo.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    Tarveo window;
    window.show();
    return app.exec();
}
