#include "editor/overviewmodel.h"

#include "editor/editorcontext.h"
#include "model/findings.h"
#include "model/numbers.h"

#include <QColor>
#include <algorithm>

namespace {

using Fields::Id;
using Fields::Kind;

// The reclassification targets, up and down.
const char *const TextUp = QT_TRANSLATE_NOOP("OverviewModel", "\u2191%1");
const char *const TextDown = QT_TRANSLATE_NOOP("OverviewModel", "\u2193%1");
// What the file writes for no target.
const QString NoTarget = QStringLiteral("0");

bool isNumeric(int column) {
    switch (column) {
    case OverviewModel::Number:
    case OverviewModel::Axles:
    case OverviewModel::Category:
    case OverviewModel::MaxGVW:
    case OverviewModel::Shortest:
    case OverviewModel::Longest:
        return true;
    default:
        return false;
    }
}

// The sum of the distances of the gaps the axle count uses, in metres, added
// up as the axle rows' sums are: in the file's 32-bit values.
float distanceSum(const Subclass &subclass, Id id) {
    const int gaps =
        qBound(0, Numbers::asInt(subclass.get_number_of_axles()) - 1, Subclass::MaxAxles - 1);
    float sum = 0;
    for (int i = 0; i < gaps; ++i)
        sum += Numbers::asFloat(subclass.get_value(FieldRef{id, i}));
    return sum;
}

Id distanceField(int column) {
    return column == OverviewModel::Shortest ? Id::MinAxleDistance : Id::MaxAxleDistance;
}

bool isTarget(const QString &target) {
    return !target.isEmpty() && target != NoTarget;
}

// Compares text as a reader would: runs of digits by their value ("A9"
// before "A10"), everything else letter by letter regardless of case.
int naturalCompare(const QString &left, const QString &right) {
    int i = 0, j = 0;
    while (i < left.size() && j < right.size()) {
        if (left.at(i).isDigit() && right.at(j).isDigit()) {
            while (left.at(i) == QLatin1Char('0') && i + 1 < left.size() &&
                   left.at(i + 1).isDigit())
                ++i;
            while (right.at(j) == QLatin1Char('0') && j + 1 < right.size() &&
                   right.at(j + 1).isDigit())
                ++j;
            int endI = i, endJ = j;
            while (endI < left.size() && left.at(endI).isDigit())
                ++endI;
            while (endJ < right.size() && right.at(endJ).isDigit())
                ++endJ;
            // A longer run without leading zeros is the larger number.
            if (endI - i != endJ - j)
                return (endI - i) - (endJ - j);
            for (; i < endI; ++i, ++j)
                if (left.at(i) != right.at(j))
                    return left.at(i).unicode() - right.at(j).unicode();
            continue;
        }
        const QChar a = left.at(i).toCaseFolded(), b = right.at(j).toCaseFolded();
        if (a != b)
            return a.unicode() - b.unicode();
        ++i;
        ++j;
    }
    return (left.size() - i) - (right.size() - j);
}

} // namespace

OverviewModel::OverviewModel(EditorContext *editorContext, QObject *parent)
    : QAbstractTableModel(parent), context(editorContext) {
    ConfDocument *document = context->document();
    connect(document, &ConfDocument::documentReplaced, this, &OverviewModel::documentReplaced);
    connect(document, &ConfDocument::subclassChanged, this, &OverviewModel::subclassChanged);
    connect(document, &ConfDocument::subclassInserted, this, &OverviewModel::subclassInserted);
    connect(document, &ConfDocument::subclassRemoved, this, &OverviewModel::subclassRemoved);
    connect(document, &ConfDocument::headerChanged, this, &OverviewModel::headerChanged);
    numbers = context->conf().get_subclass_numbers();
}

int OverviewModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : numbers.size();
}

int OverviewModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

int OverviewModel::rowOf(quint32 number) const {
    const auto found = std::lower_bound(numbers.cbegin(), numbers.cend(), number);
    return found != numbers.cend() && *found == number ? int(found - numbers.cbegin()) : -1;
}

bool OverviewModel::isValidAt(int row) const {
    return context->document()->isValid(numbers.at(row));
}

QVariant OverviewModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid())
        return {};
    const quint32 number = numbers.at(index.row());
    const Conf &conf = context->conf();
    // A removed subclass may still be asked for while the views learn of it.
    if (!conf.has_subclass(number))
        return {};
    const auto column = Column(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return text(column, number, conf.get_subclass(number));
    case Qt::ToolTipRole:
        return column == State ? reason(number) : QVariant();
    case Qt::TextAlignmentRole:
        return isNumeric(column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::BackgroundRole:
        // As the form marks a field that fails its check.
        return isValidAt(index.row()) ? QVariant() : QVariant(QColor(Qt::red));
    default:
        return {};
    }
}

QVariant OverviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const DisplayUnits &units = context->units();
    // The unit as the form's labels give it, without their colon.
    const auto withUnit = [&units](const QString &title, Kind kind) {
        QString suffix = units.suffix(kind);
        if (suffix.endsWith(QLatin1Char(':')))
            suffix.chop(1);
        return title + QLatin1Char(' ') + suffix;
    };
    switch (section) {
    case Number:
        return tr("Subclass");
    case Alias:
        return Fields::label(Id::Alias);
    case Configuration:
        return Fields::label(Id::AxleConfiguration);
    case Axles:
        return tr("Axles");
    case Category:
        return Fields::label(Id::Category);
    case MaxGVW:
        return withUnit(Fields::label(Id::MaxGVW), Kind::Weight);
    case Shortest:
        return withUnit(tr("Shortest"), Kind::Length);
    case Longest:
        return withUnit(tr("Longest"), Kind::Length);
    case Reclassification:
        return tr("Reclassify");
    case State:
        return tr("State");
    default:
        return {};
    }
}

QString OverviewModel::text(Column column, quint32 number, const Subclass &subclass) const {
    const DisplayUnits &units = context->units();
    switch (column) {
    case Number:
        return QString::number(number);
    case Alias:
        return subclass.get_alias();
    case Configuration:
        return subclass.get_axle_configuration();
    case Axles:
        return subclass.get_number_of_axles();
    case Category:
        return subclass.get_category();
    case MaxGVW:
        return units.toDisplay(Kind::Weight, subclass.get_max_GVW());
    case Shortest:
    case Longest:
        return Units::fieldText(distanceSum(subclass, distanceField(column)) /
                                units.lengthFactor());
    case Reclassification: {
        QStringList targets;
        const QString up = subclass.get_reclassify_up_to_subclass();
        const QString down = subclass.get_reclassify_down_to_subclass();
        if (isTarget(up))
            targets << tr(TextUp).arg(up);
        if (isTarget(down))
            targets << tr(TextDown).arg(down);
        return targets.join(QLatin1Char(' '));
    }
    case State: {
        const QString why = reason(number);
        return why.isEmpty() ? tr("valid") : why;
    }
    case ColumnCount:
        break;
    }
    return QString();
}

OverviewModel::Key OverviewModel::key(Column column, quint32 number,
                                      const Subclass &subclass) const {
    Key key;
    switch (column) {
    case Number:
        key.rank = Key::Numeric;
        key.number = number;
        return key;
    case MaxGVW:
    case Shortest:
    case Longest:
        // In the document's units, which order alike in any displayed unit.
        key.number = column == MaxGVW ? Numbers::asFloat(subclass.get_max_GVW())
                                      : distanceSum(subclass, distanceField(column));
        // What shows no value sorts with the empty ones.
        key.rank = key.number > 0 ? Key::Numeric : Key::Blank;
        return key;
    case State:
        // Valid subclasses have no reason: they follow the invalid ones.
        key.text = reason(number);
        key.rank = key.text.isEmpty() ? Key::Blank : Key::Text;
        return key;
    default:
        break;
    }
    key.text = text(column, number, subclass);
    bool numeric = false;
    key.number = key.text.toDouble(&numeric);
    key.rank = key.text.isEmpty() ? Key::Blank : numeric ? Key::Numeric : Key::Text;
    return key;
}

const QVector<OverviewModel::Key> &OverviewModel::keys(int column) const {
    QVector<Key> &built = sortKeys[column];
    if (built.size() != numbers.size()) {
        built.clear();
        built.reserve(numbers.size());
        const Conf &conf = context->conf();
        for (quint32 number : numbers)
            built.append(key(Column(column), number, conf.get_subclass(number)));
    }
    return built;
}

bool OverviewModel::lessThan(int column, int left, int right, Qt::SortOrder order) const {
    const QVector<Key> &all = keys(column);
    const Key &a = all.at(left);
    const Key &b = all.at(right);
    // Descending order puts the larger first: there a blank is the least.
    if ((a.rank == Key::Blank) != (b.rank == Key::Blank))
        return (a.rank == Key::Blank) == (order == Qt::DescendingOrder);
    if (a.rank != b.rank)
        return a.rank < b.rank;
    if (a.rank == Key::Numeric)
        return a.number < b.number;
    return naturalCompare(a.text, b.text) < 0;
}

bool OverviewModel::matches(int row, const QStringList &words) const {
    const quint32 number = numbers.at(row);
    const Subclass &subclass = context->conf().get_subclass(number);
    const QString texts[] = {QString::number(number), subclass.get_alias(),
                             subclass.get_axle_configuration(), subclass.get_category()};
    for (const QString &word : words)
        if (std::none_of(std::begin(texts), std::end(texts), [&word](const QString &text) {
                return text.contains(word, Qt::CaseInsensitive);
            }))
            return false;
    return true;
}

QString OverviewModel::reason(quint32 number) const {
    // The judgement kept by the document answers for the valid ones; only
    // an invalid subclass is checked again, for its words.
    if (context->document()->isValid(number))
        return QString();
    auto cached = reasons.constFind(number);
    if (cached == reasons.cend())
        cached = reasons.insert(
            number, Findings::firstReason(context->conf(), context->conf().get_subclass(number)));
    return *cached;
}

void OverviewModel::showUnits() {
    emit headerDataChanged(Qt::Horizontal, MaxGVW, Longest);
    for (Column column : {MaxGVW, Shortest, Longest})
        columnChanged(column);
}

void OverviewModel::columnChanged(Column column) {
    if (!numbers.isEmpty())
        emit dataChanged(index(0, column), index(numbers.size() - 1, column));
}

void OverviewModel::documentReplaced() {
    beginResetModel();
    numbers = context->conf().get_subclass_numbers();
    for (QVector<Key> &built : sortKeys)
        built.clear();
    reasons.clear();
    endResetModel();
}

void OverviewModel::updateKeys(int row) {
    const quint32 number = numbers.at(row);
    const Subclass &subclass = context->conf().get_subclass(number);
    for (QVector<Key> &built : sortKeys)
        if (built.size() == numbers.size())
            built[row] = key(Column(&built - sortKeys.data()), number, subclass);
}

void OverviewModel::subclassChanged(quint32 number) {
    const int row = rowOf(number);
    if (row < 0)
        return;
    reasons.remove(number);
    // Only the columns whose values may have changed say so: rows sorted by
    // a column whose value stayed are not sorted again, which takes time
    // with many thousands of them. A column no sort has needed is not known
    // to have stayed.
    const Subclass &subclass = context->conf().get_subclass(number);
    int firstChanged = -1;
    for (int column = Number + 1; column <= ColumnCount; ++column) {
        bool changed = column < ColumnCount;
        if (changed && sortKeys[column].size() == numbers.size()) {
            Key now = key(Column(column), number, subclass);
            changed = !(now == sortKeys[column].at(row));
            sortKeys[column][row] = std::move(now);
        }
        if (changed && firstChanged < 0) {
            firstChanged = column;
        } else if (!changed && firstChanged >= 0) {
            emit dataChanged(index(row, firstChanged), index(row, column - 1));
            firstChanged = -1;
        }
    }
}

void OverviewModel::subclassInserted(quint32 number) {
    const int row =
        int(std::lower_bound(numbers.cbegin(), numbers.cend(), number) - numbers.cbegin());
    beginInsertRows({}, row, row);
    // Keys made so far take the row too; the others stay unmade.
    for (QVector<Key> &built : sortKeys)
        if (built.size() == numbers.size() && !built.isEmpty())
            built.insert(row, Key());
        else
            built.clear();
    numbers.insert(row, number);
    reasons.remove(number);
    updateKeys(row);
    endInsertRows();
}

void OverviewModel::subclassRemoved(quint32 number) {
    const int row = rowOf(number);
    if (row < 0)
        return;
    beginRemoveRows({}, row, row);
    for (QVector<Key> &built : sortKeys)
        if (built.size() == numbers.size())
            built.remove(row);
    numbers.remove(row);
    reasons.remove(number);
    endRemoveRows();
}

void OverviewModel::headerChanged(Fields::Id id) {
    if (id == Id::HeaderMinAxleDistance || id == Id::HeaderMaxAxleDistance) {
        // The bounds take part in every subclass's check.
        reasons.clear();
        sortKeys[State].clear();
        columnChanged(State);
    } else if (id == Id::GAccelerationConstant) {
        columnChanged(MaxGVW); // the factor of tonnes follows the file's g
    }
}
