// tarveo-sheet FILE.conf OUT.png|OUT.pdf: every subclass of a classification
// drawn into one picture, or the approval report as a PDF. Runs without a
// display.
#include "model/conf.h"
#include "model/findings.h"
#include "report/outputfile.h"
#include "report/report.h"
#include "tools/common/commandline.h"
#include "tools/tarveo-sheet/sheet.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

namespace {

const QString PdfSuffix = QStringLiteral("pdf");

int fail(const QString &message, int status) {
    QTextStream(stderr) << "tarveo-sheet: " << message << '\n';
    return status;
}

// The picture formats Qt can write here, by their file suffixes.
QStringList pictureSuffixes() {
    QStringList suffixes;
    for (const QByteArray &format : QImageWriter::supportedImageFormats())
        suffixes.append(QString::fromLatin1(format).toLower());
    suffixes.removeDuplicates();
    return suffixes;
}

int writePicture(const Conf &conf, const QString &input, const QString &output,
                 const QString &format) {
    const QImage sheet = renderSheet(conf);
    if (sheet.isNull())
        return fail(QStringLiteral("cannot draw %1: %2 subclasses do not fit into one picture")
                        .arg(input)
                        .arg(conf.get_subclass_numbers().size()),
                    ExitStatus::Unusable);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format.toLatin1());
    QString reason;
    if (writer.write(sheet) && OutputFile::write(output, buffer.data(), &reason))
        return ExitStatus::Fine;
    if (reason.isEmpty())
        reason = writer.errorString();
    return fail(QStringLiteral("cannot write %1: %2").arg(output, reason), ExitStatus::Unusable);
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
    const QStringList pictures = pictureSuffixes();
    parser.setApplicationDescription(
        QStringLiteral(
            "Writes the approval report of a classification as a PDF when OUT ends in .pdf: a "
            "title page with the file, its date and header values, then every subclass with "
            "its values, why it is not valid, its axles, constraints, reclassification and "
            "silhouettes with their axle distances, and an approval line with the file's "
            "SHA-256. With any other suffix it draws every subclass at minimum and maximum "
            "axle spacing into one picture in the format the suffix names: %1.\n"
            "Exit status: 0 written, 1 the file was read only in part (nothing is written), 2 "
            "for a usage error or a file that cannot be read or written.")
            .arg(pictures.join(QStringLiteral(", "))));
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
    parser.addPositionalArgument(
        QStringLiteral("OUT"),
        QStringLiteral("Report (.pdf) or picture (.png, .jpg, ...) to write."));
    int status = ExitStatus::Fine;
    if (!common.parse(&status))
        return status;

    const QStringList args = parser.positionalArguments();
    if (args.size() != 2)
        return common.usage(QStringLiteral("give FILE and OUT"));
    const QString input = args.at(0);
    const QString output = args.at(1);
    const QString suffix = QFileInfo(output).suffix().toLower();
    const bool report = suffix == PdfSuffix;
    if (!report && !pictures.contains(suffix))
        return common.usage(QStringLiteral("OUT must end in .%1 for a report or in a picture "
                                           "format: .%2")
                                .arg(PdfSuffix, pictures.join(QStringLiteral(", ."))));
    if (!report) {
        for (const QCommandLineOption *option : {&unitsOption, &lengthsOption, &pageOption})
            if (parser.isSet(*option))
                return common.usage(QStringLiteral("--%1 is for a PDF report; a picture shows "
                                                   "no values")
                                        .arg(option->names().constFirst()));
    }
    ReportOptions options;
    const std::optional<WeightUnit> weight = Report::weightUnitNamed(parser.value(unitsOption));
    const std::optional<LengthUnit> length = Report::lengthUnitNamed(parser.value(lengthsOption));
    const QString page = parser.value(pageOption);
    if (!weight || !length || (page != QLatin1String("a4") && page != QLatin1String("letter")))
        return common.usage(QStringLiteral("--units takes t, lb or kN; --lengths m, ft or in; "
                                           "--page a4 or letter"));
    options.weightUnit = *weight;
    options.lengthUnit = *length;
    options.pageSize = page == QLatin1String("letter") ? QPageSize::Letter : QPageSize::A4;
    options.path = input;

    const Conf conf(input, &app);
    const QVector<Finding> reading = Findings::ofReading(conf);
    if (!reading.isEmpty())
        return fail(QStringLiteral("cannot use %1: %2").arg(input, reading.first().message),
                    conf.get_read_outcome().opened ? ExitStatus::Failed : ExitStatus::Unusable);

    if (!report)
        return writePicture(conf, input, output, suffix);
    QString error;
    if (!Report::writePdf(conf, options, output, &error))
        return fail(error, ExitStatus::Unusable);
    return ExitStatus::Fine;
}
