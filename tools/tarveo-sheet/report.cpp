#include "tools/tarveo-sheet/report.h"

#include "tarveoversion.h"
#include "model/conf.h"
#include "model/filekeys.h"
#include "model/numbers.h"
#include "model/writtenentries.h"
#include "tools/tarveo-sheet/silhouette.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

namespace {

constexpr int Resolution = 300; // page coordinates in dots per inch
constexpr qreal MarginMillimetres = 15;
constexpr int Decimals = 2;
constexpr qreal TitlePoints = 18;
constexpr qreal HeadingPoints = 12;
constexpr qreal BodyPoints = 9;
constexpr qreal LineSpacing = 1.4;       // line height per font height
constexpr qreal SilhouetteGap = 0.04;    // share of the width between the two views
constexpr qreal ViewAspect = 90.0 / 400; // height per width of the editor's views
constexpr qreal RuleWidth = 1;
constexpr qreal InvisibleSpacing = 0.1; // device pixels
const QColor RuleColour(160, 160, 160);
const QString NoValue = QStringLiteral("-");

QString tr(const char *text) {
    return QCoreApplication::translate("Report", text);
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
const QMap<QString, const char *> &headerLabels() {
    using namespace FileKeys;
    static const QMap<QString, const char *> labels = {
        {ClassificationVersion, QT_TRANSLATE_NOOP("Report", "Classification version")},
        {CountryCode, QT_TRANSLATE_NOOP("Report", "Country code")},
        {GAccelerationConstant, QT_TRANSLATE_NOOP("Report", "Gravitational acceleration")},
        {GroupMaxDistance, QT_TRANSLATE_NOOP("Report", "Group max. distance")},
        {HeaderMaxAxleDistance, QT_TRANSLATE_NOOP("Report", "Max. axle distance")},
        {Min2AxleTruckSpacing, QT_TRANSLATE_NOOP("Report", "Min. space between vehicles")},
        {MinAvgAxleWeight, QT_TRANSLATE_NOOP("Report", "Min. avg. axle weight")},
        {HeaderMinAxleDistance, QT_TRANSLATE_NOOP("Report", "Min. axle distance")},
        {UncategorisedVehicleCategory, QT_TRANSLATE_NOOP("Report", "Uncategorised vehicle cat.")},
        {UnclassifiedVehicleSubclass,
         QT_TRANSLATE_NOOP("Report", "Unclassified vehicles subclass")},
    };
    return labels;
}

const char *const TyreNames[] = {
    QT_TRANSLATE_NOOP("Report", "single"), QT_TRANSLATE_NOOP("Report", "double"),
    QT_TRANSLATE_NOOP("Report", "super single"), QT_TRANSLATE_NOOP("Report", "quadruple")};

QString tyreText(const QString &type) {
    bool ok = false;
    const int code = type.toInt(&ok);
    const int count = int(sizeof(TyreNames) / sizeof(TyreNames[0]));
    if (!ok || code < 1 || code > count)
        return type.isEmpty() ? NoValue : type;
    return QStringLiteral("%1 %2").arg(type, tr(TyreNames[code - 1]));
}

// Values in the chosen units, converted as the editor converts them.
class Measures {
public:
    Measures(const Conf &conf, const ReportOptions &options)
        : g(conf.is_g_acceleration_constant_valid()
                ? Numbers::asFloat(conf.get_g_acceleration_constant())
                : Units::DefaultG),
          weightName(nameOf(WeightNames, options.weightUnit)),
          lengthName(nameOf(LengthNames, options.lengthUnit)) {
        Units::weightFactorFor(options.weightUnit, g, &weightFactor);
        Units::lengthFactorFor(options.lengthUnit, &lengthFactor);
    }

    QString weight(const QString &text) const { return shown(text, weightFactor, weightName); }
    QString length(const QString &text) const { return shown(text, lengthFactor, lengthName); }
    // A value of the file whose unit its key names.
    QString byKey(const QString &key, const QString &text) const {
        if (key.endsWith(QLatin1String("__m")))
            return length(text);
        if (key.endsWith(QLatin1String("__kN")))
            return weight(text);
        return text.isEmpty() ? NoValue : text;
    }

    const float g;
    const QString weightName;
    const QString lengthName;

private:
    // Text that is no number is shown as the file holds it.
    static QString shown(const QString &text, float factor, const QString &unit) {
        bool ok = false;
        text.toFloat(&ok);
        if (!ok)
            return text.isEmpty() ? NoValue : text;
        return Numbers::fixed(Units::fileToDisplay(text, factor), Decimals) + QLatin1Char(' ') +
               unit;
    }

    float weightFactor = Units::DefaultG;
    float lengthFactor = Units::MeterFactor;
};

// The numbers of a constraint value in order: "3.5,4.2" gives 3.5 and 4.2.
QStringList numbersIn(const QString &text) {
    static const QRegularExpression number(QStringLiteral("[0-9]+(?:\\.[0-9]*)?"));
    QStringList numbers;
    QRegularExpressionMatchIterator it = number.globalMatch(text);
    while (it.hasNext())
        numbers.append(it.next().captured());
    return numbers;
}

QString distanceRange(const QString &values, const Measures &m) {
    const QStringList n = numbersIn(values);
    return tr("%1 to %2").arg(m.length(n.value(0)), m.length(n.value(1)));
}

QString weightClasses(const QString &values, const Measures &m) {
    const QStringList n = numbersIn(values);
    return tr("%1 class %2, %3 class %4")
        .arg(m.weight(n.value(0)), n.value(1), m.weight(n.value(2)), n.value(3));
}

// A constraint of a subclass in the chosen units; one that is not valid is
// shown as the file holds it.
QString constraintText(const Subclass &s, int index, const QString &type, const Measures &m) {
    const QString entry = s.get_constraint_at_index(index, type);
    if (!s.is_constraint_valid(index, type))
        return tr("%1 (not valid)").arg(entry);
    if (type == ConstraintType::Default) {
        const int comma = entry.lastIndexOf(FileKeys::ListSeparator);
        return tr("axles %1: %2").arg(entry.left(comma), m.weight(entry.mid(comma + 1)));
    }
    const int colon = entry.indexOf(QLatin1Char(':'));
    const QString values = entry.mid(colon + 1);
    return tr("axles %1: %2")
        .arg(entry.left(colon),
             type == ConstraintType::Adsl ? distanceRange(values, m) : weightClasses(values, m));
}

// One line of the report: text, a table row, the two silhouettes, or space.
struct Item {
    enum class Kind { Title, Heading, Text, Row, Silhouettes, Space };
    Kind kind = Kind::Text;
    QStringList cells;                       // one for text; one a column for rows
    const QVector<qreal> *columns = nullptr; // rows: left edge of each column, share of the width
    bool bold = false;
    const Subclass *subclass = nullptr; // silhouettes
};
using Block = QVector<Item>;

const QVector<qreal> HeaderColumns = {0, 0.45};
const QVector<qreal> AxleColumns = {0, 0.1, 0.3, 0.52, 0.76};

Item text(const QString &line, bool bold = false) {
    return {Item::Kind::Text, {line}, nullptr, bold, nullptr};
}
Item row(const QStringList &cells, const QVector<qreal> &columns, bool bold = false) {
    return {Item::Kind::Row, cells, &columns, bold, nullptr};
}
Item space() {
    return {Item::Kind::Space, {}, nullptr, false, nullptr};
}

// Lays out blocks over pages; without a painter it only counts the pages.
class Pages {
public:
    Pages(QPdfWriter &writer, QPainter *painter, int total, const QString &footerText)
        : writer(writer), painter(painter), total(total), footerText(footerText),
          width(writer.width()),
          bottom(writer.height() - lineHeight(font(Item::Kind::Text, false))) {}

    // A block that fits on a page is never split.
    void place(const Block &block) {
        qreal height = 0;
        for (const Item &item : block)
            height += heightOf(item);
        if (y + height > bottom && height <= bottom)
            newPage();
        for (const Item &item : block) {
            if (y + heightOf(item) > bottom)
                newPage();
            draw(item);
            y += heightOf(item);
        }
    }

    void newPage() {
        footer();
        if (painter)
            writer.newPage();
        ++page;
        y = 0;
    }

    // The last page's footer; gives the number of pages.
    int finish() {
        footer();
        return page;
    }

private:
    QFont font(Item::Kind kind, bool bold) const {
        QFont f;
        // Letter spacing keeps ligatures out of the text, so that "fi" is
        // found and copied as two letters; the spacing itself is invisible.
        f.setLetterSpacing(QFont::AbsoluteSpacing, InvisibleSpacing);
        f.setPointSizeF(kind == Item::Kind::Title     ? TitlePoints
                        : kind == Item::Kind::Heading ? HeadingPoints
                                                      : BodyPoints);
        f.setBold(bold || kind == Item::Kind::Title || kind == Item::Kind::Heading);
        return f;
    }
    qreal lineHeight(const QFont &f) const {
        return QFontMetricsF(f, &writer).height() * LineSpacing;
    }
    qreal cellWidth() const { return width * (1 - SilhouetteGap) / 2; }

    qreal heightOf(const Item &item) const {
        const qreal line = lineHeight(font(item.kind, item.bold));
        switch (item.kind) {
        case Item::Kind::Title:
            return 2 * line;
        case Item::Kind::Silhouettes:
            return line + cellWidth() * ViewAspect;
        default:
            return line;
        }
    }

    void drawText(const QString &line, const QFont &f, const QRectF &area) {
        painter->setFont(f);
        const QString shown =
            QFontMetricsF(f, &writer).elidedText(line, Qt::ElideRight, area.width());
        painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, shown);
    }

    void draw(const Item &item) {
        if (!painter || item.kind == Item::Kind::Space)
            return;
        const QFont f = font(item.kind, item.bold);
        const qreal line = lineHeight(f);
        if (item.kind == Item::Kind::Row) {
            const QVector<qreal> &columns = *item.columns;
            for (int c = 0; c < item.cells.size() && c < columns.size(); ++c) {
                const qreal right = c + 1 < columns.size() ? columns[c + 1] : 1;
                drawText(item.cells[c], f,
                         QRectF(columns[c] * width, y, (right - columns[c]) * width, line));
            }
            if (item.bold) {
                painter->setPen(QPen(RuleColour, RuleWidth));
                painter->drawLine(QPointF(0, y + line), QPointF(width, y + line));
                painter->setPen(Qt::black);
            }
            return;
        }
        if (item.kind == Item::Kind::Silhouettes) {
            drawSilhouettes(*item.subclass, f, line);
            return;
        }
        drawText(item.cells.value(0), f, QRectF(0, y, width, heightOf(item)));
    }

    // Both views at one scale, so that the two spacings compare at a glance.
    void drawSilhouettes(const Subclass &subclass, const QFont &f, qreal line) {
        const qreal cellHeight = cellWidth() * ViewAspect;
        const Silhouette views[] = {Silhouette(subclass, false), Silhouette(subclass, true)};
        qreal scale = cellHeight / views[0].size().height();
        for (const Silhouette &view : views)
            scale = qMin(scale, cellWidth() / view.size().width());
        for (const bool maximum : {false, true}) {
            const qreal x = maximum ? width - cellWidth() : 0;
            drawText(maximum ? tr("Maximum axle spacing") : tr("Minimum axle spacing"), f,
                     QRectF(x, y, cellWidth(), line));
            const Silhouette &view = views[maximum ? 1 : 0];
            const QRectF cell(x, y + line, cellWidth(), cellHeight);
            if (view.drawn())
                view.paint(*painter, QRectF(cell.topLeft(), view.size() * scale));
            else
                drawText(tr("not drawable"), f, cell);
        }
    }

    void footer() {
        if (!painter)
            return;
        const QFont f = font(Item::Kind::Text, false);
        const QRectF area(0, bottom, width, writer.height() - bottom);
        drawText(footerText, f, area);
        painter->setFont(f);
        painter->drawText(area, Qt::AlignRight | Qt::AlignVCenter,
                          tr("Page %1 of %2").arg(page).arg(total));
    }

    QPdfWriter &writer;
    QPainter *painter;
    const int total;
    const QString footerText;
    const qreal width;
    const qreal bottom; // the footer's top
    qreal y = 0;
    int page = 1;
};

QString joinNumbers(const QVector<quint32> &numbers) {
    QStringList texts;
    for (quint32 number : numbers)
        texts.append(QString::number(number));
    return texts.join(QStringLiteral(", "));
}

Block titleBlock(const Conf &conf, const QString &sourcePath, const Measures &m) {
    const QFileInfo info(sourcePath);
    const QVector<quint32> invalid = conf.get_invalid_subclasses();
    Block block{
        {Item::Kind::Title, {tr("Vehicle classification report")}, nullptr, true, nullptr},
        text(tr("File: %1").arg(info.fileName())),
        text(tr("Folder: %1").arg(info.absolutePath())),
        text(tr("File date: %1")
                 .arg(info.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))),
        text(tr("Subclasses: %1").arg(conf.get_subclass_numbers().size())),
        text(tr("Invalid subclasses: %1")
                 .arg(invalid.isEmpty() ? tr("none") : joinNumbers(invalid))),
        text(tr("Units: weights in %1 (g = %2), lengths in %3")
                 .arg(m.weightName, Numbers::general(m.g), m.lengthName)),
        space(),
        {Item::Kind::Heading, {tr("Header")}, nullptr, true, nullptr},
        row({tr("Field"), tr("Value")}, HeaderColumns, true),
    };
    const QMap<QString, QString> &header = conf.get_header();
    for (auto it = header.cbegin(); it != header.cend(); ++it) {
        const char *label = headerLabels().value(it.key());
        block.append(
            row({label ? tr(label) : it.key(), m.byKey(it.key(), it.value())}, HeaderColumns));
    }
    return block;
}

void appendConstraints(Block &block, const Subclass &s, const Measures &m) {
    struct Kind {
        const QString &type;
        const char *label;
    };
    const Kind kinds[] = {
        {ConstraintType::Default, QT_TRANSLATE_NOOP("Report", "Combined axle weight constraint")},
        {ConstraintType::Adsl, QT_TRANSLATE_NOOP("Report", "Combined axle distance constraint")},
        {ConstraintType::Awsl,
         QT_TRANSLATE_NOOP("Report", "Combined axle weight constraint with classes")},
    };
    bool any = false;
    for (const Kind &kind : kinds) {
        for (int i = 0; i < s.get_number_of_constraints(kind.type); ++i) {
            block.append(text(
                QStringLiteral("%1: %2").arg(tr(kind.label), constraintText(s, i, kind.type, m))));
            any = true;
        }
    }
    if (!s.get_adsl_0().isEmpty()) {
        block.append(
            text(tr("Total distance constraint: %1")
                     .arg(s.is_adsl_0_valid() ? distanceRange(s.get_adsl_0(), m)
                                              : tr("%1 (not valid)").arg(s.get_adsl_0()))));
        any = true;
    }
    if (!s.get_awsl_0().isEmpty()) {
        block.append(
            text(tr("Total weight constraint: %1")
                     .arg(s.is_awsl_0_valid() ? weightClasses(s.get_awsl_0(), m)
                                              : tr("%1 (not valid)").arg(s.get_awsl_0()))));
        any = true;
    }
    if (!any)
        block.append(text(tr("Constraints: none")));
}

QString reclassification(const QString &target, const QString &limit, const Measures &m) {
    if (target.isEmpty() && limit.isEmpty())
        return tr("none");
    return tr("to subclass %1, gross weight limit %2")
        .arg(target.isEmpty() ? NoValue : target, m.weight(limit));
}

Block subclassBlock(const Conf &conf, const Subclass &s, const Measures &m) {
    const bool valid = s.is_valid(conf.get_min_axle_distance(), conf.get_max_axle_distance());
    Block block{
        {Item::Kind::Heading,
         {valid ? tr("Subclass %1").arg(s.get_number())
                : tr("Subclass %1 (not valid)").arg(s.get_number())},
         nullptr,
         true,
         nullptr},
        text(tr("Alias: %1    Category: %2    Axle configuration: %3    Number of axles: %4")
                 .arg(s.get_alias().isEmpty() ? NoValue : s.get_alias(),
                      s.get_category().isEmpty() ? NoValue : s.get_category(),
                      s.get_axle_configuration().isEmpty() ? NoValue : s.get_axle_configuration(),
                      s.get_number_of_axles())),
        text(tr("Max. gross weight: %1    Prepend: %2    Append: %3")
                 .arg(m.weight(s.get_max_GVW()), m.length(s.get_prepend()),
                      m.length(s.get_append()))),
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
             m.weight(s.get_max_axle_weight_at_index(i)),
             gap ? m.length(s.get_min_distance_at_index(i)) : QString(),
             gap ? m.length(s.get_max_distance_at_index(i)) : QString()},
            AxleColumns));
    }
    appendConstraints(block, s, m);
    block.append(text(
        tr("Reclassify up: %1")
            .arg(reclassification(s.get_reclassify_up_to_subclass(), s.get_upper_GVW_limit(), m))));
    block.append(text(tr("Reclassify down: %1")
                          .arg(reclassification(s.get_reclassify_down_to_subclass(),
                                                s.get_lower_GVW_limit(), m))));
    if (!s.get_override_class().isEmpty() || !s.get_override_groups().isEmpty())
        block.append(
            text(tr("Override class: %1    Override groups: %2")
                     .arg(s.get_override_class().isEmpty() ? NoValue : s.get_override_class(),
                          s.get_override_groups().isEmpty() ? NoValue : s.get_override_groups())));
    block.append({Item::Kind::Silhouettes, {}, nullptr, false, &s});
    block.append(space());
    return block;
}

// Lays the whole report out; gives the number of pages.
int layOut(Pages &pages, const Conf &conf, const QString &sourcePath, const Measures &m) {
    pages.place(titleBlock(conf, sourcePath, m));
    pages.newPage();
    for (quint32 number : conf.get_subclass_numbers())
        pages.place(subclassBlock(conf, conf.get_subclass(number), m));
    return pages.finish();
}

} // namespace

std::optional<WeightUnit> weightUnitNamed(const QString &name) {
    return unitNamed(WeightNames, name);
}

std::optional<LengthUnit> lengthUnitNamed(const QString &name) {
    return unitNamed(LengthNames, name);
}

bool writeReport(const Conf &conf, const QString &sourcePath, const ReportOptions &options,
                 const QString &pdfPath, QString *error) {
    const Measures measures(conf, options);
    const QString fileName = QFileInfo(sourcePath).fileName();
    QPdfWriter writer(pdfPath);
    writer.setResolution(Resolution);
    writer.setPageSize(QPageSize(options.pageSize));
    writer.setPageMargins(
        QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
        QPageLayout::Millimeter);
    writer.setTitle(tr("Vehicle classification report: %1").arg(fileName));
    writer.setCreator(QStringLiteral("tarveo-sheet " TARVEO_VERSION));

    // The first pass only counts the pages, for the "of N" of every footer.
    Pages counting(writer, nullptr, 0, fileName);
    const int total = layOut(counting, conf, sourcePath, measures);

    QPainter painter;
    if (!painter.begin(&writer)) {
        *error = tr("cannot write %1").arg(pdfPath);
        return false;
    }
    Pages pages(writer, &painter, total, fileName);
    layOut(pages, conf, sourcePath, measures);
    if (!painter.end()) {
        *error = tr("cannot finish %1").arg(pdfPath);
        return false;
    }
    return true;
}
