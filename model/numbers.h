#ifndef TARVEO_MODEL_NUMBERS_H
#define TARVEO_MODEL_NUMBERS_H

#include <QString>

// The one place where document text becomes a number and back. Every
// conversion is the toolkit's locale-independent one; text that does not
// convert reads as 0 and nobody looks at the success flag.
namespace Numbers {

inline float asFloat(const QString &text) {
    return text.toFloat();
}
inline int asInt(const QString &text) {
    return text.toInt(nullptr, 10);
}
inline quint32 asUnsigned(const QString &text) {
    return text.toUInt(nullptr, 10);
}

// General notation, 6 significant digits: the form of every number that
// enters the document.
inline QString general(double value) {
    return QString::number(value, 'g', 6);
}

// Fixed notation with the given number of decimals: the form of numbers
// shown in fields.
inline QString fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

} // namespace Numbers

#endif
