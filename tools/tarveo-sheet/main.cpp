// tarveo-sheet FILE.conf OUT.png|OUT.pdf: every subclass of a classification
// drawn into one picture, or the approval report as a PDF. Runs without a
// display.
#include "model/conf.h"
#include "model/findings.h"
#include "tools/common/commandline.h"
#include "tools/tarveo-sheet/report.h"
#include "tools/tarveo-sheet/sheet.h"

#include <QApplication>
#include <QFileInfo>
#include <QImageWriter>

namespace {

int fail(const QString &message, int status) {
    QTextStream(stderr) << "tarveo-sheet: " << message << '\n';
    return status;
}

int writePicture(const Conf &conf, const QString &input, const QString &output) {
    const QImage sheet = renderSheet(conf);
    if (sheet.isNull())
        return fail(QStringLiteral("cannot draw %1: %2 subclasses do not fit into one picture")
                        .arg(input)
                        .arg(conf.get_subclass_numbers().size()),
                    ExitStatus::Unusable);
    QImageWriter writer(output, "png");
    if (!writer.write(sheet))
        return fail(QStringLiteral("cannot write %1: %2").arg(output, writer.errorString()),
                    ExitStatus::Unusable);
    return ExitStatus::Fine;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform's start-up notes are no concern of a user without a display.
    qInstallMessageHandler(CommandLine::Common::discard);
    QApplication app(argc, argv);
    QCommandLineParser parser;
    CommandLine::Common common(QStringLiteral("tarveo-sheet"), parser);
    parser.setApplicationDescription(QStringLiteral(
        "Draws every subclass of a classification at minimum and maximum axle spacing into a "
        "PNG picture, or writes the approval report as a PDF when OUT ends in .pdf: a title "
        "page with the file, its date and header values, then every subclass with its values, "
        "axles, constraints, reclassification and silhouettes.\n"
        "Exit status: 0 written, 1 the file was read only in part (nothing is written), 2 for "
        "a usage error or a file that cannot be read or written."));
    const QCommandLineOption unitsOption(QStringLiteral("units"),
                                         QStringLiteral("Weights in the PDF report: t "
                                                        "(default), lb or kN."),
                                         QStringLiteral("t|lb|kN"), QStringLiteral("t"));
    const QCommandLineOption lengthsOption(QStringLiteral("lengths"),
                                           QStringLiteral("Lengths in the PDF report: m "
                                                          "(default), ft or in."),
                                           QStringLiteral("m|ft|in"), QStringLiteral("m"));
    const QCommandLineOption pageOption(QStringLiteral("page"),
                                        QStringLiteral("Page size of the PDF report: a4 "
                                                       "(default) or letter."),
                                        QStringLiteral("a4|letter"), QStringLiteral("a4"));
    for (const QCommandLineOption &option : {unitsOption, lengthsOption, pageOption})
        parser.addOption(option);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Classification file."));
    parser.addPositionalArgument(QStringLiteral("OUT"),
                                 QStringLiteral("Picture (.png) or report (.pdf) to write."));
    int status = ExitStatus::Fine;
    if (!common.parse(&status))
        return status;

    const QStringList args = parser.positionalArguments();
    if (args.size() != 2)
        return common.usage(QStringLiteral("give FILE and OUT"));
    ReportOptions options;
    const std::optional<WeightUnit> weight = weightUnitNamed(parser.value(unitsOption));
    const std::optional<LengthUnit> length = lengthUnitNamed(parser.value(lengthsOption));
    const QString page = parser.value(pageOption);
    if (!weight || !length || (page != QLatin1String("a4") && page != QLatin1String("letter")))
        return common.usage(QStringLiteral("--units takes t, lb or kN; --lengths m, ft or in; "
                                           "--page a4 or letter"));
    options.weightUnit = *weight;
    options.lengthUnit = *length;
    options.pageSize = page == QLatin1String("letter") ? QPageSize::Letter : QPageSize::A4;

    const QString input = args.at(0);
    const QString output = args.at(1);
    const Conf conf(input, &app);
    const QVector<Finding> reading = Findings::ofReading(conf);
    if (!reading.isEmpty())
        return fail(QStringLiteral("cannot use %1: %2").arg(input, reading.first().message),
                    conf.get_read_outcome().opened ? ExitStatus::Failed : ExitStatus::Unusable);

    if (!output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return writePicture(conf, input, output);
    QString error;
    if (!writeReport(conf, input, options, output, &error))
        return fail(error, ExitStatus::Unusable);
    return ExitStatus::Fine;
}
