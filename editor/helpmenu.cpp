// Placeholder bodies; replaced by the real implementation.
#include "editor/tarveo.h"

void Tarveo::menuAboutClicked() {}
void Tarveo::menuUpdateClicked() {}
