#include "report/reportpages.h"

#include "drawing/silhouette.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

namespace {

constexpr qreal TitlePoints = 18;
constexpr qreal HeadingPoints = 12;
constexpr qreal BodyPoints = 9;
constexpr qreal LabelPoints = 7;         // the distances on the silhouettes
constexpr qreal LineSpacing = 1.4;       // line height per font height
constexpr qreal SilhouetteGap = 0.04;    // share of the width between the two views
constexpr qreal ViewAspect = 90.0 / 400; // height per width of the editor's views
constexpr int DistanceRows = 2;          // neighbouring gaps' labels alternate rows
constexpr qreal TickShare = 0.25;        // a dimension line's end ticks, per label line
constexpr qreal RuleShare = 0.08;        // rules are this share of a point wide
constexpr qreal PointsPerInch = 72;
constexpr qreal InvisibleSpacing = 0.1; // device pixels
const QColor RuleColour(160, 160, 160);

QString tr(const char *text) {
    return QCoreApplication::translate("Report", text);
}

} // namespace

ReportPages::ReportPages(QPagedPaintDevice &device, QPainter *painter, int total,
                         const QString &footerText)
    : device(device), painter(painter), total(total), footerText(footerText), width(device.width()),
      bottom(device.height() - lineHeight(font(ReportItem::Kind::Text, false))) {}

void ReportPages::place(const ReportBlock &block) {
    qreal height = 0;
    for (const ReportItem &item : block)
        height += heightOf(item);
    if (y + height > bottom && height <= bottom)
        newPage();
    for (const ReportItem &item : block) {
        if (y + heightOf(item) > bottom)
            newPage();
        draw(item);
        y += heightOf(item);
    }
}

void ReportPages::newPage() {
    footer();
    if (painter)
        device.newPage();
    ++page;
    y = 0;
}

int ReportPages::finish() {
    footer();
    return page;
}

QFont ReportPages::font(ReportItem::Kind kind, bool bold) const {
    QFont f;
    // Letter spacing keeps ligatures out of the text, so that "fi" is found
    // and copied as two letters; the spacing itself is invisible.
    f.setLetterSpacing(QFont::AbsoluteSpacing, InvisibleSpacing);
    f.setPointSizeF(kind == ReportItem::Kind::Title     ? TitlePoints
                    : kind == ReportItem::Kind::Heading ? HeadingPoints
                                                        : BodyPoints);
    f.setBold(bold || kind == ReportItem::Kind::Title || kind == ReportItem::Kind::Heading);
    return f;
}

QFont ReportPages::labelFont() const {
    QFont f = font(ReportItem::Kind::Text, false);
    f.setPointSizeF(LabelPoints);
    return f;
}

qreal ReportPages::lineHeight(const QFont &f) const {
    return QFontMetricsF(f, &device).height() * LineSpacing;
}

qreal ReportPages::cellWidth() const {
    return width * (1 - SilhouetteGap) / 2;
}

qreal ReportPages::heightOf(const ReportItem &item) const {
    const QFont f = font(item.kind, item.bold);
    const qreal line = lineHeight(f);
    switch (item.kind) {
    case ReportItem::Kind::Title:
        return 2 * line;
    case ReportItem::Kind::Silhouettes:
        return line + cellWidth() * ViewAspect + DistanceRows * lineHeight(labelFont());
    case ReportItem::Kind::Text: {
        const QFontMetricsF metrics(f, &device);
        const QRectF wrapped = metrics.boundingRect(QRectF(0, 0, width, device.height()),
                                                    Qt::TextWordWrap, item.cells.value(0));
        return qMax<qreal>(1, std::round(wrapped.height() / metrics.lineSpacing())) * line;
    }
    default:
        return line;
    }
}

void ReportPages::drawText(const QString &line, const QFont &f, const QRectF &area) {
    painter->setFont(f);
    const QString shown = QFontMetricsF(f, &device).elidedText(line, Qt::ElideRight, area.width());
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, shown);
}

void ReportPages::draw(const ReportItem &item) {
    if (!painter || item.kind == ReportItem::Kind::Space)
        return;
    const QFont f = font(item.kind, item.bold);
    const qreal line = lineHeight(f);
    switch (item.kind) {
    case ReportItem::Kind::Row: {
        const QVector<qreal> &columns = *item.columns;
        for (int c = 0; c < item.cells.size() && c < columns.size(); ++c) {
            const qreal right = c + 1 < columns.size() ? columns[c + 1] : 1;
            drawText(item.cells[c], f,
                     QRectF(columns[c] * width, y, (right - columns[c]) * width, line));
        }
        if (item.bold) {
            painter->setPen(QPen(RuleColour, RuleShare * device.logicalDpiY() / PointsPerInch));
            painter->drawLine(QPointF(0, y + line), QPointF(width, y + line));
            painter->setPen(Qt::black);
        }
        return;
    }
    case ReportItem::Kind::Silhouettes:
        drawSilhouettes(item, f, line);
        return;
    case ReportItem::Kind::Text:
        painter->setFont(f);
        painter->drawText(QRectF(0, y, width, heightOf(item)),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, item.cells.value(0));
        return;
    default:
        drawText(item.cells.value(0), f, QRectF(0, y, width, heightOf(item)));
    }
}

// Both views at one scale, so that the two spacings compare at a glance.
void ReportPages::drawSilhouettes(const ReportItem &item, const QFont &f, qreal line) {
    const qreal cellHeight = cellWidth() * ViewAspect;
    const Silhouette views[] = {Silhouette(*item.subclass, false),
                                Silhouette(*item.subclass, true)};
    qreal scale = cellHeight / views[0].size().height();
    for (const Silhouette &view : views)
        scale = qMin(scale, cellWidth() / view.size().width());
    for (const int side : {0, 1}) {
        const qreal x = side == 1 ? width - cellWidth() : 0;
        drawText(item.cells.value(side), f, QRectF(x, y, cellWidth(), line));
        const Silhouette &view = views[side];
        const QRectF cell(x, y + line, cellWidth(), cellHeight);
        if (!view.drawn()) {
            painter->setFont(f);
            painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                              tr("not drawable: %1").arg(view.reason()));
            continue;
        }
        const QRectF target(cell.topLeft(), view.size() * scale);
        view.paint(*painter, target);
        drawDistances(view, QRectF(target.left(), cell.top(), target.width(), cellHeight),
                      item.distances[side]);
    }
}

// A dimension line under each axle gap with its distance below it;
// neighbouring gaps take turns in two rows, so that short ones keep clear.
void ReportPages::drawDistances(const Silhouette &view, const QRectF &cell,
                                const QStringList &distances) {
    const QFont f = labelFont();
    const qreal line = lineHeight(f);
    const qreal tick = line * TickShare;
    const QVector<qreal> wheels = view.wheelsIn(cell);
    painter->setFont(f);
    for (int i = 0; i + 1 < wheels.size() && i < distances.size(); ++i) {
        const qreal top = cell.bottom() + (i % DistanceRows) * line;
        const qreal left = wheels[i];
        const qreal right = wheels[i + 1];
        painter->setPen(QPen(RuleColour, RuleShare * device.logicalDpiY() / PointsPerInch));
        painter->drawLine(QPointF(left, top + tick), QPointF(right, top + tick));
        painter->drawLine(QPointF(left, top), QPointF(left, top + 2 * tick));
        painter->drawLine(QPointF(right, top), QPointF(right, top + 2 * tick));
        painter->setPen(Qt::black);
        const qreal middle = (left + right) / 2;
        painter->drawText(QRectF(middle - cell.width(), top + tick, 2 * cell.width(), line - tick),
                          Qt::AlignHCenter | Qt::AlignVCenter, distances[i]);
    }
}

void ReportPages::footer() {
    if (!painter)
        return;
    const QFont f = font(ReportItem::Kind::Text, false);
    const QRectF area(0, bottom, width, device.height() - bottom);
    const QString pages = tr("Page %1 of %2").arg(page).arg(total);
    const qreal pagesWidth = QFontMetricsF(f, &device).horizontalAdvance(pages);
    drawText(footerText, f,
             QRectF(area.left(), area.top(), area.width() - 2 * pagesWidth, area.height()));
    painter->setFont(f);
    painter->drawText(area, Qt::AlignRight | Qt::AlignVCenter, pages);
}
