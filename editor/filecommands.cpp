// Placeholder bodies; replaced by the real implementation.
#include "editor/tarveo.h"

void Tarveo::menuNewClicked() {}
void Tarveo::menuOpenClicked() {}
void Tarveo::menuSaveClicked() {}
