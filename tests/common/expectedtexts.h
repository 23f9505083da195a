#ifndef TARVEO_TESTS_EXPECTEDTEXTS_H
#define TARVEO_TESTS_EXPECTEDTEXTS_H

#include <QString>

// What the window is expected to put on its fields, written out here once
// and independently of the program's own constants.
namespace Expected {

const QString lime = QStringLiteral("QLineEdit {background-color: lime}");
const QString red = QStringLiteral("QLineEdit {background-color: red}");
const QString yellow = QStringLiteral("QLineEdit {background-color: yellow}");
const QString white = QStringLiteral("QLineEdit {background-color: white}");

const QString tipMaxDistRange =
    QStringLiteral("Value must be higher than corresponding min distance and between min and "
                   "max distances in header.");
const QString tipMinDistRange =
    QStringLiteral("Value must be lower than corresponding max distance and between min and "
                   "max distances in header.");
const QString tipNumOfAxles = QStringLiteral("Value must be between 2 and 20");
const QString tipTyreRange = QStringLiteral("Valid types are between 1 and 4");

} // namespace Expected

#endif
