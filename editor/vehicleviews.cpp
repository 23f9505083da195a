// The two side views of the displayed subclass, at minimum and at maximum
// axle spacing.
#include "drawing/vehicledrawing.h"
#include "editor/tarveo.h"
#include "model/numbers.h"
#include "ui_tarveo.h"

#include <QDebug>
#include <QGraphicsScene>

void Tarveo::redrawVehicle(const Subclass &subclass) {
    if (!VehicleDrawing::isDrawable(subclass)) {
        clearVehicleDrawings();
        return;
    }
    const float prepend = Numbers::asFloat(ui->lineEditPrepend->text()) * lengthFactor;
    const float append = Numbers::asFloat(ui->lineEditAppend->text()) * lengthFactor;
    VehicleDrawing(ui->graphicsViewMin, false, prepend, append).draw(subclass);
    VehicleDrawing(ui->graphicsViewMax, true, prepend, append).draw(subclass);
}

void Tarveo::clearVehicleDrawings() {
    if (!ui->graphicsViewMin->scene())
        return;
    qDebug() << "Clearing image";
    ui->graphicsViewMin->scene()->clear();
    if (ui->graphicsViewMax->scene())
        ui->graphicsViewMax->scene()->clear();
}
