#include "report/reportcontent.h"

#include "model/conf.h"
#include "model/fields.h"
#include "model/filekeys.h"
#include "model/findings.h"
#include "model/numbers.h"
#include "model/writtenentries.h"
#include "report/report.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>

namespace {

constexpr int Decimals = 2;
const QString NoValue = QStringLiteral("-");
const QString DateFormat = QStringLiteral("yyyy-MM-dd");
const QString DateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QString tr(const char *text) {
    return QCoreApplication::translate("Report", text);
}

QString orNoValue(const QString &text) {
    return text.isEmpty() ? NoValue : text;
}

template <typename Unit> struct UnitName {
    const char *name;
    Unit unit;
};
const UnitName<WeightUnit> WeightNames[] = {{"t", Tons}, {"lb", Pounds}, {"kN", Kilonewtons}};
const UnitName<LengthUnit> LengthNames[] = {{"m", Meters}, {"ft", Feet}, {"in", Inches}};

template <typename Unit, size_t N>
std::optional<Unit> unitNamed(const UnitName<Unit> (&names)[N], const QString &name) {
    for (const UnitName<Unit> &entry : names)
        if (name == QLatin1String(entry.name))
            return entry.unit;
    return std::nullopt;
}

template <typename Unit, size_t N> QString nameOf(const UnitName<Unit> (&names)[N], Unit unit) {
    for (const UnitName<Unit> &entry : names)
        if (entry.unit == unit)
            return QLatin1String(entry.name);
    return QString();
}

// The header keys the editor's form names, with its labels.
const char *const TyreNames[] = {
    QT_TRANSLATE_NOOP("Report", "single"), QT_TRANSLATE_NOOP("Report", "double"),
    QT_TRANSLATE_NOOP("Report", "super single"), QT_TRANSLATE_NOOP("Report", "quadruple")};

QString tyreText(const QString &type) {
    bool ok = false;
    const int code = type.toInt(&ok);
    const int count = int(sizeof(TyreNames) / sizeof(TyreNames[0]));
    if (!ok || code < 1 || code > count)
        return orNoValue(type);
    return QStringLiteral("%1 %2").arg(type, tr(TyreNames[code - 1]));
}

// The numbers of a constraint value in order: "3.5,4.2" gives 3.5 and 4.2.
QStringList numbersIn(const QString &text) {
    static const QRegularExpression number(QStringLiteral("[0-9]+(?:\\.[0-9]*)?"));
    QStringList numbers;
    QRegularExpressionMatchIterator it = number.globalMatch(text);
    while (it.hasNext())
        numbers.append(it.next().captured());
    return numbers;
}

// Text that is no number is shown as the file holds it.
bool isNumber(const QString &text) {
    bool ok = false;
    text.toFloat(&ok);
    return ok;
}

QString joinNumbers(const QVector<quint32> &numbers) {
    QStringList texts;
    for (quint32 number : numbers)
        texts.append(QString::number(number));
    return texts.join(QStringLiteral(", "));
}

const QVector<qreal> HeaderColumns = {0, 0.45};
const QVector<qreal> AxleColumns = {0, 0.1, 0.3, 0.52, 0.76};

ReportItem text(const QString &line, bool bold = false) {
    ReportItem item;
    item.cells = QStringList{line};
    item.bold = bold;
    return item;
}
ReportItem heading(const QString &line, ReportItem::Kind kind = ReportItem::Kind::Heading) {
    ReportItem item = text(line, true);
    item.kind = kind;
    return item;
}
ReportItem row(const QStringList &cells, const QVector<qreal> &columns, bool bold = false) {
    ReportItem item;
    item.kind = ReportItem::Kind::Row;
    item.cells = cells;
    item.columns = &columns;
    item.bold = bold;
    return item;
}
ReportItem space() {
    ReportItem item;
    item.kind = ReportItem::Kind::Space;
    return item;
}

float gFor(const Conf &conf, const ReportOptions &options) {
    if (options.g)
        return *options.g;
    return conf.is_g_acceleration_constant_valid()
               ? Numbers::asFloat(conf.get_g_acceleration_constant())
               : Units::DefaultG;
}

} // namespace

ReportContent::ReportContent(const Conf &conf, const ReportOptions &options,
                             const QByteArray &bytes)
    : conf(conf), options(options), bytes(bytes), name(options.shownName()), g(gFor(conf, options)),
      weightName(weightUnitName(options.weightUnit)),
      lengthName(lengthUnitName(options.lengthUnit)) {
    Units::weightFactorFor(options.weightUnit, g, &weightFactor);
    Units::lengthFactorFor(options.lengthUnit, &lengthFactor);
}

QString ReportContent::weightUnitName(WeightUnit unit) {
    return nameOf(WeightNames, unit);
}

QString ReportContent::lengthUnitName(LengthUnit unit) {
    return nameOf(LengthNames, unit);
}

QString ReportContent::weight(const QString &text) const {
    if (!isNumber(text))
        return orNoValue(text);
    return Numbers::fixed(Units::fileToDisplay(text, weightFactor), Decimals) + QLatin1Char(' ') +
           weightName;
}

QString ReportContent::length(const QString &text) const {
    if (!isNumber(text))
        return orNoValue(text);
    return lengthNumber(text) + QLatin1Char(' ') + lengthName;
}

QString ReportContent::lengthNumber(const QString &text) const {
    return Numbers::fixed(Units::fileToDisplay(text, lengthFactor), Decimals);
}

// A value of the file whose unit its key names.
QString ReportContent::byKey(const QString &key, const QString &text) const {
    const Fields::Field *field = Fields::headerField(key);
    if (field && field->kind == Fields::Kind::Length)
        return length(text);
    if (field && field->kind == Fields::Kind::Weight)
        return weight(text);
    return orNoValue(text);
}

QString ReportContent::distanceRange(const QString &values) const {
    const QStringList n = numbersIn(values);
    return tr("%1 to %2").arg(length(n.value(0)), length(n.value(1)));
}

QString ReportContent::weightClasses(const QString &values) const {
    const QStringList n = numbersIn(values);
    return tr("%1 class %2, %3 class %4")
        .arg(weight(n.value(0)), n.value(1), weight(n.value(2)), n.value(3));
}

// A constraint of a subclass in the chosen units; one that is not valid is
// shown as the file holds it.
QString ReportContent::constraintText(const Subclass &s, int index, const QString &type) const {
    const QString entry = s.get_constraint_at_index(index, type);
    if (!s.is_constraint_valid(index, type))
        return tr("%1 (not valid)").arg(entry);
    if (type == ConstraintType::Default) {
        const int comma = entry.lastIndexOf(FileKeys::ListSeparator);
        return tr("axles %1: %2").arg(entry.left(comma), weight(entry.mid(comma + 1)));
    }
    const int colon = entry.indexOf(QLatin1Char(':'));
    const QString values = entry.mid(colon + 1);
    return tr("axles %1: %2")
        .arg(entry.left(colon),
             type == ConstraintType::Adsl ? distanceRange(values) : weightClasses(values));
}

QString ReportContent::reclassification(const QString &target, const QString &limit) const {
    if (target.isEmpty() && limit.isEmpty())
        return tr("none");
    return tr("to subclass %1, gross weight limit %2").arg(orNoValue(target), weight(limit));
}

ReportItem ReportContent::unsavedNote() const {
    return text(tr("Unsaved edits: this report shows the document as edited, not the file on "
                   "the disk; its SHA-256 is that of the text Save would write."),
                true);
}

ReportBlock ReportContent::title() const {
    const QFileInfo info(options.path);
    const QVector<quint32> invalid = conf.get_invalid_subclasses();
    ReportBlock block{heading(tr("Vehicle classification report"), ReportItem::Kind::Title),
                      text(tr("File: %1").arg(name))};
    if (options.unsavedEdits)
        block.append(unsavedNote());
    if (!options.path.isEmpty()) {
        block.append(text(tr("Folder: %1").arg(info.absolutePath())));
        if (info.exists())
            block.append(
                text(tr("File date: %1").arg(info.lastModified().toString(DateTimeFormat))));
    }
    block += {
        text(tr("Subclasses: %1").arg(conf.get_subclass_numbers().size())),
        text(tr("Invalid subclasses: %1")
                 .arg(invalid.isEmpty() ? tr("none") : joinNumbers(invalid))),
        text(tr("Units: weights in %1 (g = %2), lengths in %3")
                 .arg(weightName, Numbers::general(g), lengthName)),
        space(),
        heading(tr("Header")),
        row({tr("Field"), tr("Value")}, HeaderColumns, true),
    };
    const QMap<QString, QString> &header = conf.get_header();
    for (auto it = header.cbegin(); it != header.cend(); ++it) {
        const Fields::Field *field = Fields::headerField(it.key());
        block.append(row({field ? Fields::label(field->id) : it.key(), byKey(it.key(), it.value())},
                         HeaderColumns));
    }
    return block;
}

void ReportContent::appendConstraints(ReportBlock &block, const Subclass &s) const {
    bool any = false;
    for (const Fields::Field &kind : Fields::all()) {
        if (kind.scope != Fields::Scope::Constraint)
            continue;
        for (int i = 0; i < s.get_number_of_constraints(kind.key); ++i) {
            // "Combined axle distance constraint 2: ..."
            QString name = Fields::name(kind.id, i);
            name[0] = name.at(0).toUpper();
            block.append(text(QStringLiteral("%1: %2").arg(name, constraintText(s, i, kind.key))));
            any = true;
        }
    }
    if (!s.get_adsl_0().isEmpty()) {
        block.append(
            text(tr("Total distance constraint: %1")
                     .arg(s.is_adsl_0_valid() ? distanceRange(s.get_adsl_0())
                                              : tr("%1 (not valid)").arg(s.get_adsl_0()))));
        any = true;
    }
    if (!s.get_awsl_0().isEmpty()) {
        block.append(
            text(tr("Total weight constraint: %1")
                     .arg(s.is_awsl_0_valid() ? weightClasses(s.get_awsl_0())
                                              : tr("%1 (not valid)").arg(s.get_awsl_0()))));
        any = true;
    }
    if (!any)
        block.append(text(tr("Constraints: none")));
}

// The distance of each gap drawn, from the list the view draws.
QStringList ReportContent::distances(const Subclass &s, bool maximum) const {
    const int count = maximum ? s.get_number_of_max_distances() : s.get_number_of_min_distances();
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts.append(lengthNumber(maximum ? s.get_max_distance_at_index(i)
                                          : s.get_min_distance_at_index(i)));
    return texts;
}

ReportBlock ReportContent::subclass(quint32 number) const {
    const Subclass &s = conf.get_subclass(number);
    const bool valid = s.is_valid(conf.get_min_axle_distance(), conf.get_max_axle_distance());
    ReportBlock block{
        heading(valid ? tr("Subclass %1").arg(number) : tr("Subclass %1 (not valid)").arg(number))};
    if (!valid)
        block.append(text(tr("Not valid: %1").arg(Findings::firstReason(conf, s))));
    block += {
        text(tr("Alias: %1    Category: %2    Axle configuration: %3    Number of axles: %4")
                 .arg(orNoValue(s.get_alias()), orNoValue(s.get_category()),
                      orNoValue(s.get_axle_configuration()), s.get_number_of_axles())),
        text(tr("Max. gross weight: %1    Prepend: %2    Append: %3")
                 .arg(weight(s.get_max_GVW()), length(s.get_prepend()), length(s.get_append()))),
        row({tr("Axle"), tr("Tyre type"), tr("Max. axle weight"), tr("Min. distance to next"),
             tr("Max. distance to next")},
            AxleColumns, true),
    };
    const int axles = qMax(WrittenEntries::tyreTypes(s), WrittenEntries::weights(s));
    const int gaps = qMax(WrittenEntries::minDistances(s), WrittenEntries::maxDistances(s));
    for (int i = 0; i < axles; ++i) {
        const bool gap = i < gaps;
        block.append(row(
            {QString::number(i + 1),
             tyreText(i < s.get_number_of_tyre_types() ? s.get_tyre_type_at_index(i) : QString()),
             weight(s.get_max_axle_weight_at_index(i)),
             gap ? length(s.get_min_distance_at_index(i)) : QString(),
             gap ? length(s.get_max_distance_at_index(i)) : QString()},
            AxleColumns));
    }
    appendConstraints(block, s);
    block.append(text(
        tr("Reclassify up: %1")
            .arg(reclassification(s.get_reclassify_up_to_subclass(), s.get_upper_GVW_limit()))));
    block.append(text(
        tr("Reclassify down: %1")
            .arg(reclassification(s.get_reclassify_down_to_subclass(), s.get_lower_GVW_limit()))));
    if (!s.get_override_class().isEmpty() || !s.get_override_groups().isEmpty())
        block.append(
            text(tr("Override class: %1    Override groups: %2")
                     .arg(orNoValue(s.get_override_class()), orNoValue(s.get_override_groups()))));
    ReportItem views;
    views.kind = ReportItem::Kind::Silhouettes;
    views.cells = QStringList{tr("Minimum axle spacing, distances in %1").arg(lengthName),
                              tr("Maximum axle spacing, distances in %1").arg(lengthName)};
    views.subclass = &s;
    views.distances[0] = distances(s, false);
    views.distances[1] = distances(s, true);
    block.append(views);
    block.append(space());
    return block;
}

ReportBlock ReportContent::approval() const {
    const QString hash =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    ReportBlock block{heading(tr("Approval"))};
    if (options.unsavedEdits)
        block.append(unsavedNote());
    block.append(text(tr("File: %1    SHA-256: %2").arg(name, hash)));
    block.append(text(tr("Date: %1    Approved by ______________________________")
                          .arg(QDate::currentDate().toString(DateFormat))));
    return block;
}

namespace Report {

std::optional<WeightUnit> weightUnitNamed(const QString &name) {
    return unitNamed(WeightNames, name);
}

std::optional<LengthUnit> lengthUnitNamed(const QString &name) {
    return unitNamed(LengthNames, name);
}

} // namespace Report
