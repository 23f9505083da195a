// Placeholder construction; the full construction sequence replaces it.
#include "editor/tarveo.h"
#include "ui_tarveo.h"

Tarveo::Tarveo(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::Tarveo),
      styleValid(QStringLiteral("QLineEdit {background-color: lime}")),
      styleInvalid(QStringLiteral("QLineEdit {background-color: red}")), weightFactor(9.80665f),
      lengthFactor(1.0f), weightUnit(Tons), lengthUnit(Meters), constraintRowsDefault(0),
      constraintRowsAdsl(0), constraintRowsAwsl(0) {
    ui->setupUi(this);
}

Tarveo::~Tarveo() { delete ui; }

Subclass *Tarveo::currentSubclass() { return nullptr; }

void Tarveo::clearAndHideSubclassPanel() {}
void Tarveo::previousSubclass() {}
void Tarveo::nextSubclass() {}
