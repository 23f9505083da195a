#include "app/commandline.h"

#include "about/identity.h"
#include "editor/tarveo.h"
#include "model/modellog.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

const QString LogOption = QStringLiteral("log");

void describe(QCommandLineParser &parser) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Edits the vehicle-classification file of a weigh-in-motion "
                       "installation."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        LogOption, QCoreApplication::translate("CommandLine",
                                               "Write every log line of the program to standard "
                                               "error, debug lines included.")));
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("CommandLine", "The classification file to open."),
        QStringLiteral("[FILE]"));
}

} // namespace

namespace CommandLine {

void answerWithoutDisplay(int &argc, char **argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describe(parser);
    // A toolkit option (-platform, -style...) is unknown here: such a
    // command line is left to the window's application object.
    if (!parser.parse(arguments) ||
        !(parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
          parser.isSet(QStringLiteral("version"))))
        return;
    QCoreApplication app(argc, argv);
    Identity::apply();
    parser.process(app);
    // process() has ended the program with the answer.
}

QString fileToOpen(const QStringList &arguments) {
    QCommandLineParser parser;
    describe(parser);
    parser.process(arguments);
    if (parser.isSet(LogOption))
        QLoggingCategory::setFilterRules(Logging::Everything);

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(
            stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
            qPrintable(QCoreApplication::translate("CommandLine", "Only one FILE can be opened.")));
        std::exit(EXIT_FAILURE);
    }
    if (files.isEmpty())
        return QString();
    return QDir::cleanPath(QFileInfo(files.first()).absoluteFilePath());
}

void showAndOpen(Tarveo &window, const QString &path) {
    window.show();
    if (path.isEmpty())
        return;
    QTimer::singleShot(0, &window, [&window, path]() { window.openFile(path); });
}

} // namespace CommandLine
