// tarveo-check: checks classification files without a desktop, with the
// editor's own reader and checks.
#include "app/version.h"
#include "checkreport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

// The reader's warnings repeat what the report says in its own words; they
// are shown only on request.
void discardMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarveo-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVEO_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Checks vehicle-classification files as the Tarveo editor would.\n"
                       "Exit status: 0 when every file was read whole and could be saved, 1 "
                       "otherwise, 2 for a usage error or a file that cannot be opened. With "
                       "--print, 1 means the file was not read whole."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption printOption(
        QStringLiteral("print"),
        QStringLiteral("Write exactly what Save would write for FILE to standard output."));
    parser.addOption(printOption);
    const QCommandLineOption logOption(
        QStringLiteral("log"),
        QStringLiteral("Also write the reader's warnings to standard error."));
    parser.addOption(logOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Classification files."),
                                 QStringLiteral("FILE..."));
    QTextStream err(stderr);
    // process() would exit with 1 on a bad option; 1 means a file failed.
    if (!parser.parse(QCoreApplication::arguments())) {
        err << parser.errorText() << '\n';
        return CheckStatus::Unusable;
    }
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp(CheckStatus::Passed);
    if (parser.isSet(versionOption))
        parser.showVersion();

    if (!parser.isSet(logOption))
        qInstallMessageHandler(discardMessage);

    QTextStream out(stdout);
    const QStringList files = parser.positionalArguments();
    const bool print = parser.isSet(printOption);
    if (files.isEmpty() || (print && files.size() != 1)) {
        err << (print ? QStringLiteral("--print takes exactly one FILE")
                      : QStringLiteral("no FILE given"))
            << '\n'
            << parser.helpText();
        return CheckStatus::Unusable;
    }
    if (print)
        return printFile(files.first(), out, err);

    int status = CheckStatus::Passed;
    for (const QString &file : files)
        status = qMax(status, reportFile(file, out));
    return status;
}
