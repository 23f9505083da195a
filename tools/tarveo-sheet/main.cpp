// tarveo-sheet FILE.conf OUT.png: draws every subclass of a classification,
// at minimum and at maximum axle spacing, into one picture. Runs without a
// display.
#include "model/conf.h"
#include "tools/tarveo-sheet/sheet.h"

#include <QApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <cstdio>

namespace {

constexpr int exitUsage = 2;
constexpr int exitFailure = 1;

void fail(const QString &message) {
    std::fprintf(stderr, "tarveo-sheet: %s\n", qPrintable(message));
}

// The drawing explains at debug level why a subclass cannot be drawn; the
// sheet says so in the row itself, so only warnings reach the terminal.
void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type != QtDebugMsg && type != QtInfoMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    qInstallMessageHandler(quietHandler);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "Usage: tarveo-sheet FILE.conf OUT.png\n");
        return exitUsage;
    }
    const QString input = args.at(1);
    const QString output = args.at(2);

    const QFileInfo inputInfo(input);
    if (!inputInfo.isFile() || !inputInfo.isReadable()) {
        fail(QStringLiteral("cannot read %1: no such readable file").arg(input));
        return exitFailure;
    }
    const Conf conf(input, &app);
    const ConfReadOutcome &outcome = conf.get_read_outcome();
    if (!outcome.opened) {
        fail(QStringLiteral("cannot read %1").arg(input));
        return exitFailure;
    }
    if (!outcome.readWhole()) {
        fail(QStringLiteral("cannot read %1: line %2 is not a key and a value: %3")
                 .arg(input)
                 .arg(outcome.stopLine)
                 .arg(outcome.stopText));
        return exitFailure;
    }

    const QImage sheet = renderSheet(conf);
    if (sheet.isNull()) {
        fail(QStringLiteral("cannot draw %1: %2 subclasses do not fit into one picture")
                 .arg(input)
                 .arg(conf.get_subclass_numbers().size()));
        return exitFailure;
    }
    QImageWriter writer(output, "png");
    if (!writer.write(sheet)) {
        fail(QStringLiteral("cannot write %1: %2").arg(output, writer.errorString()));
        return exitFailure;
    }
    return 0;
}
