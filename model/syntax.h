#ifndef TARVEO_MODEL_SYNTAX_H
#define TARVEO_MODEL_SYNTAX_H

#include <QString>
#include <QStringView>
#include <QtGlobal>

// The value syntaxes of the file format, judged by hand instead of by a
// pattern engine: the checks run for every field of every subclass, and a
// pattern match costs its allocations each time. Each matcher answers
// exactly what its pattern answers for the whole text, with \d any decimal
// digit the toolkit knows (QChar::isDigit, as QRegExp's \d).
namespace Syntax {

// Whether the code point outside ASCII is a decimal digit.
bool isWideDigit(char32_t c);

inline bool isDigit(char32_t c) {
    constexpr char32_t FirstWide = 0x80;
    return c < FirstWide ? c >= '0' && c <= '9' : isWideDigit(c);
}

// Positions are UTF-16 indices; a character outside the basic plane takes
// two of them, and the patterns see it as one character.
inline int charLength(QStringView text, int i) {
    return i + 1 < text.size() && text.at(i).isHighSurrogate() && text.at(i + 1).isLowSurrogate()
               ? 2
               : 1;
}

inline bool isDigitAt(QStringView text, int i) {
    if (i >= text.size())
        return false;
    if (charLength(text, i) == 2)
        return isDigit(QChar::surrogateToUcs4(text.at(i), text.at(i + 1)));
    return isDigit(text.at(i).unicode());
}

inline bool isAt(QStringView text, int i, char c) {
    return i < text.size() && text.at(i) == QLatin1Char(c);
}

// The end of the run of digits starting at i (i itself when there is none).
inline int digitsEnd(QStringView text, int i) {
    while (isDigitAt(text, i))
        i += charLength(text, i);
    return i;
}

// "(?:\d+\+)+\d+,\d+\.?\d*": a combined axle weight constraint.
bool isCombinedWeight(const QString &text);
// "(?:\d+\+)*\d:\d+(?:\.\d+)?,\d+(?:\.\d+)?": a combined axle distance
// constraint (adsl).
bool isAdsl(const QString &text);
// "(?:\d+\+)*\d:\d+(?:\.\d+)?,\d+;\d+(?:\.\d+)?,\d+": a combined axle weight
// constraint with classes (awsl).
bool isAwsl(const QString &text);
// "\d+(?:\.\d+)?,\d+(?:\.\d+)?": the total distance constraint (adsl_0).
bool isAdsl0(const QString &text);
// "\d+(?:\.\d+)?,\d+;\d+(?:\.\d+)?,\d+": the total weight constraint (awsl_0).
bool isAwsl0(const QString &text);
// "[ABCHLMV]\d+(?:[DTS]\d+)*": an axle configuration.
bool isAxleConfiguration(const QString &text);

// The axles of a configuration: every run of digits read as an unsigned
// number, added up in 8 bits as the installation keeps the count (a part
// with 258 axles counts as 2).
quint8 axleCount(const QString &configuration);

} // namespace Syntax

#endif
