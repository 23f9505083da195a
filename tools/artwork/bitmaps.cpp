// Redraws the vehicle bitmaps of the drawing. Usage: tarveo-bitmaps DIR
// writes the twenty .bmp files into DIR (normally res/bmps of the source).
#include "drawing/bitmaps.h"
#include "tools/artwork/vehicleart.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "Usage: tarveo-bitmaps DIR\n");
        return 2;
    }
    const QDir dir(args.at(1));
    if (!dir.exists()) {
        std::fprintf(stderr, "No such folder: %s\n", qPrintable(args.at(1)));
        return 1;
    }
    for (int index = 0; index < VehicleBitmapCount; ++index) {
        const QString name =
            QFileInfo(QString::fromLatin1(vehicleBitmapInfo(index)->path)).fileName();
        const QString path = dir.filePath(name);
        if (!drawVehicleArt(index).save(path, "BMP")) {
            std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
