// File > Export Report and Print: the approval report of the document as
// it stands in the window, unsaved edits included, in the units shown.
#include "document/confdocument.h"
#include "editor/editorcontext.h"
#include "editor/tarveo.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

const char *const CaptionExport = QT_TRANSLATE_NOOP("Tarveo", "Export report");
const char *const FilterPdf = QT_TRANSLATE_NOOP("Tarveo", "PDF (*.pdf)");
const QString SuffixPdf = QStringLiteral("pdf");
const char *const TitleNoReport = QT_TRANSLATE_NOOP("Tarveo", "Could not make the report");

} // namespace

ReportOptions Tarveo::reportOptions() const {
    const DisplayUnits &units = context->units();
    ReportOptions options;
    options.weightUnit = WeightUnit(units.weightUnit());
    options.lengthUnit = LengthUnit(units.lengthUnit());
    // Tonnes at the g the window converts with, which may not be the file's.
    if (units.weightUnit() == Tons)
        options.g = units.weightFactor();
    options.path = confDocument->filePath();
    if (options.path.isEmpty())
        options.fileName = tr("(not saved)");
    options.unsavedEdits = confDocument->isModified();
    // Edited, the document is not what the file holds: the SHA-256 is that
    // of the text Save would write.
    if (options.unsavedEdits)
        options.bytes = document().to_bytes();
    return options;
}

void Tarveo::menuExportReportClicked() {
    const QString current = confDocument->filePath();
    const QFileInfo file(current);
    QFileDialog dialog(this, tr(CaptionExport),
                       current.isEmpty() ? QString()
                                         : file.dir().filePath(file.completeBaseName() +
                                                               QLatin1Char('.') + SuffixPdf),
                       tr(FilterPdf));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(SuffixPdf);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString error;
    if (!Report::writePdf(document(), reportOptions(), dialog.selectedFiles().value(0), &error))
        QMessageBox::warning(nullptr, tr(TitleNoReport), error);
}

void Tarveo::menuPrintClicked() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString error;
    if (!Report::paint(document(), reportOptions(), printer, &error))
        QMessageBox::warning(nullptr, tr(TitleNoReport), error);
}
