#ifndef TARVEO_ABOUT_ABOUT_H
#define TARVEO_ABOUT_ABOUT_H

#include <QDialog>

namespace Ui {
class About;
}

// Placeholder; the About dialog replaces it.
class About : public QDialog {
    Q_OBJECT
public:
    About(QWidget *parent, const QString &version);
    ~About() override;

private:
    Ui::About *ui;
};

#endif
