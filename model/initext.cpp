#include "model/initext.h"

#include "model/inireader.h"

#include <QByteArray>
#include <QStringList>

namespace {

const QChar Quote = QLatin1Char('"');
const QChar Backslash = QLatin1Char('\\');
const QChar Percent = QLatin1Char('%');
const QChar TypeTag = QLatin1Char('@');

// Characters the INI reader acts on in a key; within double quotes "=" and
// ";" are taken as they stand.
const QString KeySpecials = QStringLiteral("%=\";\\\n\r");
const QString QuotableKeySpecials = QStringLiteral("=;");
// Characters that end, quote or escape a value.
const QString ValueSpecials = QStringLiteral("\";\\\n\r");

// Values the INI reader takes for typed data rather than text.
const char *const TypedValuePrefixes[] = {"@ByteArray(", "@String(", "@Variant(", "@DateTime(",
                                          "@Rect(",      "@Size(",   "@Point("};
const QString InvalidValue = QStringLiteral("@Invalid()");

constexpr int HexDigits = 2;
constexpr int WideHexDigits = 4; // after "%U"
constexpr ushort LastLatin1 = 0xFF;

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool containsAny(const QString &text, const QString &characters) {
    for (const QChar c : text)
        if (characters.contains(c))
            return true;
    return false;
}

// Whether the reader decodes the "%" at position i of a key as an escape.
bool isKeyEscape(const QString &key, int i) {
    int length = 0;
    IniReader::keyEscape(key, i, &length);
    return length > 0;
}

// "%XX", or "%UXXXX" beyond Latin-1.
QString percentEscaped(QChar c) {
    const bool wide = c.unicode() > LastLatin1;
    return Percent + (wide ? QStringLiteral("U") : QString()) +
           QStringLiteral("%1")
               .arg(c.unicode(), wide ? WideHexDigits : HexDigits, 16, QLatin1Char('0'))
               .toUpper();
}

bool isTypedValue(const QString &value) {
    if (value.startsWith(QStringLiteral("@@")))
        return true;
    if (!value.endsWith(QLatin1Char(')')))
        return false;
    for (const char *prefix : TypedValuePrefixes)
        if (value.startsWith(QLatin1String(prefix)))
            return true;
    return value == InvalidValue;
}

} // namespace

namespace IniText {

bool keyReadsBack(const QString &key) {
    if (key.isEmpty())
        return true;
    if (key.front().isSpace() || key.back().isSpace() || key.front() == QLatin1Char('['))
        return false;
    bool quoted = false;
    for (int i = 0; i < key.size(); ++i) {
        const QChar c = key.at(i);
        if (c == Quote)
            quoted = !quoted;
        else if (c == Percent && isKeyEscape(key, i))
            return false;
        else if (c != Percent && KeySpecials.contains(c) &&
                 !(quoted && QuotableKeySpecials.contains(c)))
            return false;
    }
    // An open quote would take in the "=" that follows the key.
    return !quoted;
}

bool valueReadsBack(const QString &value) {
    if (containsAny(value, ValueSpecials))
        return false;
    // Commas make a list whose items lose their surrounding blanks.
    const QStringList items = value.split(QLatin1Char(','));
    for (const QString &item : items) {
        if (!item.isEmpty() && (isBlank(item.front()) || isBlank(item.back())))
            return false;
        if (items.size() > 1 && item.startsWith(TypeTag))
            return false;
    }
    return !isTypedValue(value);
}

QString key(const QString &key) {
    if (keyReadsBack(key))
        return key;
    QString escaped;
    for (int i = 0; i < key.size(); ++i) {
        const QChar c = key.at(i);
        const bool atEnd = i == 0 || i == key.size() - 1;
        if (KeySpecials.contains(c) || (atEnd && c.isSpace()) || (i == 0 && c == QLatin1Char('[')))
            escaped += percentEscaped(c);
        else
            escaped += c;
    }
    return escaped;
}

QString value(const QString &value) {
    if (valueReadsBack(value))
        return value;
    // Quoted, nothing inside is taken apart; a leading "@" is doubled so that
    // the text is not taken for typed data.
    QString quoted = Quote;
    if (value.startsWith(TypeTag))
        quoted += TypeTag;
    for (const QChar c : value) {
        if (c == Backslash || c == Quote) {
            quoted += Backslash;
            quoted += c;
        } else if (c == QLatin1Char('\n')) {
            quoted += QLatin1String("\\n");
        } else if (c == QLatin1Char('\r')) {
            quoted += QLatin1String("\\r");
        } else {
            quoted += c;
        }
    }
    return quoted + Quote;
}

} // namespace IniText
