#ifndef TARVEO_TOOLS_COMMON_COMMANDLINE_H
#define TARVEO_TOOLS_COMMON_COMMANDLINE_H

#include "tarveoversion.h"
#include "tools/common/exitstatus.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

// What the command-line tools share: --help, --version and --log, one way
// of refusing bad usage, and the reader's log kept quiet unless asked for.
namespace CommandLine {

class Common {
public:
    // Names the application and adds the shared options to the parser.
    Common(const QString &name, QCommandLineParser &parser)
        : parser(parser), help(parser.addHelpOption()), version(parser.addVersionOption()),
          log(QStringLiteral("log"),
              QStringLiteral("Also write the warnings of the reader and the checks to standard "
                             "error.")) {
        QCoreApplication::setApplicationName(name);
        QCoreApplication::setApplicationVersion(QStringLiteral(TARVEO_VERSION));
        parser.addOption(log);
    }

    // Parses the arguments. False when the tool is done: after --help or
    // --version (status Fine) or on bad usage (status Unusable, the reason
    // on standard error). The parser's own exits would give 1 for bad usage.
    bool parse(int *status) {
        if (!parser.parse(QCoreApplication::arguments())) {
            *status = usage(parser.errorText());
            return false;
        }
        QTextStream out(stdout);
        if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
            out << parser.helpText();
            *status = ExitStatus::Fine;
            return false;
        }
        if (parser.isSet(version)) {
            out << QCoreApplication::applicationName() << ' '
                << QCoreApplication::applicationVersion() << '\n';
            *status = ExitStatus::Fine;
            return false;
        }
        qInstallMessageHandler(parser.isSet(log) ? nullptr : discard);
        return true;
    }

    // Writes the reason and the help text to standard error; gives the
    // status of bad usage.
    int usage(const QString &reason) const {
        QTextStream err(stderr);
        err << QCoreApplication::applicationName() << ": " << reason << '\n' << parser.helpText();
        return ExitStatus::Unusable;
    }

    // The reader's warnings repeat what the tools say in their own words. A
    // tool that logs before parsing installs this first; parse() restores
    // the toolkit's own handler for --log.
    static void discard(QtMsgType, const QMessageLogContext &, const QString &) {}

private:
    QCommandLineParser &parser;
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption log;
};

} // namespace CommandLine

#endif
