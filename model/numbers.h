#ifndef TARVEO_MODEL_NUMBERS_H
#define TARVEO_MODEL_NUMBERS_H

#include <QString>
#include <QStringView>

// The one place where document text becomes a number and back. Every
// conversion gives what the toolkit's locale-independent one gives; text that
// does not convert reads as 0 and nobody looks at the success flag.
namespace Numbers {

// The checks convert every field of every subclass, so plain text (ASCII
// digits and a point, or a minus for the integers) is converted here, to the
// very value the toolkit gives; anything else goes to the toolkit.
float asFloat(const QString &text);
int asInt(const QString &text);
quint32 asUnsigned(const QString &text);
// Part of a longer text, read as if it stood alone.
quint32 asUnsigned(QStringView text);

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
