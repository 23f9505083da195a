// tarveo-check: checks classification files without a desktop, with the
// editor's own reader and checks.
#include "checkreport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarveo-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVEO_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Checks vehicle-classification files as the Tarveo editor would.\n"
                       "Exit status: 0 when every file was read whole and could be saved, 1 "
                       "otherwise, 2 for a usage error or a file that cannot be opened."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption printOption(
        QStringLiteral("print"),
        QStringLiteral("Write exactly what Save would write for FILE to standard output."));
    parser.addOption(printOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Classification files."),
                                 QStringLiteral("FILE..."));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
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
