#include "editor/conffiledialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace {

const char *const CaptionSave = QT_TRANSLATE_NOOP("Tarveo", "Save as");
const char *const CaptionOpen = QT_TRANSLATE_NOOP("Tarveo", "Open file");
const char *const FilterConf = QT_TRANSLATE_NOOP("Tarveo", "Configuration (*.conf)");
const QString SuffixConf = QStringLiteral("conf");
// The name field of the toolkit's own dialog.
const QString FileNameEditName = QStringLiteral("fileNameEdit");

QString windowText(const char *text) {
    return QCoreApplication::translate("Tarveo", text);
}

} // namespace

ConfFileDialog::ConfFileDialog(QWidget *parent, QFileDialog::AcceptMode mode,
                               const QString &startPath)
    : QFileDialog(parent, windowText(mode == AcceptSave ? CaptionSave : CaptionOpen), startPath,
                  windowText(FilterConf)) {
    // The widgets are the toolkit's own so that they look the same everywhere.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(mode);
    setFileMode(mode == AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (mode == AcceptSave)
        setDefaultSuffix(SuffixConf);
}

QString ConfFileDialog::ask(QWidget *parent, QFileDialog::AcceptMode mode,
                            const QString &startPath) {
    ConfFileDialog dialog(parent, mode, startPath);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.chosen;
}

void ConfFileDialog::accept() {
    const auto *nameEdit = findChild<QLineEdit *>(FileNameEditName);
    const bool existingWithoutSuffix = acceptMode() == AcceptSave && nameEdit &&
                                       !nameEdit->text().contains(QLatin1Char('.')) &&
                                       QFileInfo(directory(), nameEdit->text()).isFile();
    if (existingWithoutSuffix)
        setDefaultSuffix(QString());
    QFileDialog::accept();
    if (result() == Accepted)
        chosen = selectedFiles().value(0);
    if (existingWithoutSuffix)
        setDefaultSuffix(SuffixConf);
}
