#include "model/numbers.h"

#include <limits>

namespace {

constexpr uint Radix = 10;

// Up to 18 digits a value cannot overflow 64 bits while it is read.
constexpr int MaxPlainIntegerDigits = 18;

// A float text in which every digit is significant up to 15 digits reads as
// an exact double, and so does ten to the power of up to 22: their quotient
// is then the correctly rounded value of the text, which is what the toolkit
// computes before it narrows the double to a float. Longer texts go to the
// toolkit.
constexpr int MaxExactDigits = 15;
constexpr int MaxExactDecimals = 22;
constexpr int MaxPlainFloatLength = 32;
constexpr double PowersOfTen[MaxExactDecimals + 1] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The value of an ASCII digit, or Radix and more for any other character.
uint digitValue(QChar c) {
    return uint(c.unicode()) - uint('0');
}

// The value of a text of ASCII digits only, short enough not to overflow.
bool plainDigits(QStringView text, quint64 &value) {
    if (text.isEmpty() || text.size() > MaxPlainIntegerDigits)
        return false;
    value = 0;
    for (const QChar c : text) {
        const uint digit = digitValue(c);
        if (digit >= Radix)
            return false;
        value = value * Radix + digit;
    }
    return true;
}

const QString &toolkitText(const QString &text) {
    return text;
}
QString toolkitText(QStringView text) {
    return text.toString();
}

template <typename Text> quint32 unsignedOf(const Text &text) {
    if (text.isEmpty())
        return 0;
    quint64 value = 0;
    if (!plainDigits(QStringView(text), value))
        return toolkitText(text).toUInt(nullptr, Radix);
    // Out of range does not convert.
    return value <= std::numeric_limits<quint32>::max() ? quint32(value) : 0;
}

} // namespace

namespace Numbers {

float asFloat(const QString &text) {
    if (text.size() > MaxPlainFloatLength)
        return text.toFloat();
    quint64 mantissa = 0;
    int significant = 0;
    int decimals = 0;
    bool point = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('.') && !point) {
            point = true;
            continue;
        }
        const uint digit = digitValue(c);
        if (digit >= Radix)
            return text.toFloat();
        decimals += point;
        if (mantissa == 0 && digit == 0)
            continue; // a leading zero
        if (++significant > MaxExactDigits)
            return text.toFloat();
        mantissa = mantissa * Radix + digit;
    }
    // "" and "." read as 0 here as they do in the toolkit.
    if (decimals > MaxExactDecimals)
        return text.toFloat();
    return float(double(mantissa) / PowersOfTen[decimals]);
}

int asInt(const QString &text) {
    if (text.isEmpty())
        return 0;
    const bool negative = text.at(0) == QLatin1Char('-');
    quint64 magnitude = 0;
    if (!plainDigits(QStringView(text).mid(negative ? 1 : 0), magnitude))
        return text.toInt(nullptr, Radix);
    // Out of range does not convert.
    constexpr quint64 Largest = std::numeric_limits<int>::max();
    if (magnitude > (negative ? Largest + 1 : Largest))
        return 0;
    return int(negative ? -qint64(magnitude) : qint64(magnitude));
}

quint32 asUnsigned(const QString &text) {
    return unsignedOf(text);
}

quint32 asUnsigned(QStringView text) {
    return unsignedOf(text);
}

} // namespace Numbers
