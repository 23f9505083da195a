#ifndef TARVEO_EDITOR_VEHICLEVIEWS_H
#define TARVEO_EDITOR_VEHICLEVIEWS_H

#include <QWidget>

class Subclass;

namespace Ui {
class VehicleViews;
}

// The displayed subclass drawn twice: with its axles at minimum and at
// maximum spacing.
class VehicleViews : public QWidget {
    Q_OBJECT

public:
    explicit VehicleViews(QWidget *parent = nullptr);
    ~VehicleViews() override;

    // Draws the subclass, or clears both views when it cannot be drawn.
    void draw(const Subclass &subclass);
    void clear();

private:
    Ui::VehicleViews *ui;
};

#endif
