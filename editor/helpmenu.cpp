// The Help menu: the About box and the update page.
#include "editor/tarveo.h"

#include "about/about.h"
#include "tarveoversion.h"

#include <QDesktopServices>
#include <QUrl>

void Tarveo::menuAboutClicked() {
    About about(this, QStringLiteral(TARVEO_VERSION));
    about.exec();
}

void Tarveo::menuUpdateClicked() {
    // The page itself says whether an update exists; whether a browser could be
    // started is not ours to report.
    QDesktopServices::openUrl(updateUrl());
}
