#include "model/syntax.h"

#include "model/numbers.h"

namespace {

// A reading position in a text, moved on over the parts of a syntax. Every
// part of these syntaxes ends where the next character cannot continue it,
// so reading each part as far as it goes decides the match without going
// back.
class Cursor {
public:
    explicit Cursor(const QString &text) : text(text) {}

    bool atEnd() const { return at == text.size(); }

    bool skip(char c) {
        if (!Syntax::isAt(text, at, c))
            return false;
        ++at;
        return true;
    }

    bool skipOneOf(const char *set) {
        for (; *set; ++set)
            if (skip(*set))
                return true;
        return false;
    }

    // "\d+"
    bool digits() {
        const int end = Syntax::digitsEnd(text, at);
        if (end == at)
            return false;
        at = end;
        return true;
    }

    // "\d+(?:\.\d+)?": a point with no digit after it is not the number's.
    bool decimal() {
        if (!digits())
            return false;
        if (Syntax::isAt(text, at, '.') && Syntax::isDigitAt(text, at + 1))
            at = Syntax::digitsEnd(text, at + 1);
        return true;
    }

    // "\d+\.?\d*"
    bool looseDecimal() {
        if (!digits())
            return false;
        if (skip('.'))
            at = Syntax::digitsEnd(text, at);
        return true;
    }

    // Axle numbers joined by single "+", "\d+(?:\+\d+)*": how many, or 0
    // when a "+" has no number after it.
    int axleNumbers() {
        int count = 0;
        do {
            lastNumber = at;
            if (!digits())
                return 0;
            ++count;
        } while (skip('+'));
        return count;
    }

    // Whether the last of the axle numbers is a single digit, as "\d:" needs.
    bool lastNumberIsOneDigit() const {
        return at - lastNumber == Syntax::charLength(text, lastNumber);
    }

private:
    const QString &text;
    int at = 0;
    int lastNumber = 0;
};

// "(?:\d+\+)*\d:" on which the adsl and awsl syntaxes start.
bool axleListWithColon(Cursor &cursor) {
    return cursor.axleNumbers() > 0 && cursor.lastNumberIsOneDigit() && cursor.skip(':');
}

// "\d+(?:\.\d+)?,\d+(?:\.\d+)?" to the end.
bool distanceRange(Cursor &cursor) {
    return cursor.decimal() && cursor.skip(',') && cursor.decimal() && cursor.atEnd();
}

// "\d+(?:\.\d+)?,\d+;\d+(?:\.\d+)?,\d+" to the end.
bool weightClasses(Cursor &cursor) {
    return cursor.decimal() && cursor.skip(',') && cursor.digits() && cursor.skip(';') &&
           cursor.decimal() && cursor.skip(',') && cursor.digits() && cursor.atEnd();
}

} // namespace

namespace Syntax {

bool isWideDigit(char32_t c) {
    return QChar::isDigit(c);
}

bool isCombinedWeight(const QString &text) {
    constexpr int MinAxles = 2;
    Cursor cursor(text);
    return cursor.axleNumbers() >= MinAxles && cursor.skip(',') && cursor.looseDecimal() &&
           cursor.atEnd();
}

bool isAdsl(const QString &text) {
    Cursor cursor(text);
    return axleListWithColon(cursor) && distanceRange(cursor);
}

bool isAwsl(const QString &text) {
    Cursor cursor(text);
    return axleListWithColon(cursor) && weightClasses(cursor);
}

bool isAdsl0(const QString &text) {
    Cursor cursor(text);
    return distanceRange(cursor);
}

bool isAwsl0(const QString &text) {
    Cursor cursor(text);
    return weightClasses(cursor);
}

bool isAxleConfiguration(const QString &text) {
    Cursor cursor(text);
    if (!cursor.skipOneOf("ABCHLMV") || !cursor.digits())
        return false;
    while (!cursor.atEnd())
        if (!cursor.skipOneOf("DTS") || !cursor.digits())
            return false;
    return true;
}

quint8 axleCount(const QString &configuration) {
    quint8 axles = 0;
    int at = 0;
    while (at < configuration.size()) {
        const int end = digitsEnd(configuration, at);
        if (end == at) {
            at += charLength(configuration, at);
            continue;
        }
        axles +=
            static_cast<quint8>(Numbers::asUnsigned(QStringView(configuration).mid(at, end - at)));
        at = end;
    }
    return axles;
}

} // namespace Syntax
