// The overview: every subclass of editing/overview.conf in a table beside the
// form, sorted, filtered, chosen from, following the edits, remembered.
#include "common/windowdriver.h"

using namespace WindowDriver;

namespace {

// The columns as the table shows them at first.
enum Column { Number, Alias, Configuration, Weight = 5, Shortest, Longest, State = 9 };
const char *const File = "editing/overview.conf";

QTableView *table(Tarveo &w) {
    return widget<QTableView>(w, "tableOverview");
}

QString cell(Tarveo &w, int row, int column) {
    return table(w)->model()->index(row, column).data().toString();
}

// The subclass numbers of the rows, top to bottom.
QStringList numbers(Tarveo &w) {
    QStringList shown;
    for (int row = 0; row < table(w)->model()->rowCount(); ++row)
        shown << cell(w, row, Number);
    return shown;
}

int rowOf(Tarveo &w, quint32 number) {
    return numbers(w).indexOf(QString::number(number));
}

// Every cell of the subclass's row, joined by "|", and "red" when the row
// is marked so.
QString rowText(Tarveo &w, quint32 number) {
    const int row = rowOf(w, number);
    QStringList cells;
    for (int column = 0; column < table(w)->model()->columnCount(); ++column)
        cells << cell(w, row, column);
    const QVariant background = table(w)->model()->index(row, 0).data(Qt::BackgroundRole);
    if (background.value<QColor>() == QColor(Qt::red))
        cells << "red";
    return cells.join('|');
}

// The cells a change of the rows names: "first-last" row, and the columns.
struct Span {
    QString rows;
    QSet<int> columns;
};

Span span(const QList<QVariant> &dataChanged) {
    const QModelIndex from = dataChanged.at(0).toModelIndex();
    const QModelIndex to = dataChanged.at(1).toModelIndex();
    Span cells{QString("%1-%2").arg(from.row()).arg(to.row()), {}};
    for (int column = from.column(); column <= to.column(); ++column)
        cells.columns << column;
    return cells;
}

// The number of the selected row; empty for none.
QString selected(Tarveo &w) {
    const QModelIndexList rows = table(w)->selectionModel()->selectedRows(Number);
    return rows.size() == 1 ? rows.first().data().toString() : QString();
}

// Opens the file with the overview shown, as View > Overview shows it.
bool openOverview(Tarveo &w) {
    if (!openShown(w, File))
        return false;
    if (!widget<QAction>(w, "actionOverview")->isChecked())
        widget<QAction>(w, "actionOverview")->trigger();
    QApplication::setActiveWindow(&w);
    return QTest::qWaitForWindowActive(&w) && table(w)->isVisible();
}

} // namespace

class TestOverview : public QObject {
    Q_OBJECT

private slots:
    void columnsShowTheDisplayedUnits_data() {
        QTest::addColumn<int>("weightUnit");
        QTest::addColumn<int>("lengthUnit");
        QTest::addColumn<quint32>("number");
        QTest::addColumn<QString>("row");
        QTest::newRow("reclassified up")
            << int(Tons) << int(Meters) << 4u << "4|44|H2S3|5|5|40.79|10.40|16.50|\u21919|valid";
        QTest::newRow("reclassified down, lb and ft")
            << int(Pounds) << int(Feet) << 10u
            << "10|10|H2S3|5|5|85427.40|34.12|54.13|\u21934|valid";
        // A spare distance past the axles counts for nothing.
        QTest::newRow("spare distances")
            << int(Tons) << int(Meters) << 15u << "15|A|H2|2|4|18.35|3.00|6.00||valid";
        QTest::newRow("a tyre type")
            << int(Kilonewtons) << int(Inches) << 31u
            << "31||H2S1|3|4|300.00|165.35|255.91||tyre type of axle 2: Valid types are between "
               "1 and 4|red";
    }

    void columnsShowTheDisplayedUnits() {
        QFETCH(int, weightUnit);
        QFETCH(int, lengthUnit);
        QFETCH(quint32, number);
        Tarveo w;
        QVERIFY(openOverview(w));
        TarveoTestAccess::receiveUnits(w, uchar(weightUnit), uchar(lengthUnit), Units::DefaultG);
        QTEST(rowText(w, number), "row");
    }

    void sortsNumbersAsNumbers_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("number, descending")
            << int(Number) << int(Qt::DescendingOrder) << "31 30 21 20 15 12 10 9 4 3 2 1";
        // Equal weights keep the order they had; an empty one comes last
        // either way.
        QTest::newRow("weight") << int(Weight) << int(Qt::AscendingOrder)
                                << "1 2 3 15 20 31 21 10 4 9 12 30";
        QTest::newRow("weight, descending")
            << int(Weight) << int(Qt::DescendingOrder) << "9 12 4 10 21 31 20 3 15 2 1 30";
        QTest::newRow("alias: numbers, then text, then none")
            << int(Alias) << int(Qt::AscendingOrder) << "9 10 4 15 21 12 3 1 2 20 30 31";
        QTest::newRow("state: the reasons first")
            << int(State) << int(Qt::AscendingOrder) << "30 31 1 2 3 4 9 10 12 15 20 21";
    }

    void sortsNumbersAsNumbers() {
        QFETCH(int, column);
        QFETCH(int, order);
        Tarveo w;
        QVERIFY(openOverview(w));
        table(w)->sortByColumn(column, Qt::SortOrder(order));
        QTEST(numbers(w).join(' '), "numbers");
    }

    void filters_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("numbers");
        // Named by what is typed.
        const auto row = [](const char *typed, const char *numbers) {
            QTest::newRow(typed) << QString(typed) << QString(numbers);
        };
        row("h2s3", "4 10 30"); // configurations, in any case
        row("invalid", "30 31");
        row("s1 Invalid", "31"); // every word somewhere
    }

    // Ctrl+F brings the overview and its filter, which a narrow screen
    // starts without.
    void filters() {
        QFETCH(QString, typed);
        Tarveo w;
        QVERIFY(openShown(w, File));
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(!table(w)->isVisible());
        QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(table(w)->isVisible());
        QVERIFY(widget(w, "lineEditOverviewFilter")->hasFocus());
        QTest::keyClicks(widget(w, "lineEditOverviewFilter"), typed);
        QTEST(numbers(w).join(' '), "numbers");
        retype(w, "lineEditOverviewFilter", "");
        QCOMPARE(numbers(w).size(), 12);
    }

    void choosingAndShowingGoTogether() {
        Tarveo w;
        QVERIFY(openOverview(w));
        QVERIFY(select(w, 10));

        // The keys walk the table's order, here by weight: 1 ... 21 10 4 ... 30.
        table(w)->sortByColumn(Weight, Qt::AscendingOrder);
        table(w)->setFocus();
        QStringList walked;
        for (Qt::Key key :
             {Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp}) {
            QTest::keyClick(table(w), key);
            walked << text(w, "lineEditSubclass") + ':' + selected(w);
        }
        QCOMPARE(walked.join(' '), QString("4:4 10:10 21:21 30:30 1:1"));
        QTest::keyClick(table(w), Qt::Key_Return);
        QVERIFY(widget(w, "lineEditCategory")->hasFocus());
    }

    void rowsFollowEditsAndUndo() {
        Tarveo w;
        QVERIFY(openOverview(w)); // subclass 1 on display, in the first row
        auto *rows = qobject_cast<QSortFilterProxyModel *>(table(w)->model())->sourceModel();
        QSignalSpy changed(rows, &QAbstractItemModel::dataChanged);
        retype(w, "lineEditConfString", "C3");
        QCOMPARE(rowText(w, 1), "1||C3|2|1|3.57|2.20|3.50||axle configuration: " +
                                    tip(Messages::AxleConfiguration).replace('\n', ' ') + "|red");
        // Only the first row is redrawn, and in it the cells that changed.
        QSet<int> columns;
        for (const QList<QVariant> &signal : changed) {
            QCOMPARE(span(signal).rows, QString("0-0"));
            columns += span(signal).columns;
        }
        QVERIFY(columns.contains(Configuration) && columns.contains(State));
        widget<QAction>(w, "actionUndo")->trigger();
        QCOMPARE(rowText(w, 1), QString("1||C2|2|1|3.57|2.20|3.50||valid"));
        // The file's g taken back changes the tonnes of every row.
        TarveoTestAccess::receiveUnits(w, Tons, Meters, 9.81f);
        changed.clear();
        widget<QAction>(w, "actionUndo")->trigger();
        QVERIFY(std::any_of(changed.cbegin(), changed.cend(), [](const QList<QVariant> &signal) {
            return span(signal).rows == "0-11" && span(signal).columns.contains(Weight);
        }));

        // The header's bounds take part in every subclass's check: the
        // filtered rows follow.
        retype(w, "lineEditOverviewFilter", "invalid");
        retype(w, "lineEditMinAxleDist", "2.5");
        QCOMPARE(numbers(w).join(' '), QString("1 2 4 9 10 12 20 21 30 31"));
        QCOMPARE(cell(w, 0, State), "min. distance between axles 1 and 2: " + tipMinDistRange);
        retype(w, "lineEditMinAxleDist", "0.8");
        retype(w, "lineEditMaxAxleDist", "8");
        QCOMPARE(numbers(w).join(' '), QString("4 9 10 12 30 31"));
        QCOMPARE(cell(w, 0, State), "max. distance between axles 2 and 3: " + tipMaxDistRange);
    }

    void theOverviewIsRemembered() {
        {
            Tarveo w;
            QVERIFY(openOverview(w));
            auto *dock = widget<QDockWidget>(w, "dockOverview");
            w.addDockWidget(Qt::LeftDockWidgetArea, dock);
            QHeaderView *header = table(w)->horizontalHeader();
            emit header->customContextMenuRequested(QPoint(1, 1));
            auto *menu = widget<QMenu>(w, "menuOverviewColumns");
            menu->actions().at(Alias)->trigger();
            menu->close();
            header->resizeSection(Configuration, 150);
            table(w)->sortByColumn(Weight, Qt::DescendingOrder);
            QVERIFY(w.close());
        }
        Tarveo w;
        w.restoreSettings();
        QVERIFY(openShown(w, File));
        QVERIFY(table(w)->isVisible());
        QCOMPARE(w.dockWidgetArea(widget<QDockWidget>(w, "dockOverview")), Qt::LeftDockWidgetArea);
        QHeaderView *header = table(w)->horizontalHeader();
        QVERIFY(header->isSectionHidden(Alias));
        QCOMPARE(header->sectionSize(Configuration), 150);
        QCOMPARE(numbers(w).mid(0, 3).join(' '), QString("9 12 4"));
    }
};

QTEST_MAIN(TestOverview)
#include "tst_overview.moc"
