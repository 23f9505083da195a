#include "model/inireader.h"

#include "model/filekeys.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QStringList>
#include <QVariant>

namespace {

const QChar Quote = QLatin1Char('"');
const QChar Backslash = QLatin1Char('\\');
const QChar Semicolon = QLatin1Char(';');
const QChar Equals = QLatin1Char('=');
const QChar Comma = QLatin1Char(',');
const QChar Percent = QLatin1Char('%');
const QChar TypeTag = QLatin1Char('@');
const QChar LineFeed = QLatin1Char('\n');
const QChar CarriageReturn = QLatin1Char('\r');

constexpr int HexDigits = 2;
constexpr int WideHexDigits = 4; // after "%U"
constexpr int HexBase = 16;
constexpr int OctalBase = 8;
constexpr uint CharMask = 0xFFFF; // a QChar keeps the low 16 bits of an escape's value
constexpr ushort LastAscii = 0x7F;

// What separates logical lines and what the reader skips before one.
bool isLineSpace(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == LineFeed || c == CarriageReturn;
}
bool isLineSpecial(QChar c) {
    return c == LineFeed || c == CarriageReturn || c == Quote || c == Semicolon || c == Equals ||
           c == Backslash;
}
bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
// The blanks that trimming a byte string removes.
bool isAsciiSpace(QChar c) {
    return isLineSpace(c) || c == QLatin1Char('\v') || c == QLatin1Char('\f');
}
int hexValue(QChar c) {
    constexpr int LetterDigits = 10; // the value of "A"
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + LetterDigits;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + LetterDigits;
    return -1;
}

// One logical line: where it starts, how long it is, where its first "="
// outside quotes stands (-1: none).
struct Line {
    int start = 0;
    int length = 0;
    int equals = -1;
};

// Reads the logical line from pos on and moves pos past it; false at the end.
bool readLine(QStringView data, int &pos, Line &line) {
    const int size = data.size();
    bool inQuotes = false;
    line.equals = -1;
    int start = pos;
    while (start < size && isLineSpace(data.at(start)))
        ++start;
    int i = start;
    bool ended = false;
    while (i < size && !ended) {
        QChar c = data.at(i);
        while (!isLineSpecial(c) && ++i < size)
            c = data.at(i);
        if (i == size)
            break;
        ++i;
        if (c == Equals) {
            if (!inQuotes && line.equals < 0)
                line.equals = i - 1;
        } else if (c == LineFeed || c == CarriageReturn) {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                ended = true;
            }
        } else if (c == Backslash) {
            // The escaped character never ends the line; a line break pair
            // counts as one.
            if (i < size) {
                const QChar escaped = data.at(i++);
                if (i < size) {
                    const QChar next = data.at(i);
                    if ((escaped == LineFeed && next == CarriageReturn) ||
                        (escaped == CarriageReturn && next == LineFeed))
                        ++i;
                }
            }
        } else if (c == Quote) {
            inQuotes = !inQuotes;
        } else if (i == start + 1) { // ";" opening a line: a comment, skipped
            while (i < size && data.at(i) != LineFeed && data.at(i) != CarriageReturn)
                ++i;
            while (i < size && isLineSpace(data.at(i)))
                ++i;
            start = i;
        } else if (!inQuotes) { // ";" after text ends the line
            --i;
            ended = true;
        }
    }
    pos = i;
    line.start = start;
    line.length = i - start;
    return line.length > 0;
}

// A key with its escapes resolved; sectionName also turns "\" into "/" as
// the toolkit does for the names of sections.
QString unescapedKey(QStringView key, bool sectionName) {
    QString result;
    result.reserve(key.size());
    for (int i = 0; i < key.size();) {
        const QChar c = key.at(i);
        if (sectionName && c == Backslash) {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        int length = 0;
        const QChar decoded = c == Percent ? IniReader::keyEscape(key, i, &length) : c;
        result += length > 0 ? decoded : c;
        i += qMax(length, 1);
    }
    return result;
}

QString trimmedAscii(QStringView text) {
    int from = 0;
    int to = text.size();
    while (from < to && isAsciiSpace(text.at(from)))
        ++from;
    while (to > from && isAsciiSpace(text.at(to - 1)))
        --to;
    return text.mid(from, to - from).toString();
}

// The name of the section a "[" line opens.
QString sectionName(QStringView data, const Line &line) {
    const int close = data.indexOf(QLatin1Char(']'), line.start);
    const int end =
        close < 0 || close >= line.start + line.length ? line.start + line.length : close;
    const QString name = trimmedAscii(data.mid(line.start + 1, end - line.start - 1));
    if (name.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
        return QString();
    if (name.compare(QLatin1String("%general"), Qt::CaseInsensitive) == 0)
        return name.mid(1);
    return unescapedKey(name, true);
}

void chopTrailingBlanks(QString &text, int limit) {
    int n = text.size();
    while (n > limit && isBlank(text.at(n - 1)))
        --n;
    text.truncate(n);
}

// The character of a backslash escape in a value; null for none of them.
QChar simpleEscape(QChar c) {
    static const char codes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                    {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                    {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    for (const auto &code : codes)
        if (c == QLatin1Char(code[0]))
            return QLatin1Char(code[1]);
    return QChar();
}

// The value text from..to: quotes and escapes resolved, blanks around
// unquoted parts gone; split at commas outside quotes into *list when it
// holds any (then the return value is true). Blanks are trimmed only where
// the toolkit trims them: not after an escape that ends the text.
bool unescapedValue(QStringView data, int from, int to, bool utf8, QString &text,
                    QStringList &list) {
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    bool chopAtEnd = true;
    int i = from;
    const auto skipBlanks = [&]() {
        while (i < to && isBlank(data.at(i)))
            ++i;
    };
    skipBlanks();
    int chopLimit = text.size();
    while (i < to) {
        const QChar c = data.at(i);
        if (c == Backslash) {
            if (++i >= to) {
                chopAtEnd = false;
                break;
            }
            const QChar e = data.at(i++);
            const QChar simple = simpleEscape(e);
            const bool hex = e == QLatin1Char('x');
            const bool octal = e >= QLatin1Char('0') && e <= QLatin1Char('7');
            if (!simple.isNull()) {
                text += simple;
            } else if (hex && i >= to) {
                chopAtEnd = false;
                break;
            } else if ((hex && hexValue(data.at(i)) >= 0) || octal) {
                uint value = octal ? e.unicode() - '0' : 0;
                const int base = hex ? HexBase : OctalBase;
                for (; i < to; ++i) {
                    const int digit = hexValue(data.at(i));
                    if (digit < 0 || digit >= base)
                        break;
                    value = value * base + uint(digit);
                }
                text += QChar(ushort(value & CharMask));
                if (i >= to) {
                    chopAtEnd = false;
                    break;
                }
            } else if (utf8 && e.unicode() > LastAscii) {
                // The toolkit drops a byte, not a character: the rest of the
                // character's bytes decode as invalid text.
                const bool pair = e.isHighSurrogate() && i < to && data.at(i).isLowSurrogate();
                const QByteArray bytes = data.mid(i - 1, pair ? 2 : 1).toUtf8();
                text += QString::fromUtf8(bytes.mid(1));
                i += pair ? 1 : 0;
            } else if ((e == LineFeed || e == CarriageReturn) && i < to) {
                // A line break pair counts as one; any other escaped
                // character is dropped.
                const QChar next = data.at(i);
                if ((next == LineFeed || next == CarriageReturn) && next != e)
                    ++i;
            }
            chopLimit = text.size();
            continue;
        }
        if (c == Quote) {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                chopLimit = text.size();
            }
            continue;
        }
        if (c == Comma && !inQuotes) {
            if (!quoted)
                chopTrailingBlanks(text, chopLimit);
            if (!isList) {
                isList = true;
                list.clear();
            }
            list.append(text);
            text.clear();
            quoted = false;
            ++i;
            skipBlanks();
            chopLimit = 0;
            continue;
        }
        int j = i + 1;
        while (j < to && data.at(j) != Backslash && data.at(j) != Quote && data.at(j) != Comma)
            ++j;
        text += data.mid(i, j - i);
        i = j;
    }
    if (chopAtEnd && !quoted)
        chopTrailingBlanks(text, chopLimit);
    if (isList)
        list.append(text);
    return isList;
}

// How many arguments the toolkit finds in "@Type(a b ...)" from `from` on:
// a blank ends one, and so does every ")".
int geometryArguments(const QString &value, int from) {
    int count = 0;
    for (int i = from; i < value.size(); ++i)
        count += value.at(i) == QLatin1Char(' ') || value.at(i) == QLatin1Char(')');
    return count;
}

// A typed value ("@Type(...)") as the text the toolkit's setting gives for
// it, or the text itself.
QString typedValueText(const QString &value) {
    if (!value.startsWith(TypeTag))
        return value;
    if (value.endsWith(QLatin1Char(')'))) {
        const auto inner = [&value](int prefix) {
            return value.mid(prefix, value.size() - prefix - 1);
        };
        if (value.startsWith(QLatin1String("@ByteArray(")))
            return QString::fromUtf8(inner(int(sizeof("@ByteArray(")) - 1).toLatin1());
        if (value.startsWith(QLatin1String("@String(")))
            return inner(int(sizeof("@String(")) - 1);
        const bool dateTime = value.startsWith(QLatin1String("@DateTime("));
        if (dateTime || value.startsWith(QLatin1String("@Variant("))) {
            QByteArray bytes =
                value.mid(dateTime ? int(sizeof("@DateTime(")) - 1 : int(sizeof("@Variant(")) - 1)
                    .toLatin1();
            QDataStream stream(&bytes, QIODevice::ReadOnly);
            stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            QVariant variant;
            stream >> variant;
            return variant.toString();
        }
        // Geometry with the right number of arguments has no text, nor has
        // an invalid value; other geometry stays text.
        const struct {
            const char *prefix;
            int arguments;
        } geometry[] = {{"@Rect(", 4}, {"@Size(", 2}, {"@Point(", 2}};
        for (const auto &kind : geometry)
            if (value.startsWith(QLatin1String(kind.prefix)) &&
                geometryArguments(value, int(qstrlen(kind.prefix))) == kind.arguments)
                return QString();
        if (value == QLatin1String("@Invalid()"))
            return QString();
    }
    if (value.startsWith(QLatin1String("@@")))
        return value.mid(1);
    return value;
}

// A list as the text of its setting: the items joined again, unless one is
// typed data, which makes a list of variants that has no text.
QString listText(QStringList items) {
    for (QString &item : items) {
        if (!item.startsWith(TypeTag))
            continue;
        if (item.size() < 2 || item.at(1) != TypeTag)
            return QString();
        item.remove(0, 1);
    }
    return items.join(FileKeys::ListSeparator);
}

void readSection(QStringView data, bool utf8, QMap<QString, QString> &keys) {
    int pos = 0;
    Line line;
    QStringList list;
    while (readLine(data, pos, line)) {
        if (line.equals < 0)
            continue;
        int keyEnd = line.equals;
        while (keyEnd > line.start && isBlank(data.at(keyEnd - 1)))
            --keyEnd;
        const QString key = unescapedKey(data.mid(line.start, keyEnd - line.start), false);
        QString text;
        const bool isList =
            unescapedValue(data, line.equals + 1, line.start + line.length, utf8, text, list);
        keys.insert(key, isList ? listText(list) : typedValueText(text));
    }
}

} // namespace

namespace IniReader {

QChar keyEscape(QStringView key, int i, int *length) {
    *length = 0;
    if (i + 1 >= key.size())
        return QChar();
    const bool wide = key.at(i + 1) == QLatin1Char('U');
    const int first = i + (wide ? 2 : 1);
    const int digits = wide ? WideHexDigits : HexDigits;
    if (first + digits > key.size())
        return QChar();
    // The toolkit converts the escape's bytes with this very call.
    bool ok = false;
    const int value = key.mid(first, digits).toLatin1().toInt(&ok, HexBase);
    if (!ok)
        return QChar();
    *length = first + digits - i;
    // Kept to 16 bits, as the toolkit's reader keeps it ("%-1" is U+FFFF).
    return QChar(ushort(value & CharMask));
}

QMap<QString, QString> classes(QStringView text, bool utf8) {
    // The toolkit's reader gathers the text of every section of one name,
    // then reads each gathered text as a whole.
    QString gathered;
    bool inClasses = false;
    int sectionStart = 0;
    int pos = 0;
    Line line;
    const auto gather = [&](int end) {
        if (!inClasses)
            return;
        if (!gathered.isEmpty())
            gathered += LineFeed;
        gathered += text.mid(sectionStart, end - sectionStart);
    };
    while (readLine(text, pos, line)) {
        if (text.at(line.start) != QLatin1Char('['))
            continue;
        gather(line.start);
        inClasses = sectionName(text, line) == FileKeys::ClassesGroup;
        sectionStart = pos;
    }
    gather(text.size());
    QMap<QString, QString> keys;
    readSection(gathered, utf8, keys);
    return keys;
}

} // namespace IniReader
