#include "editor/subclasslist.h"

#include "editor/subclasslookup.h"

namespace {

constexpr Qt::MatchFlags ExactMatch = Qt::MatchExactly | Qt::MatchCaseSensitive;

// The number an entry text names, when the text is exactly an entry.
bool entryNumber(const QString &text, quint32 *number) {
    const QString digits = SubclassLookup::numberText(text);
    bool ok = false;
    *number = digits.toUInt(&ok, 10);
    return ok && text == SubclassLookup::entry(*number);
}

} // namespace

void SubclassList::setNumbers(const QVector<quint32> &numbers) {
    beginResetModel();
    entries = numbers;
    rowsStale = true;
    endResetModel();
}

int SubclassList::rowOf(quint32 number) const {
    if (rowsStale) {
        rows.clear();
        rows.reserve(entries.size());
        for (int row = entries.size() - 1; row >= 0; --row)
            rows.insert(entries.at(row), row);
        rowsStale = false;
    }
    return rows.value(number, -1);
}

void SubclassList::append(quint32 number) {
    const int row = entries.size();
    beginInsertRows(QModelIndex(), row, row);
    entries.append(number);
    if (!rowsStale && !rows.contains(number))
        rows.insert(number, row);
    endInsertRows();
}

void SubclassList::remove(quint32 number) {
    const int row = rowOf(number);
    if (row >= 0)
        removeRows(row, 1);
}

int SubclassList::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : entries.size();
}

QVariant SubclassList::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= entries.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return SubclassLookup::entry(entries.at(index.row()));
}

bool SubclassList::setData(const QModelIndex &index, const QVariant &value, int role) {
    quint32 number = 0;
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole) ||
        !entryNumber(value.toString(), &number))
        return false;
    entries[index.row()] = number;
    rowsStale = true;
    emit dataChanged(index, index, {role});
    return true;
}

bool SubclassList::insertRows(int row, int count, const QModelIndex &parent) {
    if (parent.isValid() || row < 0 || row > entries.size() || count < 1)
        return false;
    beginInsertRows(parent, row, row + count - 1);
    entries.insert(row, count, 0);
    rowsStale = true;
    endInsertRows();
    return true;
}

bool SubclassList::removeRows(int row, int count, const QModelIndex &parent) {
    if (parent.isValid() || row < 0 || count < 1 || row + count > entries.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    entries.remove(row, count);
    rowsStale = true;
    endRemoveRows();
    return true;
}

Qt::ItemFlags SubclassList::flags(const QModelIndex &index) const {
    return QAbstractListModel::flags(index) | Qt::ItemIsEditable;
}

QModelIndexList SubclassList::match(const QModelIndex &start, int role, const QVariant &value,
                                    int hits, Qt::MatchFlags flags) const {
    quint32 number = 0;
    if (role != Qt::DisplayRole || flags != ExactMatch || start.row() != 0 || hits != 1)
        return QAbstractListModel::match(start, role, value, hits, flags);
    if (!entryNumber(value.toString(), &number))
        return {};
    const int row = rowOf(number);
    return row < 0 ? QModelIndexList() : QModelIndexList{index(row)};
}
