// tarveo-check: checks classification files without a desktop, with the
// editor's own reader and checks; compares two of them in content.
#include "checkreport.h"
#include "diffreport.h"
#include "tools/common/checkedoutput.h"
#include "tools/common/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

const QString TextFormat = QStringLiteral("text");
const QString JsonFormat = QStringLiteral("json");

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    CommandLine::Common common(QStringLiteral("tarveo-check"), parser);
    parser.setApplicationDescription(QStringLiteral(
        "Checks vehicle-classification files as the Tarveo editor would and says why each "
        "field fails, in the words of the editor's tool tips.\n"
        "Exit status: 0 when every file was read whole and could be saved, 1 otherwise, 2 "
        "for a usage error, a file that cannot be opened or output that cannot be written. "
        "With --print, 1 means the file was not read whole; with --diff, 1 means the files "
        "differ in content."));
    const QCommandLineOption printOption(
        QStringLiteral("print"),
        QStringLiteral("Write exactly what Save would write for FILE to standard output. Not "
                       "with --diff, --overlaps, --strict or --format json."));
    const QCommandLineOption diffOption(
        QStringLiteral("diff"),
        QStringLiteral("Compare OLD and NEW in content: header keys, subclasses added or "
                       "removed, and per subclass the values, per-axle entries and constraints "
                       "that differ, old and new side by side in file units. Numbers equal in "
                       "value (2.50 and 2.5) are equal; only entries in use are compared. Not with "
                       "--overlaps or --strict."));
    const QCommandLineOption overlapsOption(
        QStringLiteral("overlaps"),
        QStringLiteral("Also list pairs of subclasses with the same number of axles whose "
                       "minimum-maximum distance windows share a value at every axle gap, so "
                       "that one vehicle's spacing fits both. The check looks at distances "
                       "only: weights, tyre types and constraints may still tell the two apart. "
                       "The pairs are warnings."));
    const QCommandLineOption strictOption(
        QStringLiteral("strict"),
        QStringLiteral("Exit with 1 on any finding, warnings and overlapping subclasses "
                       "included, not only when Save would refuse the file."));
    const QCommandLineOption formatOption(
        QStringLiteral("format"),
        QStringLiteral("Output as text lines (default) or as one JSON document."),
        QStringLiteral("text|json"), TextFormat);
    for (const QCommandLineOption &option :
         {printOption, diffOption, overlapsOption, strictOption, formatOption})
        parser.addOption(option);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Classification files; OLD and NEW with --diff."),
                                 QStringLiteral("FILE..."));
    int status = ExitStatus::Fine;
    if (!common.parse(&status))
        return status;

    const QStringList files = parser.positionalArguments();
    const bool print = parser.isSet(printOption);
    const bool diff = parser.isSet(diffOption);
    const bool overlaps = parser.isSet(overlapsOption);
    const bool strict = parser.isSet(strictOption);
    const QString format = parser.value(formatOption);
    if (format != TextFormat && format != JsonFormat)
        return common.usage(QStringLiteral("--format takes text or json"));
    const bool json = format == JsonFormat;
    // --print writes the file's text alone and --diff has its own status:
    // neither has findings for the others to act on.
    if (common.refuses({{print && diff, "--print", "--diff"},
                        {print && overlaps, "--print", "--overlaps"},
                        {print && strict, "--print", "--strict"},
                        {print && json, "--print", "--format json"},
                        {diff && overlaps, "--diff", "--overlaps"},
                        {diff && strict, "--diff", "--strict"}},
                       &status))
        return status;
    if (print && files.size() != 1)
        return common.usage(QStringLiteral("--print takes exactly one FILE"));
    if (diff && files.size() != 2)
        return common.usage(QStringLiteral("--diff takes exactly two FILEs, OLD and NEW"));
    if (files.isEmpty())
        return common.usage(QStringLiteral("no FILE given"));

    CheckedOutput output;
    QTextStream &out = output.text();
    QTextStream err(stderr);
    if (print)
        return output.finish(printFile(files.first(), out, err));
    if (diff)
        return output.finish(diffFiles(files.at(0), files.at(1), json, out, err));
    CheckOptions options;
    options.json = json;
    options.overlaps = overlaps;
    options.strict = strict;
    return output.finish(reportFiles(files, options, out));
}
