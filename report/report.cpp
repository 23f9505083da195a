#include "report/report.h"

#include "tarveoversion.h"
#include "model/conf.h"
#include "report/outputfile.h"
#include "report/reportcontent.h"
#include "report/reportpages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int PdfResolution = 300; // page coordinates in dots per inch
constexpr qreal MarginMillimetres = 15;

QString tr(const char *text) {
    return QCoreApplication::translate("Report", text);
}

// Lays the whole report out; gives the number of pages.
int layOut(ReportPages &pages, const Conf &conf, const ReportContent &content) {
    pages.place(content.title());
    pages.newPage();
    for (quint32 number : conf.get_subclass_numbers())
        pages.place(content.subclass(number));
    pages.place(content.approval());
    return pages.finish();
}

bool fail(QString *error, const QString &reason) {
    *error = reason;
    return false;
}

} // namespace

QString ReportOptions::shownName() const {
    return fileName.isEmpty() ? QFileInfo(path).fileName() : fileName;
}

namespace Report {

bool paint(const Conf &conf, const ReportOptions &options, QPagedPaintDevice &device,
           QString *error) {
    QByteArray bytes;
    if (options.bytes) {
        bytes = *options.bytes;
    } else {
        QFile file(options.path);
        if (!file.open(QIODevice::ReadOnly))
            return fail(error, tr("cannot read %1: %2").arg(options.path, file.errorString()));
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return fail(error, tr("cannot read %1: %2").arg(options.path, file.errorString()));
    }
    if (options.pageSize)
        device.setPageSize(QPageSize(*options.pageSize));
    device.setPageMargins(
        QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
        QPageLayout::Millimeter);
    const ReportContent content(conf, options, bytes);

    // The first pass only counts the pages, for the "of N" of every footer.
    ReportPages counting(device, nullptr, 0, content.fileName());
    const int total = layOut(counting, conf, content);

    QPainter painter;
    if (!painter.begin(&device))
        return fail(error, tr("cannot begin the first page"));
    ReportPages pages(device, &painter, total, content.fileName());
    layOut(pages, conf, content);
    if (!painter.end())
        return fail(error, tr("cannot finish the last page"));
    return true;
}

bool writePdf(const Conf &conf, const ReportOptions &options, const QString &path, QString *error) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        ReportOptions pdfOptions = options;
        if (!pdfOptions.pageSize)
            pdfOptions.pageSize = QPageSize::A4;
        writer.setTitle(tr("Vehicle classification report: %1").arg(options.shownName()));
        writer.setCreator(QStringLiteral("Tarveo " TARVEO_VERSION));
        if (!paint(conf, pdfOptions, writer, error))
            return false;
    }
    QString reason;
    if (!OutputFile::write(path, buffer.data(), &reason))
        return fail(error, tr("cannot write %1: %2").arg(path, reason));
    return true;
}

} // namespace Report
