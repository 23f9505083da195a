#ifndef TARVEO_ABOUT_ABOUT_H
#define TARVEO_ABOUT_ABOUT_H

#include <QDialog>

class QUrl;

namespace Ui {
class About;
}

// The About box: icon, version line and where the program comes from.
class About : public QDialog {
    Q_OBJECT
public:
    About(QWidget *parent, const QString &version);
    ~About() override;

private:
    Ui::About *ui;
};

// The page that tells whether a newer version exists.
QUrl updateUrl();

// Opens the update page in the browser, or, when none can be started,
// shows its address in a box to copy it from.
void openUpdatePage(QWidget *parent);

#endif
