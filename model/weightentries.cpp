#include "model/weightentries.h"

#include "model/syntax.h"

namespace {

using Syntax::charLength;
using Syntax::digitsEnd;
using Syntax::isAt;
using Syntax::isDigitAt;

// The end of "\d+\.?\d*" when it starts at i, or -1.
int numberEnd(QStringView text, int i) {
    int end = digitsEnd(text, i);
    if (end == i)
        return -1;
    if (isAt(text, end, '.'))
        end = digitsEnd(text, end + 1);
    return end;
}

// The end of "\d+,\d+\.?\d*" when it starts at i, or -1.
int weightEnd(QStringView text, int i) {
    const int axleEnd = digitsEnd(text, i);
    if (axleEnd == i || !isAt(text, axleEnd, ','))
        return -1;
    return numberEnd(text, axleEnd + 1);
}

} // namespace

namespace WeightEntries {

Match nextAxleWeight(QStringView text, int from) {
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

QStringList combinedEntries(QStringView text) {
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
            entries.append(text.mid(start, matchEnd - start).toString());
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
