#include "tools/tarveo-sheet/sheet.h"

#include "drawing/vehicledrawing.h"
#include "model/conf.h"
#include "model/numbers.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QVector>
#include <algorithm>

namespace {

// The drawing views have the size of the editor's views: 90 pixels high,
// and wide enough that an ordinary vehicle fits in the visible scene.
constexpr int viewWidth = 400;
constexpr int viewHeight = 90;
// Nothing of a vehicle longer than this many pixels goes on the sheet.
constexpr int maxCellWidth = 4000;
constexpr int cellPadding = 4;

constexpr int margin = 10;
constexpr int labelWidth = 150;
constexpr int columnGap = 10;
constexpr int headerHeight = 26;
constexpr int rowGap = 8;

const QColor ruleColour(200, 200, 200);
const QColor noteColour(150, 30, 30);

QString tr(const char *text) {
    return QCoreApplication::translate("Sheet", text);
}

// One side view, rendered as the editor would show it; empty when the
// subclass cannot be drawn.
struct Cell {
    QImage image;
    bool drawn = false;
};

Cell renderCell(const Subclass &subclass, bool drawMaximum) {
    QGraphicsView view;
    view.resize(viewWidth, viewHeight);
    Cell cell;
    if (!VehicleDrawing::isDrawable(subclass)) {
        return cell;
    }
    VehicleDrawing drawing(&view, drawMaximum, Numbers::asFloat(subclass.get_prepend()),
                           Numbers::asFloat(subclass.get_append()));
    drawing.draw(subclass);
    QGraphicsScene *scene = view.scene();
    // The visible part of the editor's view, widened to the vehicle's end
    // when it is longer.
    QRectF source = view.sceneRect();
    const QRectF items = scene->itemsBoundingRect();
    if (items.isValid()) {
        source.setRight(qMax(source.right(), items.right() + cellPadding));
    }
    source.setWidth(qMin<qreal>(source.width(), maxCellWidth));
    cell.image = QImage(source.size().toSize(), QImage::Format_RGB32);
    cell.image.fill(Qt::white);
    QPainter painter(&cell.image);
    scene->render(&painter, QRectF(QPointF(0, 0), source.size()), source);
    cell.drawn = !scene->items().isEmpty();
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
    painter.setPen(noteColour);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, tr("not drawable"));
}

} // namespace

QImage renderSheet(const Conf &conf) {
    QVector<quint32> numbers = conf.get_subclass_numbers();
    std::sort(numbers.begin(), numbers.end());

    QVector<Row> rows;
    int cellWidth = int(viewWidth * 0.9);
    int cellHeight = int(viewHeight * 0.9);
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

    const int rowHeight = cellHeight + rowGap;
    const int width = 2 * margin + labelWidth + 2 * (cellWidth + columnGap);
    const int height = 2 * margin + headerHeight + rows.size() * rowHeight;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);

    const int minX = margin + labelWidth + columnGap;
    const int maxX = minX + cellWidth + columnGap;
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRect(margin, margin, labelWidth, headerHeight), Qt::AlignLeft,
                     tr("Subclass"));
    painter.drawText(QRect(minX, margin, cellWidth, headerHeight), Qt::AlignLeft,
                     tr("Minimum axle spacing"));
    painter.drawText(QRect(maxX, margin, cellWidth, headerHeight), Qt::AlignLeft,
                     tr("Maximum axle spacing"));

    int y = margin + headerHeight;
    for (const Row &row : qAsConst(rows)) {
        painter.setPen(ruleColour);
        painter.drawLine(margin, y, width - margin, y);
        painter.setPen(Qt::black);
        painter.setFont(bold);
        const QRect label(margin, y + rowGap / 2, labelWidth, cellHeight);
        painter.drawText(label, Qt::AlignLeft | Qt::AlignTop, row.number);
        bold.setBold(false);
        painter.setFont(bold);
        painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, row.configuration);
        bold.setBold(true);
        drawCell(painter, row.minimum, QRect(minX, y + rowGap / 2, cellWidth, cellHeight));
        drawCell(painter, row.maximum, QRect(maxX, y + rowGap / 2, cellWidth, cellHeight));
        y += rowHeight;
    }
    return sheet;
}
