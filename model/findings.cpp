#include "model/findings.h"

#include "model/conf.h"
#include "model/fieldchecks.h"
#include "model/fields.h"
#include "model/filekeys.h"
#include "model/messages.h"
#include "model/numbers.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

using Place = Finding::Place;
using Severity = Finding::Severity;

const char *const Context = "Findings";
const char *const CannotRead = QT_TRANSLATE_NOOP("Findings", "cannot be read: %1");
const char *const StoppedAt = QT_TRANSLATE_NOOP(
    "Findings", "reading stopped at line %1, the rest of the file was not read: %2");
const char *const Incomplete =
    QT_TRANSLATE_NOOP("Findings", "subclass %1 is incomplete; Save refuses the file");
const char *const HeaderRefused =
    QT_TRANSLATE_NOOP("Findings", "the header is invalid; Save refuses the file");
const char *const Duplicates = QT_TRANSLATE_NOOP("Findings", "duplicate subclasses: %1");
const char *const SectionTwice =
    QT_TRANSLATE_NOOP("Findings", "subclass %1 is named by two sections, %2 at line %3 and %4 at "
                                  "line %5; the later replaced the earlier");
const char *const ReadAsLatin1 = QT_TRANSLATE_NOOP(
    "Findings", "the file is not valid UTF-8; it was read as Latin-1, and Save writes it so again");
const char *const LineKept = QT_TRANSLATE_NOOP(
    "Findings", "line %1 is no key the editor reads; Save keeps it as it stands: %2");
const char *const LineRenumbers =
    QT_TRANSLATE_NOOP("Findings", "line %1 names subclass %2, but the section header's number "
                                  "stands; Save keeps the line as it stands: %3");

QString findingsText(const char *text) {
    return QCoreApplication::translate(Context, text);
}

Finding wholeFile(const QString &message, Severity severity = Severity::Error) {
    return Finding{std::nullopt, QString(), Place::Whole, 0, QString(), message, severity};
}

// The field a finding of a subclass speaks of.
std::optional<Fields::Id> fieldOf(const Finding &finding) {
    using namespace FileKeys;
    if (finding.place == Place::Row) {
        if (finding.field.startsWith(AdslPrefix))
            return Fields::Id::DistanceConstraint;
        if (finding.field.startsWith(AwslPrefix))
            return Fields::Id::WeightConstraint;
        return Fields::Id::CombinedWeight;
    }
    if (const Fields::Field *field = Fields::subclassField(finding.field))
        return field->id;
    return std::nullopt;
}

// The checker's words for the field of a subclass finding; the distance
// lists as a whole when they do not pair.
QString subclassFieldLabel(const Finding &finding) {
    const std::optional<Fields::Id> id = fieldOf(finding);
    if (!id)
        return finding.field;
    if (finding.place == Place::Whole && Fields::isList(*id))
        return findingsText(QT_TRANSLATE_NOOP("Findings", "axle distances"));
    return Fields::name(*id, finding.place == Place::Whole ? -1 : finding.index - 1);
}

// Collects the findings of one subclass from the model's verdict on each
// value, so the findings, the window's markings and the invalid list never
// disagree.
class SubclassFindings {
public:
    SubclassFindings(const Conf &conf, const Subclass &subclass) : conf(conf), subclass(subclass) {}

    // A refused value of the field is an error if it makes the subclass
    // invalid, a warning otherwise.
    void check(const FieldRef &ref) {
        const Verdict verdict = FieldChecks::of(conf, subclass, ref);
        if (verdict.valid())
            return;
        const Fields::Field &field = Fields::field(ref.id);
        const bool error = verdict.state == Verdict::State::Invalid && field.blocksValidity;
        QString key = field.key;
        if (ref.id == Fields::Id::CombinedWeight)
            key = FileKeys::MaxAxleWeight;
        else if (field.scope == Fields::Scope::Constraint)
            // The writer numbers the keys from 1 in list order.
            key = field.key + QLatin1Char('_') + QString::number(ref.index + 1);
        findings.append({subclass.get_number(), key, Fields::place(ref.id), ref.index + 1,
                         subclass.get_value(ref), verdict.message,
                         error ? Severity::Error : Severity::Warning});
    }

    void note(bool passes, const QString &key, const char *message) {
        if (!passes)
            findings.append({subclass.get_number(), key, Place::Whole, 0, QString(),
                             Messages::text(message), Severity::Error});
    }

    const Conf &conf;
    const Subclass &subclass;
    QVector<Finding> findings;
};

// How many indices of a per-axle loop of `required` steps need looking at:
// an index past every list fails like any later one, so the loop stops one
// past the longest list, however many axles the file claims.
qint64 indicesToCheck(qint64 required, int longestList) {
    return qMax<qint64>(0, qMin<qint64>(required, qint64(longestList) + 1));
}

// The fields of one scope, in the catalogue's order.
QVector<Fields::Id> fieldsOf(Fields::Scope scope) {
    QVector<Fields::Id> ids;
    for (const Fields::Field &field : Fields::all())
        if (field.scope == scope)
            ids.append(field.id);
    return ids;
}

} // namespace

namespace Findings {

QVector<Finding> ofSubclass(const Conf &conf, const Subclass &subclass) {
    using Fields::Id;
    SubclassFindings out(conf, subclass);
    const qint64 axles = Numbers::asInt(subclass.get_number_of_axles());

    const int mins = subclass.get_number_of_min_distances();
    const int maxs = subclass.get_number_of_max_distances();
    const qint64 gaps = indicesToCheck(axles - 1, qMax(mins, maxs));
    // Unpaired lists fail every maximum alike: said once, for the list.
    const bool paired = mins == maxs;
    out.note(paired || gaps == 0, FileKeys::MaxAxleDistance, Messages::DistanceCountsDiffer);
    for (int i = 0; i < gaps; ++i)
        for (Id id : fieldsOf(Fields::Scope::Gap))
            if (paired || id != Id::MaxAxleDistance)
                out.check({id, i});

    const qint64 axleEntries = indicesToCheck(axles, qMax(subclass.get_number_of_max_axle_weights(),
                                                          subclass.get_number_of_tyre_types()));
    for (int i = 0; i < axleEntries; ++i)
        for (Id id : fieldsOf(Fields::Scope::Axle))
            out.check({id, i});

    for (Id id : fieldsOf(Fields::Scope::Constraint)) {
        const int count = subclass.get_number_of_constraints(Fields::field(id).key);
        for (int i = 0; i < count; ++i)
            out.check({id, i});
    }
    // Only the checks that decide validity: the reclassification targets
    // are ofReclassification's.
    for (Id id : fieldsOf(Fields::Scope::Subclass))
        if (Fields::field(id).blocksValidity)
            out.check({id});
    return out.findings;
}

QVector<Finding> ofReclassification(const Conf &conf, const Subclass &subclass) {
    SubclassFindings out(conf, subclass);
    for (Fields::Id id : fieldsOf(Fields::Scope::Subclass))
        if (!Fields::field(id).blocksValidity)
            out.check({id});
    return out.findings;
}

QVector<Finding> ofHeader(const Conf &conf) {
    QVector<Finding> findings;
    for (Fields::Id id : fieldsOf(Fields::Scope::Header)) {
        const Verdict verdict = FieldChecks::ofHeader(conf, id);
        if (verdict.valid())
            continue;
        const QString &key = Fields::field(id).key;
        // A rule about the value would mislead when there is no value at all.
        const bool present = conf.get_header().contains(key);
        findings.append(
            {std::nullopt, key, Place::Whole, 0, conf.get_header().value(key),
             present ? verdict.message : Messages::text(Messages::KeyMissing),
             verdict.state == Verdict::State::Warning ? Severity::Warning : Severity::Error});
    }
    return findings;
}

QVector<Finding> ofReading(const Conf &conf) {
    const ConfReadOutcome &outcome = conf.get_read_outcome();
    if (!outcome.opened)
        return {wholeFile(findingsText(CannotRead).arg(outcome.failure))};
    QVector<Finding> findings;
    for (const ConfReadOutcome::DuplicateSection &twice : outcome.duplicateSections)
        findings.append(wholeFile(findingsText(SectionTwice)
                                      .arg(QString::number(twice.number), twice.firstText,
                                           QString::number(twice.firstLine), twice.laterText,
                                           QString::number(twice.laterLine))));
    if (!outcome.readWhole())
        findings.append(
            wholeFile(findingsText(StoppedAt).arg(outcome.stopLine).arg(outcome.stopText)));
    return findings;
}

QVector<Finding> ofReadingNotes(const Conf &conf) {
    const ConfReadOutcome &outcome = conf.get_read_outcome();
    QVector<Finding> findings;
    if (outcome.opened && outcome.encoding == FileEncoding::Latin1)
        findings.append(wholeFile(findingsText(ReadAsLatin1), Severity::Warning));
    // The line is named whole: its key may be a blank or a key's near twin.
    for (const ConfReadOutcome::KeptLine &kept : outcome.keptLines) {
        const QString line = QString::number(kept.line);
        const QString message =
            kept.renumbers
                ? findingsText(LineRenumbers)
                      .arg(line, kept.text.section(FileKeys::KeyValueSeparator, 1).trimmed(),
                           kept.text)
                : findingsText(LineKept).arg(line, kept.text);
        findings.append(
            {kept.subclass, QString(), Place::Whole, 0, QString(), message, Severity::Warning});
    }
    return findings;
}

QVector<Finding> ofDocument(const Conf &conf) {
    QVector<Finding> findings = ofReading(conf);
    if (!conf.get_read_outcome().opened)
        return findings;
    findings += ofReadingNotes(conf);
    findings += ofHeader(conf);
    for (quint32 number : conf.get_subclass_numbers()) {
        const Subclass &subclass = conf.get_subclass(number);
        findings += ofSubclass(conf, subclass);
        findings += ofReclassification(conf, subclass);
    }
    const ConfValidity validity = conf.is_valid();
    if (!validity.valid) {
        const bool incomplete =
            conf.has_subclass(validity.number) && !conf.get_subclass(validity.number).is_complete();
        findings.append(wholeFile(incomplete ? findingsText(Incomplete).arg(validity.number)
                                             : findingsText(HeaderRefused)));
    }
    const QString pair = conf.find_duplicate_subclasses();
    if (!pair.isEmpty())
        findings.append(wholeFile(findingsText(Duplicates).arg(pair), Severity::Warning));
    return findings;
}

QString where(const Finding &finding) {
    if (finding.subclass) {
        const QString label = subclassFieldLabel(finding);
        if (label.isEmpty())
            return QCoreApplication::translate(Context, "subclass %1").arg(*finding.subclass);
        return QCoreApplication::translate(Context, "subclass %1: %2")
            .arg(*finding.subclass)
            .arg(label);
    }
    if (finding.field.isEmpty())
        return QString();
    return QCoreApplication::translate(Context, "header %1").arg(finding.field);
}

QString describe(const Finding &finding) {
    const QString place = where(finding);
    return place.isEmpty() ? finding.message : place + QStringLiteral(": ") + finding.message;
}

QString severityName(Finding::Severity severity) {
    return severity == Severity::Warning ? QStringLiteral("warning") : QStringLiteral("error");
}

QString firstReason(const Conf &conf, const Subclass &subclass) {
    for (const Finding &finding : ofSubclass(conf, subclass)) {
        if (finding.severity != Severity::Error)
            continue;
        // The editor's tips may run over lines; a reason is read as one.
        QString reason = subclassFieldLabel(finding) + QStringLiteral(": ") + finding.message;
        return reason.replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    return QString();
}

} // namespace Findings
