#ifndef TARVEO_EDITOR_SUBCLASSLIST_H
#define TARVEO_EDITOR_SUBCLASSLIST_H

#include <QAbstractListModel>
#include <QHash>
#include <QVector>

// The entries of the window's subclass lists, "subclass_" and a number, kept
// as the numbers alone. A classification of many thousands of subclasses is
// listed, rebuilt and searched without an item object per entry, and an
// entry is found by its number rather than by comparing every text.
class SubclassList : public QAbstractListModel {
public:
    explicit SubclassList(QObject *parent) : QAbstractListModel(parent) {}

    // Replaces every entry at once.
    void setNumbers(const QVector<quint32> &numbers);
    const QVector<quint32> &numbers() const { return entries; }
    bool contains(quint32 number) const { return rowOf(number) >= 0; }
    void append(quint32 number);
    // Removes the first entry of the number, if any.
    void remove(quint32 number);
    // The row of the first entry for the number, or -1.
    int rowOf(quint32 number) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    // What the combo box's own item calls come to: an entry's text sets its
    // number; rows come and go.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    bool insertRows(int row, int count, const QModelIndex &parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // An exact search for an entry's text goes by number.
    QModelIndexList match(const QModelIndex &start, int role, const QVariant &value, int hits,
                          Qt::MatchFlags flags) const override;

private:
    QVector<quint32> entries;
    mutable QHash<quint32, int> rows; // first row of each number, rebuilt when stale
    mutable bool rowsStale = true;
};

#endif
