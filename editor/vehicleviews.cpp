#include "editor/vehicleviews.h"

#include "editor/editorlog.h"

#include "drawing/vehicledrawing.h"
#include "model/numbers.h"
#include "ui_vehicleviews.h"

#include <QGraphicsScene>

VehicleViews::VehicleViews(QWidget *parent) : QWidget(parent), ui(new Ui::VehicleViews) {
    ui->setupUi(this);
}

VehicleViews::~VehicleViews() {
    delete ui;
}

void VehicleViews::draw(const Subclass &subclass) {
    if (!VehicleDrawing::isDrawable(subclass)) {
        clear();
        return;
    }
    const float prepend = Numbers::asFloat(subclass.get_prepend());
    const float append = Numbers::asFloat(subclass.get_append());
    VehicleDrawing(ui->graphicsViewMin, false, prepend, append).draw(subclass);
    VehicleDrawing(ui->graphicsViewMax, true, prepend, append).draw(subclass);
}

void VehicleViews::clear() {
    if (!ui->graphicsViewMin->scene())
        return;
    qCDebug(tarveoEditor) << "Clearing image";
    ui->graphicsViewMin->scene()->clear();
    if (ui->graphicsViewMax->scene())
        ui->graphicsViewMax->scene()->clear();
}
