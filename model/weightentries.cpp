#include "model/weightentries.h"

namespace {

constexpr ushort FirstNonAscii = 0x80;

// Positions are UTF-16 indices; a character outside the basic plane takes
// two of them, and the patterns see it as one character.
int charLength(const QString &text, int i) {
    return i + 1 < text.size() && text.at(i).isHighSurrogate() && text.at(i + 1).isLowSurrogate()
               ? 2
               : 1;
}

bool isDigitAt(const QString &text, int i) {
    if (i >= text.size())
        return false;
    const ushort code = text.at(i).unicode();
    if (code < FirstNonAscii)
        return code >= '0' && code <= '9';
    if (charLength(text, i) == 2)
        return QChar::isDigit(QChar::surrogateToUcs4(text.at(i), text.at(i + 1)));
    return text.at(i).isDigit();
}

bool isAt(const QString &text, int i, char c) {
    return i < text.size() && text.at(i) == QLatin1Char(c);
}

// The end of the run of digits starting at i (i itself when there is none).
int digitsEnd(const QString &text, int i) {
    while (isDigitAt(text, i))
        i += charLength(text, i);
    return i;
}

// The end of "\d+\.?\d*" when it starts at i, or -1.
int numberEnd(const QString &text, int i) {
    int end = digitsEnd(text, i);
    if (end == i)
        return -1;
    if (isAt(text, end, '.'))
        end = digitsEnd(text, end + 1);
    return end;
}

// The end of "\d+,\d+\.?\d*" when it starts at i, or -1.
int weightEnd(const QString &text, int i) {
    const int axleEnd = digitsEnd(text, i);
    if (axleEnd == i || !isAt(text, axleEnd, ','))
        return -1;
    return numberEnd(text, axleEnd + 1);
}

} // namespace

namespace WeightEntries {

Match nextAxleWeight(const QString &text, int from) {
    int start = from;
    while (start < text.size()) {
        const int length = charLength(text, start);
        const bool afterCharacter = !isAt(text, start, '+');
        // One character other than "+", then the entry...
        if (afterCharacter) {
            const int end = weightEnd(text, start + length);
            if (end >= 0)
                return {start, end};
        }
        // ...or the entry right at the start of the text.
        if (start == 0) {
            const int end = weightEnd(text, 0);
            if (end >= 0)
                return {0, end};
        }
        // Every later start inside the same run of digits is followed by the
        // same digits and fails the same way.
        if (afterCharacter && isDigitAt(text, start + length))
            start = digitsEnd(text, start + length);
        else
            start += length;
    }
    return {};
}

QStringList combinedEntries(const QString &text) {
    QStringList entries;
    int start = 0;
    while (start < text.size()) {
        if (!isDigitAt(text, start)) {
            start += charLength(text, start);
            continue;
        }
        // A chain of digit runs joined by single "+"; a later start inside
        // the same chain ends the same way, so one look decides them all.
        int end = digitsEnd(text, start);
        int joins = 0;
        while (isAt(text, end, '+') && isDigitAt(text, end + 1)) {
            end = digitsEnd(text, end + 1);
            ++joins;
        }
        const int matchEnd = joins > 0 && isAt(text, end, ',') ? numberEnd(text, end + 1) : -1;
        if (matchEnd >= 0) {
            entries.append(text.mid(start, matchEnd - start));
            start = matchEnd;
        } else {
            start = end;
        }
    }
    return entries;
}

bool isPlainNumber(const QString &text) {
    return numberEnd(text, 0) == text.size();
}

} // namespace WeightEntries
