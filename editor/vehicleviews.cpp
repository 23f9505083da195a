// Placeholder bodies; replaced by the real implementation.
#include "editor/tarveo.h"

void Tarveo::redrawVehicle(const Subclass & /*subclass*/) {}
void Tarveo::clearVehicleDrawings() {}
