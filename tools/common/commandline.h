#ifndef TARVEO_TOOLS_COMMON_COMMANDLINE_H
#define TARVEO_TOOLS_COMMON_COMMANDLINE_H

#include "tarveoversion.h"
#include "model/modellog.h"
#include "tools/common/checkedoutput.h"
#include "tools/common/exitstatus.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>
#include <initializer_list>

// What the command-line tools share: --help, --version and --log, one way
// of refusing bad usage, and the program's log kept quiet unless asked for.
namespace CommandLine {

// Two options that do not go together, named as the user writes them
// ("--print", "--format json"), and whether both were given.
struct Clash {
    bool given;
    const char *first;
    const char *second;
};

class Common {
public:
    // Names the application and adds the shared options to the parser. The
    // log stays off from here: the tools' findings say in their own words
    // what the program's warnings would; --log or QT_LOGGING_RULES turn it on.
    Common(const QString &name, QCommandLineParser &parser)
        : parser(parser), help(parser.addHelpOption()), version(parser.addVersionOption()),
          log(QStringLiteral("log"),
              QStringLiteral("Also write the program's log to standard error: the warnings of "
                             "the reader and the checks, and their debug lines.")) {
        QCoreApplication::setApplicationName(name);
        QCoreApplication::setApplicationVersion(QStringLiteral(TARVEO_VERSION));
        parser.addOption(log);
        QLoggingCategory::setFilterRules(Logging::Nothing);
    }

    // Parses the arguments. False when the tool is done: after --help or
    // --version (status Fine, or Unusable when the answer could not be
    // written) or on bad usage (status Unusable, the reason on standard
    // error). The parser's own exits would give 1 for bad usage.
    bool parse(int *status) {
        if (!parser.parse(QCoreApplication::arguments())) {
            *status = usage(parser.errorText());
            return false;
        }
        if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
            CheckedOutput out;
            out.text() << parser.helpText();
            *status = out.finish(ExitStatus::Fine);
            return false;
        }
        if (parser.isSet(version)) {
            CheckedOutput out;
            out.text() << QCoreApplication::applicationName() << ' '
                       << QCoreApplication::applicationVersion() << '\n';
            *status = out.finish(ExitStatus::Fine);
            return false;
        }
        if (parser.isSet(log))
            QLoggingCategory::setFilterRules(Logging::Everything);
        // Undoes a tool's discard() from before parsing.
        qInstallMessageHandler(nullptr);
        return true;
    }

    // Writes the reason and where to find help to standard error; gives the
    // status of bad usage.
    int usage(const QString &reason) const {
        const QString name = QCoreApplication::applicationName();
        QTextStream(stderr) << name << ": " << reason << "\nTry '" << name << " --help'.\n";
        return ExitStatus::Unusable;
    }

    // Refuses the first pair of options given together that do not go
    // together: true after writing the reason as usage() does.
    bool refuses(std::initializer_list<Clash> clashes, int *status) const {
        for (const Clash &clash : clashes) {
            if (!clash.given)
                continue;
            *status = usage(QStringLiteral("%1 cannot be used with %2")
                                .arg(QLatin1String(clash.first), QLatin1String(clash.second)));
            return true;
        }
        return false;
    }

    // Quiets everything before parse(), for a tool whose toolkit talks while
    // it starts; parse() puts the toolkit's own handler back.
    static void discard(QtMsgType, const QMessageLogContext &, const QString &) {}

private:
    QCommandLineParser &parser;
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption log;
};

} // namespace CommandLine

#endif
