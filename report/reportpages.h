#ifndef TARVEO_REPORT_REPORTPAGES_H
#define TARVEO_REPORT_REPORTPAGES_H

#include <QFont>
#include <QStringList>
#include <QVector>

class QPagedPaintDevice;
class QPainter;
class QRectF;
class Silhouette;
class Subclass;

// One part of the report: text, a table row, the two silhouettes, or space.
struct ReportItem {
    enum class Kind { Title, Heading, Text, Row, Silhouettes, Space };
    Kind kind = Kind::Text;
    // Text: one, wrapped to the width. Row: one a column, each cut to its
    // column. Silhouettes: the captions at minimum and at maximum spacing.
    QStringList cells;
    const QVector<qreal> *columns = nullptr; // rows: left edge of each, share of the width
    bool bold = false;
    const Subclass *subclass = nullptr; // silhouettes
    // Silhouettes: the distance of each axle gap, at minimum and at maximum.
    QStringList distances[2];
};
using ReportBlock = QVector<ReportItem>;

// Lays blocks out over the device's pages; without a painter it only
// counts the pages.
class ReportPages {
public:
    ReportPages(QPagedPaintDevice &device, QPainter *painter, int total, const QString &footerText);

    // A block that fits on a page is never split.
    void place(const ReportBlock &block);
    void newPage();
    // The last page's footer; gives the number of pages.
    int finish();

private:
    QFont font(ReportItem::Kind kind, bool bold) const;
    QFont labelFont() const;
    qreal lineHeight(const QFont &f) const;
    qreal cellWidth() const;
    qreal heightOf(const ReportItem &item) const;
    void drawText(const QString &line, const QFont &f, const QRectF &area);
    void draw(const ReportItem &item);
    void drawSilhouettes(const ReportItem &item, const QFont &f, qreal line);
    void drawDistances(const Silhouette &view, const QRectF &cell, const QStringList &distances);
    void footer();

    QPagedPaintDevice &device;
    QPainter *painter;
    const int total;
    const QString footerText;
    const qreal width;
    const qreal bottom; // the footer's top
    qreal y = 0;
    int page = 1;
};

#endif
