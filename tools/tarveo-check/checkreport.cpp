#include "checkreport.h"

#include "model/conf.h"

#include <QTextStream>

namespace {

const QString CannotOpen = QStringLiteral("cannot be opened");
const QString StoppedAt = QStringLiteral("reading stopped at line %1, the rest of the file was not "
                                         "read: %2");
const QString HeaderFails = QStringLiteral("header %1=%2: %3");
const QString InvalidSubclasses = QStringLiteral("invalid subclasses: %1");
const QString Incomplete = QStringLiteral("subclass %1 is incomplete; Save refuses the file");
const QString HeaderRefused = QStringLiteral("the header is invalid; Save refuses the file");
const QString Duplicates = QStringLiteral("duplicate subclasses: %1");
const QString Passes = QStringLiteral("ok");

const QString CountryRule = QStringLiteral("not an ISO 3166-1 alpha-2 country code");
const QString PositiveRule = QStringLiteral("must be greater than 0");
const QString MaxBelowMinRule = QStringLiteral("empty or below min_axle_distance__m");
const QString SubclassAboveRule =
    QStringLiteral("a subclass has a larger maximum axle distance (warning)");
const QString MinAboveMaxRule = QStringLiteral("above max_axle_distance__m");
const QString UnclassifiedRule = QStringLiteral("is the number of an existing subclass");
const QString UncategorisedRule = QStringLiteral("must be empty or at least 6");

struct HeaderFinding {
    QString key;
    QString value;
    QString rule;
};

QVector<HeaderFinding> headerFindings(const Conf &conf) {
    QVector<HeaderFinding> findings;
    auto add = [&findings](bool passes, const QString &key, const QString &value,
                           const QString &rule) {
        if (!passes)
            findings.append({key, value, rule});
    };
    add(conf.is_country_code_valid(), QStringLiteral("country_code"), conf.get_country_code(),
        CountryRule);
    add(conf.is_group_max_distance_valid(), QStringLiteral("group_max_distance__m"),
        conf.get_group_max_distance(), PositiveRule);
    const int maxCheck = conf.check_max_axle_distance();
    constexpr int maxValid = 0;
    constexpr int maxSubclassAbove = 1;
    add(maxCheck == maxValid, QStringLiteral("max_axle_distance__m"), conf.get_max_axle_distance(),
        maxCheck == maxSubclassAbove ? SubclassAboveRule : MaxBelowMinRule);
    add(conf.is_min_axle_distance_valid(), QStringLiteral("min_axle_distance__m"),
        conf.get_min_axle_distance(), MinAboveMaxRule);
    add(conf.is_unclassified_vehicle_subclass_valid(),
        QStringLiteral("unclassified_vehicle_subclass"), conf.get_unclassified_vehicle_subclass(),
        UnclassifiedRule);
    add(conf.is_uncategorised_vehicle_category_valid(),
        QStringLiteral("uncategorised_vehicle_category"), conf.get_uncategorised_vehicle_category(),
        UncategorisedRule);
    // Without the key the editor works with standard gravity, so only a
    // value that is present can be wrong.
    const QString gKey = QStringLiteral("g_acceleration_constant");
    add(!conf.get_header().contains(gKey) || conf.is_g_acceleration_constant_valid(), gKey,
        conf.get_g_acceleration_constant(), PositiveRule);
    return findings;
}

QString joinNumbers(const QVector<quint32> &numbers) {
    QStringList texts;
    for (quint32 number : numbers)
        texts.append(QString::number(number));
    return texts.join(QStringLiteral(", "));
}

} // namespace

int reportFile(const QString &path, QTextStream &out) {
    const Conf conf(path, nullptr);
    const ConfReadOutcome &outcome = conf.get_read_outcome();
    const QString prefix = path + QStringLiteral(": ");
    if (!outcome.opened) {
        out << prefix << CannotOpen << '\n';
        return CheckStatus::Unusable;
    }
    bool clean = outcome.readWhole();
    if (!clean)
        out << prefix << StoppedAt.arg(outcome.stopLine).arg(outcome.stopText) << '\n';

    for (const HeaderFinding &finding : headerFindings(conf))
        out << prefix << HeaderFails.arg(finding.key, finding.value, finding.rule) << '\n';

    const QVector<quint32> invalid = conf.get_invalid_subclasses();
    if (!invalid.isEmpty())
        out << prefix << InvalidSubclasses.arg(joinNumbers(invalid)) << '\n';

    const ConfValidity validity = conf.is_valid();
    if (!validity.valid) {
        clean = false;
        const bool subclassIncomplete =
            conf.has_subclass(validity.number) && !conf.get_subclass(validity.number).is_complete();
        out << prefix << (subclassIncomplete ? Incomplete.arg(validity.number) : HeaderRefused)
            << '\n';
    }

    const QString pair = conf.find_duplicate_subclasses();
    if (!pair.isEmpty())
        out << prefix << Duplicates.arg(pair) << '\n';

    if (clean)
        out << prefix << Passes << '\n';
    return clean ? CheckStatus::Passed : CheckStatus::Failed;
}

int printFile(const QString &path, QTextStream &out, QTextStream &err) {
    const Conf conf(path, nullptr);
    if (!conf.get_read_outcome().opened) {
        err << path << ": " << CannotOpen << '\n';
        return CheckStatus::Unusable;
    }
    out << conf.to_string();
    // The text is what Save would write, but a part of the file is missing
    // from it: a script must not mistake it for the whole.
    const ConfReadOutcome &outcome = conf.get_read_outcome();
    if (outcome.readWhole())
        return CheckStatus::Passed;
    err << path << ": " << StoppedAt.arg(outcome.stopLine).arg(outcome.stopText) << '\n';
    return CheckStatus::Failed;
}
