#include "model/findings.h"

#include "model/conf.h"
#include "model/filekeys.h"
#include "model/messages.h"
#include "model/numbers.h"

#include <QCoreApplication>
#include <QHash>
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

QString findingsText(const char *text) {
    return QCoreApplication::translate(Context, text);
}

Finding wholeFile(const QString &message, Severity severity = Severity::Error) {
    return Finding{std::nullopt, QString(), Place::Whole, 0, QString(), message, severity};
}

// Labels of the subclass fields, as the editor's form names them.
const QHash<QString, const char *> &wholeFieldLabels() {
    static const QHash<QString, const char *> labels = {
        {FileKeys::Category, QT_TRANSLATE_NOOP("Findings", "category")},
        {FileKeys::MaxGVW, QT_TRANSLATE_NOOP("Findings", "max. GVW")},
        {FileKeys::NumberOfAxles, QT_TRANSLATE_NOOP("Findings", "number of axles")},
        {FileKeys::AxleConfiguration, QT_TRANSLATE_NOOP("Findings", "axle configuration")},
        {FileKeys::Adsl0, QT_TRANSLATE_NOOP("Findings", "total distance constraint")},
        {FileKeys::Awsl0, QT_TRANSLATE_NOOP("Findings", "total weight constraint")},
        {FileKeys::ReclassifyUpTo, QT_TRANSLATE_NOOP("Findings", "reclassify up to subclass")},
        {FileKeys::ReclassifyDownTo, QT_TRANSLATE_NOOP("Findings", "reclassify down to subclass")},
        {FileKeys::MaxAxleDistance, QT_TRANSLATE_NOOP("Findings", "axle distances")},
    };
    return labels;
}

QString subclassFieldLabel(const Finding &finding) {
    using namespace FileKeys;
    const QString &field = finding.field;
    const int n = finding.index;
    switch (finding.place) {
    case Place::Axle:
        if (field == TyreType)
            return findingsText(QT_TRANSLATE_NOOP("Findings", "tyre type of axle %1")).arg(n);
        return findingsText(QT_TRANSLATE_NOOP("Findings", "max. axle weight of axle %1")).arg(n);
    case Place::Gap:
        return (field == MinAxleDistance
                    ? findingsText(
                          QT_TRANSLATE_NOOP("Findings", "min. distance between axles %1 and %2"))
                    : findingsText(
                          QT_TRANSLATE_NOOP("Findings", "max. distance between axles %1 and %2")))
            .arg(n)
            .arg(n + 1);
    case Place::Row:
        if (field.startsWith(AdslPrefix))
            return findingsText(
                       QT_TRANSLATE_NOOP("Findings", "combined axle distance constraint %1"))
                .arg(n);
        if (field.startsWith(AwslPrefix))
            return findingsText(QT_TRANSLATE_NOOP(
                                    "Findings", "combined axle weight constraint with classes %1"))
                .arg(n);
        return findingsText(QT_TRANSLATE_NOOP("Findings", "combined axle weight constraint %1"))
            .arg(n);
    case Place::Whole:
        break;
    }
    const char *label = wholeFieldLabels().value(field);
    return label ? findingsText(label) : field;
}

// Collects the findings of one subclass; every check is the record's own,
// so the findings can never disagree with the check that lists it invalid.
class SubclassFindings {
public:
    explicit SubclassFindings(const Subclass &subclass) : subclass(subclass) {}

    void check(bool passes, const QString &field, Place place, int index, const QString &value,
               const char *message, Severity severity = Severity::Error) {
        if (!passes)
            findings.append({subclass.get_number(), field, place, index, value,
                             Messages::text(message), severity});
    }

    const Subclass &subclass;
    QVector<Finding> findings;
};

// How many indices of a per-axle loop of `required` steps need looking at:
// an index past every list fails like any later one, so the loop stops one
// past the longest list, however many axles the file claims.
qint64 indicesToCheck(qint64 required, int longestList) {
    return qMax<qint64>(0, qMin<qint64>(required, qint64(longestList) + 1));
}

void checkDistances(SubclassFindings &out, qint64 axles, const QString &headerMin,
                    const QString &headerMax) {
    using namespace FileKeys;
    const Subclass &s = out.subclass;
    const int mins = s.get_number_of_min_distances();
    const int maxs = s.get_number_of_max_distances();
    const qint64 gaps = indicesToCheck(axles - 1, qMax(mins, maxs));
    // Unpaired lists fail every maximum alike: said once, for the list.
    const bool paired = mins == maxs;
    out.check(paired || gaps == 0, MaxAxleDistance, Place::Whole, 0, QString(),
              Messages::DistanceCountsDiffer);
    for (int i = 0; i < gaps; ++i) {
        out.check(s.is_min_distance_valid(i, headerMin, headerMax), MinAxleDistance, Place::Gap,
                  i + 1, s.get_min_distance_at_index(i), Messages::MinDistanceRange);
        if (paired)
            out.check(s.is_max_distance_valid(i, headerMin, headerMax), MaxAxleDistance, Place::Gap,
                      i + 1, s.get_max_distance_at_index(i), Messages::MaxDistanceRange);
    }
}

void checkAxles(SubclassFindings &out, qint64 axles) {
    const Subclass &s = out.subclass;
    const qint64 count = indicesToCheck(
        axles, qMax(s.get_number_of_max_axle_weights(), s.get_number_of_tyre_types()));
    for (int i = 0; i < count; ++i) {
        const QString weight = s.get_max_axle_weight_at_index(i);
        // A positive weight fails only for a notation the file cannot carry.
        out.check(s.is_max_axle_weight_valid(i), FileKeys::MaxAxleWeight, Place::Axle, i + 1,
                  weight,
                  Numbers::asFloat(weight) > 0 ? Messages::PlainNumber : Messages::AboveZero);
        // The tyre getter warns past the end, where the other getters are silent.
        const QString tyre =
            i < s.get_number_of_tyre_types() ? s.get_tyre_type_at_index(i) : QString();
        out.check(s.is_tyre_type_valid(i), FileKeys::TyreType, Place::Axle, i + 1, tyre,
                  Messages::TyreRange);
    }
}

void checkConstraints(SubclassFindings &out) {
    const Subclass &s = out.subclass;
    struct Kind {
        const QString &type;
        QString fieldPrefix; // empty: the entries stand in max_axle_weight__kN
        const char *message;
    };
    const Kind kinds[] = {
        {ConstraintType::Default, QString(), Messages::CombinedWeight},
        {ConstraintType::Adsl, FileKeys::AdslPrefix, Messages::ConsultReference},
        {ConstraintType::Awsl, FileKeys::AwslPrefix, Messages::ConsultReference},
    };
    for (const Kind &kind : kinds) {
        const int count = s.get_number_of_constraints(kind.type);
        for (int i = 0; i < count; ++i) {
            // The writer numbers the keys from 1 in list order.
            const QString field = kind.fieldPrefix.isEmpty()
                                      ? FileKeys::MaxAxleWeight
                                      : kind.fieldPrefix + QString::number(i + 1);
            out.check(s.is_constraint_valid(i, kind.type), field, Place::Row, i + 1,
                      s.get_constraint_at_index(i, kind.type), kind.message);
        }
    }
}

// The reclassification target check of the editor: the target's axle count
// when it exists, "0" for a named target that does not, empty for none.
QString targetAxles(const Conf &conf, const QString &target) {
    const quint32 number = Numbers::asUnsigned(target);
    if (conf.has_subclass(number))
        return conf.get_subclass(number).get_number_of_axles();
    return target.isEmpty() ? QString() : QStringLiteral("0");
}

} // namespace

namespace Findings {

QVector<Finding> ofSubclass(const Subclass &subclass, const QString &headerMin,
                            const QString &headerMax) {
    using namespace FileKeys;
    SubclassFindings out(subclass);
    const qint64 axles = Numbers::asInt(subclass.get_number_of_axles());
    checkDistances(out, axles, headerMin, headerMax);
    checkAxles(out, axles);
    checkConstraints(out);
    out.check(subclass.is_category_valid(), Category, Place::Whole, 0, subclass.get_category(),
              Messages::NotEmpty);
    out.check(subclass.is_number_of_axles_valid(), NumberOfAxles, Place::Whole, 0,
              subclass.get_number_of_axles(), Messages::NumberOfAxles);
    out.check(subclass.is_max_GVW_valid(), MaxGVW, Place::Whole, 0, subclass.get_max_GVW(),
              Messages::NotEmpty);
    out.check(subclass.is_axle_configuration_valid(), AxleConfiguration, Place::Whole, 0,
              subclass.get_axle_configuration(), Messages::AxleConfiguration);
    out.check(subclass.is_adsl_0_valid(), Adsl0, Place::Whole, 0, subclass.get_adsl_0(),
              Messages::ConsultReference);
    out.check(subclass.is_awsl_0_valid(), Awsl0, Place::Whole, 0, subclass.get_awsl_0(),
              Messages::ConsultReference);
    return out.findings;
}

QVector<Finding> ofReclassification(const Conf &conf, const Subclass &subclass) {
    SubclassFindings out(subclass);
    const QString up = subclass.get_reclassify_up_to_subclass();
    out.check(subclass.is_reclassify_up_to_subclass_valid(targetAxles(conf, up)),
              FileKeys::ReclassifyUpTo, Place::Whole, 0, up, Messages::ReclassifyTarget,
              Severity::Warning);
    const QString down = subclass.get_reclassify_down_to_subclass();
    out.check(subclass.is_reclassify_down_to_subclass_valid(targetAxles(conf, down)),
              FileKeys::ReclassifyDownTo, Place::Whole, 0, down, Messages::ReclassifyTarget,
              Severity::Warning);
    return out.findings;
}

QVector<Finding> ofHeader(const Conf &conf) {
    using namespace FileKeys;
    QVector<Finding> findings;
    const auto check = [&findings, &conf](bool passes, const QString &key, const char *message,
                                          Severity severity = Severity::Error) {
        if (!passes)
            findings.append({std::nullopt, key, Place::Whole, 0, conf.get_header().value(key),
                             Messages::text(message), severity});
    };
    check(conf.is_country_code_valid(), CountryCode, Messages::CountryCode);
    check(conf.is_group_max_distance_valid(), GroupMaxDistance, Messages::AboveZero);
    const int maxState = conf.check_max_axle_distance();
    const bool maxWarning = maxState == Conf::MaxAxleDistanceBelowSubclass;
    check(maxState == Conf::MaxAxleDistanceValid, HeaderMaxAxleDistance,
          maxWarning ? Messages::MaxAxleDistanceBelowSubclass : Messages::MaxAxleDistanceBelowMin,
          maxWarning ? Severity::Warning : Severity::Error);
    check(conf.is_min_axle_distance_valid(), HeaderMinAxleDistance,
          Messages::MinAxleDistanceAboveMax);
    check(conf.is_unclassified_vehicle_subclass_valid(), UnclassifiedVehicleSubclass,
          Messages::UnclassifiedIsSubclass);
    check(conf.is_uncategorised_vehicle_category_valid(), UncategorisedVehicleCategory,
          Messages::UncategorisedTooLow);
    // Without the key the editor works with standard gravity, so only a
    // value that is present can be wrong.
    check(!conf.get_header().contains(GAccelerationConstant) ||
              conf.is_g_acceleration_constant_valid(),
          GAccelerationConstant, Messages::AboveZero);
    return findings;
}

QVector<Finding> ofReading(const Conf &conf) {
    const ConfReadOutcome &outcome = conf.get_read_outcome();
    if (outcome.readWhole())
        return {};
    return {wholeFile(outcome.opened
                          ? findingsText(StoppedAt).arg(outcome.stopLine).arg(outcome.stopText)
                          : findingsText(CannotRead).arg(outcome.failure))};
}

QVector<Finding> ofDocument(const Conf &conf) {
    QVector<Finding> findings = ofReading(conf);
    if (!conf.get_read_outcome().opened)
        return findings;
    findings += ofHeader(conf);
    const QString headerMin = conf.get_min_axle_distance();
    const QString headerMax = conf.get_max_axle_distance();
    for (quint32 number : conf.get_subclass_numbers()) {
        const Subclass &subclass = conf.get_subclass(number);
        findings += ofSubclass(subclass, headerMin, headerMax);
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
    if (finding.subclass)
        return QCoreApplication::translate(Context, "subclass %1: %2")
            .arg(*finding.subclass)
            .arg(subclassFieldLabel(finding));
    if (finding.field.isEmpty())
        return QString();
    return QCoreApplication::translate(Context, "header %1").arg(finding.field);
}

QString describe(const Finding &finding) {
    const QString place = where(finding);
    return place.isEmpty() ? finding.message : place + QStringLiteral(": ") + finding.message;
}

QString firstReason(const Conf &conf, const Subclass &subclass) {
    const QVector<Finding> findings =
        ofSubclass(subclass, conf.get_min_axle_distance(), conf.get_max_axle_distance());
    for (const Finding &finding : findings)
        if (finding.severity == Severity::Error)
            return subclassFieldLabel(finding) + QStringLiteral(": ") + finding.message;
    return QString();
}

QString severityName(Finding::Severity severity) {
    return severity == Severity::Warning ? QStringLiteral("warning") : QStringLiteral("error");
}

} // namespace Findings
