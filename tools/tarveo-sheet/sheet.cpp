#include "tools/tarveo-sheet/sheet.h"

#include "drawing/silhouette.h"
#include "model/conf.h"

#include <QCoreApplication>
#include <QPainter>
#include <QVector>
#include <algorithm>

namespace {

// The editor's drawing views are 400 by 90 pixels; a column is at least
// 90 % of that.
constexpr int MinCellWidth = 360;
constexpr int MinCellHeight = 81;

constexpr int Margin = 10;
constexpr int LabelWidth = 150;
constexpr int ColumnGap = 10;
constexpr int HeaderHeight = 26;
constexpr int RowGap = 8;

const QColor RuleColour(200, 200, 200);
const QColor NoteColour(150, 30, 30);

QString tr(const char *text) {
    return QCoreApplication::translate("Sheet", text);
}

// One side view, rendered at the size of the editor's view; empty when the
// subclass cannot be drawn.
struct Cell {
    QImage image;
    bool drawn = false;
    QString reason; // why not drawn
};

Cell renderCell(const Subclass &subclass, bool drawMaximum) {
    const Silhouette silhouette(subclass, drawMaximum);
    Cell cell;
    cell.reason = silhouette.reason();
    if (!silhouette.drawn())
        return cell;
    cell.image = QImage(silhouette.size().toSize(), QImage::Format_RGB32);
    cell.image.fill(Qt::white);
    QPainter painter(&cell.image);
    silhouette.paint(painter, QRectF(QPointF(0, 0), silhouette.size()));
    cell.drawn = true;
    return cell;
}

struct Row {
    QString number;
    QString configuration;
    Cell minimum;
    Cell maximum;
};

void drawCell(QPainter &painter, const Cell &cell, const QRect &area) {
    if (cell.drawn) {
        painter.drawImage(area.topLeft(), cell.image);
        return;
    }
    painter.setPen(NoteColour);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                     tr("not drawable: %1").arg(cell.reason));
}

} // namespace

QImage renderSheet(const Conf &conf) {
    QVector<quint32> numbers = conf.get_subclass_numbers();
    std::sort(numbers.begin(), numbers.end());

    QVector<Row> rows;
    int cellWidth = MinCellWidth;
    int cellHeight = MinCellHeight;
    for (quint32 number : qAsConst(numbers)) {
        const Subclass &subclass = conf.get_subclass(number);
        Row row{QString::number(number), subclass.get_axle_configuration(),
                renderCell(subclass, false), renderCell(subclass, true)};
        for (const Cell *cell : {&row.minimum, &row.maximum}) {
            cellWidth = qMax(cellWidth, cell->image.width());
            cellHeight = qMax(cellHeight, cell->image.height());
        }
        rows.append(row);
    }

    const int rowHeight = cellHeight + RowGap;
    const int width = 2 * Margin + LabelWidth + 2 * (cellWidth + ColumnGap);
    const int height = 2 * Margin + HeaderHeight + rows.size() * rowHeight;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);

    const int minX = Margin + LabelWidth + ColumnGap;
    const int maxX = minX + cellWidth + ColumnGap;
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRect(Margin, Margin, LabelWidth, HeaderHeight), Qt::AlignLeft,
                     tr("Subclass"));
    painter.drawText(QRect(minX, Margin, cellWidth, HeaderHeight), Qt::AlignLeft,
                     tr("Minimum axle spacing"));
    painter.drawText(QRect(maxX, Margin, cellWidth, HeaderHeight), Qt::AlignLeft,
                     tr("Maximum axle spacing"));

    int y = Margin + HeaderHeight;
    for (const Row &row : qAsConst(rows)) {
        painter.setPen(RuleColour);
        painter.drawLine(Margin, y, width - Margin, y);
        painter.setPen(Qt::black);
        painter.setFont(bold);
        const QRect label(Margin, y + RowGap / 2, LabelWidth, cellHeight);
        painter.drawText(label, Qt::AlignLeft | Qt::AlignTop, row.number);
        bold.setBold(false);
        painter.setFont(bold);
        painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, row.configuration);
        bold.setBold(true);
        drawCell(painter, row.minimum, QRect(minX, y + RowGap / 2, cellWidth, cellHeight));
        drawCell(painter, row.maximum, QRect(maxX, y + RowGap / 2, cellWidth, cellHeight));
        y += rowHeight;
    }
    return sheet;
}
