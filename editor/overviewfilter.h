#ifndef TARVEO_EDITOR_OVERVIEWFILTER_H
#define TARVEO_EDITOR_OVERVIEWFILTER_H

#include <QSortFilterProxyModel>
#include <QStringList>

class OverviewModel;

// The overview's rows as the user sorts and filters them. The filter is
// words: each must be part of a row's number, alias, axle configuration or
// category, and the word "invalid" keeps only the subclasses that fail
// their check.
class OverviewFilter : public QSortFilterProxyModel {
public:
    OverviewFilter(OverviewModel *model, QObject *parent);

    void setFilterText(const QString &text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    OverviewModel *overview;
    QStringList words;
    bool onlyInvalid = false;
};

#endif
