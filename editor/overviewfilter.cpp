#include "editor/overviewfilter.h"

#include "editor/overviewmodel.h"

#include <algorithm>

namespace {

const QString InvalidWord = QStringLiteral("invalid");

} // namespace

OverviewFilter::OverviewFilter(OverviewModel *model, QObject *parent)
    : QSortFilterProxyModel(parent), overview(model) {
    setSourceModel(model);
}

void OverviewFilter::setFilterText(const QString &text) {
    QStringList typed = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto isInvalidWord = [](const QString &word) {
        return word.compare(InvalidWord, Qt::CaseInsensitive) == 0;
    };
    const bool invalid = std::any_of(typed.cbegin(), typed.cend(), isInvalidWord);
    typed.erase(std::remove_if(typed.begin(), typed.end(), isInvalidWord), typed.end());
    if (typed == words && invalid == onlyInvalid)
        return;
    words = typed;
    onlyInvalid = invalid;
    // Filtered anew as a whole: told row by row, the change of many rows at
    // once takes much longer.
    invalidate();
}

bool OverviewFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const {
    if (onlyInvalid && overview->isValidAt(sourceRow))
        return false;
    return words.isEmpty() || overview->matches(sourceRow, words);
}

bool OverviewFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const {
    return overview->lessThan(left.column(), left.row(), right.row(), sortOrder());
}
