// The Help menu: the About box and the update page.
#include "editor/tarveo.h"

#include "about/about.h"
#include "tarveoversion.h"

void Tarveo::menuAboutClicked() {
    About about(this, QStringLiteral(TARVEO_VERSION));
    about.exec();
}

void Tarveo::menuUpdateClicked() {
    // The page itself says whether an update exists.
    openUpdatePage(this);
}
