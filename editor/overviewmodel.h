#ifndef TARVEO_EDITOR_OVERVIEWMODEL_H
#define TARVEO_EDITOR_OVERVIEWMODEL_H

#include "model/fields.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

class EditorContext;
class Subclass;

// The whole classification as a table: one row per subclass in ascending
// number, its main values in the units the window shows, and whether the
// full check passes or the first reason it does not. Rows follow the
// document's change signals one by one; the texts of a row are made when a
// view asks for them, and what sorting compares is kept per column once a
// sort has needed it, so that a classification of many thousands of
// subclasses opens, changes and sorts without reading every subclass again.
class OverviewModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        Number,
        Alias,
        Configuration,
        Axles,
        Category,
        MaxGVW,
        Shortest, // the sum of the minimum distances in use
        Longest,  // the sum of the maximum distances in use
        Reclassification,
        State,
        ColumnCount
    };

    OverviewModel(EditorContext *context, QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    quint32 numberAt(int row) const { return numbers.at(row); }
    // The row of the subclass, or -1.
    int rowOf(quint32 number) const;
    bool isValidAt(int row) const;
    // Whether the value of the column at row `left` sorts before that at row
    // `right` in ascending order: numbers as numbers and before text. Empty
    // values end the rows in either order.
    bool lessThan(int column, int left, int right, Qt::SortOrder order) const;
    // Whether every word is part of the row's number, alias, axle
    // configuration or category, in any case.
    bool matches(int row, const QStringList &words) const;

    // The window shows other units: the columns with a unit change.
    void showUnits();

private:
    // What a value sorts by.
    struct Key {
        enum Rank : quint8 { Numeric, Text, Blank };
        Rank rank = Blank;
        double number = 0;
        QString text;
        bool operator==(const Key &other) const {
            return rank == other.rank && number == other.number && text == other.text;
        }
    };

    void documentReplaced();
    void subclassChanged(quint32 number);
    void subclassInserted(quint32 number);
    void subclassRemoved(quint32 number);
    void headerChanged(Fields::Id id);
    void columnChanged(Column column);

    QString text(Column column, quint32 number, const Subclass &subclass) const;
    Key key(Column column, quint32 number, const Subclass &subclass) const;
    const QVector<Key> &keys(int column) const;
    // Keeps the sort keys made so far up to date with the row.
    void updateKeys(int row);
    // The first reason the subclass is invalid; empty when valid.
    QString reason(quint32 number) const;

    EditorContext *context;
    QVector<quint32> numbers; // ascending, as the document holds them
    // Per column, the sort key of every row; empty until a sort needs it.
    mutable std::array<QVector<Key>, ColumnCount> sortKeys;
    mutable QHash<quint32, QString> reasons;
};

#endif
