#ifndef TARVEO_TOOLS_SHEET_SHEET_H
#define TARVEO_TOOLS_SHEET_SHEET_H

#include <QImage>

class Conf;

// A sheet of every subclass of a classification, in ascending number: one
// row each with the number, the axle configuration and the vehicle drawn at
// minimum and at maximum axle spacing, as the editor's views draw it.
QImage renderSheet(const Conf &conf);

#endif
