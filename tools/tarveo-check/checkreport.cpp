#include "checkreport.h"

#include "model/conf.h"
#include "model/findings.h"
#include "model/numbers.h"
#include "model/overlaps.h"
#include "tools/common/exitstatus.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

const QString InvalidSubclasses = QStringLiteral("invalid subclasses: %1");
const QString Overlap = QStringLiteral("subclasses %1 and %2 overlap in axle distances: %3");
const QString GapWindow = QStringLiteral("axles %1-%2 %3 to %4 m");
const QString WarningMark = QStringLiteral("warning: ");
const QString Passes = QStringLiteral("ok");

QString joinNumbers(const QVector<quint32> &numbers) {
    QStringList texts;
    for (quint32 number : numbers)
        texts.append(QString::number(number));
    return texts.join(QStringLiteral(", "));
}

QString describeOverlap(const SubclassOverlap &overlap) {
    QStringList gaps;
    for (int i = 0; i < overlap.shared.size(); ++i)
        gaps.append(GapWindow.arg(i + 1).arg(i + 2).arg(Numbers::general(overlap.shared[i].min),
                                                        Numbers::general(overlap.shared[i].max)));
    return Overlap.arg(overlap.first).arg(overlap.second).arg(gaps.join(QStringLiteral(", ")));
}

// A window bound as a JSON number with the digits the text shows, not the
// float's binary tail.
double jsonNumber(float value) {
    return Numbers::general(value).toDouble();
}

QString placeKey(FieldPlace place) {
    switch (place) {
    case FieldPlace::Axle:
        return QStringLiteral("axle");
    case FieldPlace::Gap:
        return QStringLiteral("gap");
    case FieldPlace::Row:
        return QStringLiteral("row");
    case FieldPlace::Whole:
        break;
    }
    return QString();
}

QJsonObject findingJson(const QString &path, const Finding &finding) {
    QJsonObject object{{QStringLiteral("file"), path},
                       {QStringLiteral("message"), finding.message},
                       {QStringLiteral("severity"), Findings::severityName(finding.severity)}};
    if (finding.subclass)
        object.insert(QStringLiteral("subclass"), qint64(*finding.subclass));
    if (!finding.field.isEmpty()) {
        object.insert(QStringLiteral("field"), finding.field);
        object.insert(QStringLiteral("value"), finding.value);
    }
    if (finding.place != FieldPlace::Whole)
        object.insert(placeKey(finding.place), finding.index);
    return object;
}

QJsonObject overlapJson(const QString &path, const SubclassOverlap &overlap) {
    QJsonArray gaps;
    for (int i = 0; i < overlap.shared.size(); ++i)
        gaps.append(QJsonObject{{QStringLiteral("gap"), i + 1},
                                {QStringLiteral("min"), jsonNumber(overlap.shared[i].min)},
                                {QStringLiteral("max"), jsonNumber(overlap.shared[i].max)}});
    return {
        {QStringLiteral("file"), path},
        {QStringLiteral("subclasses"), QJsonArray{qint64(overlap.first), qint64(overlap.second)}},
        {QStringLiteral("gaps"), gaps},
        {QStringLiteral("message"), describeOverlap(overlap)},
        {QStringLiteral("severity"), Findings::severityName(Finding::Severity::Warning)}};
}

// The findings of one file, gathered once for either form of output.
struct FileReport {
    QString path;
    int status = ExitStatus::Fine;
    QVector<Finding> findings;
    QVector<quint32> invalid;
    QVector<SubclassOverlap> overlaps;
};

FileReport examine(const QString &path, const CheckOptions &options) {
    const Conf conf(path, nullptr);
    FileReport report{path, ExitStatus::Fine, Findings::ofDocument(conf), {}, {}};
    const ConfReadOutcome &outcome = conf.get_read_outcome();
    if (!outcome.opened) {
        report.status = ExitStatus::Unusable;
        return report;
    }
    report.invalid = conf.get_invalid_subclasses();
    if (options.overlaps)
        report.overlaps = Overlaps::find(conf);
    const bool anything = !report.findings.isEmpty() || !report.overlaps.isEmpty();
    if (!outcome.heldWhole() || !conf.is_valid().valid || (options.strict && anything))
        report.status = ExitStatus::Failed;
    return report;
}

void writeText(const FileReport &report, QTextStream &out) {
    const QString prefix = report.path + QStringLiteral(": ");
    for (const Finding &finding : report.findings) {
        // One finding, one line: the editor's multi-line tips are joined.
        QString line = Findings::describe(finding);
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        out << prefix << (finding.severity == Finding::Severity::Warning ? WarningMark : QString())
            << line << '\n';
    }
    if (!report.invalid.isEmpty())
        out << prefix << InvalidSubclasses.arg(joinNumbers(report.invalid)) << '\n';
    for (const SubclassOverlap &overlap : report.overlaps)
        out << prefix << WarningMark << describeOverlap(overlap) << '\n';
    if (report.findings.isEmpty() && report.overlaps.isEmpty())
        out << prefix << Passes << '\n';
}

} // namespace

int reportFiles(const QStringList &paths, const CheckOptions &options, QTextStream &out) {
    int status = ExitStatus::Fine;
    QJsonArray files;
    QJsonArray findings;
    QJsonArray overlaps;
    for (const QString &path : paths) {
        const FileReport report = examine(path, options);
        status = qMax(status, report.status);
        if (!options.json) {
            writeText(report, out);
            continue;
        }
        files.append(
            QJsonObject{{QStringLiteral("file"), path}, {QStringLiteral("status"), report.status}});
        for (const Finding &finding : report.findings)
            findings.append(findingJson(path, finding));
        for (const SubclassOverlap &overlap : report.overlaps)
            overlaps.append(overlapJson(path, overlap));
    }
    if (options.json) {
        QJsonObject document{{QStringLiteral("files"), files},
                             {QStringLiteral("findings"), findings}};
        if (options.overlaps)
            document.insert(QStringLiteral("overlaps"), overlaps);
        out << QJsonDocument(document).toJson(QJsonDocument::Indented);
    }
    return status;
}

int printFile(const QString &path, QTextStream &out, QTextStream &err) {
    const Conf conf(path, nullptr);
    const QVector<Finding> reading = Findings::ofReading(conf);
    if (!conf.get_read_outcome().opened) {
        err << path << ": " << reading.first().message << '\n';
        return ExitStatus::Unusable;
    }
    // The very bytes, in the file's encoding.
    out.flush();
    out.device()->write(conf.to_bytes());
    // The text is what Save would write, but a part of the file is missing
    // from it: a script must not mistake it for the whole.
    for (const Finding &finding : reading)
        err << path << ": " << finding.message << '\n';
    return reading.isEmpty() ? ExitStatus::Fine : ExitStatus::Failed;
}
