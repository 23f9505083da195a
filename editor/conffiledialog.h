#ifndef TARVEO_EDITOR_CONFFILEDIALOG_H
#define TARVEO_EDITOR_CONFFILEDIALOG_H

#include <QFileDialog>

// The dialogs that choose a classification file to open or to save. A name
// typed to save under gets the ".conf" suffix only when no file of that very
// name exists: an existing file without the suffix is written back under its
// own name, after the usual question whether to replace it.
class ConfFileDialog : public QFileDialog {
public:
    ConfFileDialog(QWidget *parent, QFileDialog::AcceptMode mode, const QString &startPath = {});

    // The chosen path; empty when the user cancelled.
    static QString ask(QWidget *parent, QFileDialog::AcceptMode mode,
                       const QString &startPath = {});

protected:
    void accept() override;

private:
    QString chosen; // as accepted, before the suffix is given back
};

#endif
