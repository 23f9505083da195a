// Reading and writing the classification file.
#include "model/conf.h"

#include "model/filekeys.h"
#include "model/filelimits.h"
#include "model/inireader.h"
#include "model/initext.h"
#include "model/modellog.h"
#include "model/numbers.h"
#include "model/savefile.h"
#include "model/sectiontable.h"
#include "model/writtenentries.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <limits>

namespace {

const QString LineWithoutEquals = QStringLiteral("Read a line without equals:");
const QString ForeignSection = QStringLiteral("Read a section header of no subclass:");

constexpr qint64 Mebibyte = 1024 * 1024;
// What is read at a time of a file that grows while it is read.
constexpr qint64 ReadChunkBytes = Mebibyte;
constexpr quint32 DecimalBase = 10;

const QByteArray Utf8Mark("\xEF\xBB\xBF");
// Text in these encodings opens with a byte order mark; the longer marks
// come first, as UTF-32's little-endian mark begins with UTF-16's.
const struct {
    const char *mark;
    int length;
    const char *encoding;
} WideMarks[] = {
    {"\xFF\xFE\x00\x00", 4, "UTF-32"},
    {"\x00\x00\xFE\xFF", 4, "UTF-32"},
    {"\xFF\xFE", 2, "UTF-16"},
    {"\xFE\xFF", 2, "UTF-16"},
};

// The reasons a file is refused reach the user.
QString readerText(const char *text) {
    return QCoreApplication::translate("Conf", text);
}

const QString SubclassHeaderStart = FileKeys::SubclassSectionPrefix;

// The number of a "[subclass_N]" line, the whole line. N is ASCII digits,
// as every number the reader converts, and must fit 32 bits: a larger one
// would wrap onto another subclass.
bool subclassHeaderNumber(QStringView line, quint32 *number) {
    const int first = SubclassHeaderStart.size();
    if (!line.startsWith(SubclassHeaderStart) || !line.endsWith(FileKeys::SectionEnd) ||
        line.size() <= first + 1)
        return false;
    quint64 value = 0;
    for (const QChar c : line.mid(first, line.size() - first - 1)) {
        const uint digit = uint(c.unicode()) - uint('0');
        if (digit >= DecimalBase)
            return false;
        value = value * DecimalBase + digit;
        if (value > std::numeric_limits<quint32>::max())
            return false;
    }
    *number = quint32(value);
    return true;
}

// Whether the header's reader takes the line for a section header: its
// first character past blanks is "[".
bool opensSection(QStringView line) {
    for (const QChar c : line)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            return c == QLatin1Char('[');
    return false;
}

bool isBlank(QStringView line) {
    for (const QChar c : line)
        if (!c.isSpace())
            return false;
    return true;
}

void appendLine(QString &out, const QString &key, const QString &value) {
    out += key;
    out += FileKeys::KeyValueSeparator;
    out += value;
    out += FileKeys::LineEnd;
}

QStringList firstEntries(const QStringList &list, int count) {
    QStringList entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i)
        entries.append(list.value(i));
    return entries;
}

// The key of a line kept whole: what stands before its one "=".
QStringView lineKey(const QString &line) {
    return QStringView(line).left(line.indexOf(FileKeys::KeyValueSeparator));
}

QString lineAt(const QString &text, int offset) {
    const int end = text.indexOf(FileKeys::LineEnd, offset);
    return text.mid(offset, end < 0 ? -1 : end - offset);
}

// The subclass sections, line by line, into conf and outcome: how far
// reading got, and what it found beside the values.
class SectionReader {
public:
    SectionReader(const QString &text, Conf &conf, ConfReadOutcome &outcome)
        : text(text), conf(conf), outcome(outcome), table(&pool) {}

    void read() {
        int lineNumber = 0;
        for (int start = 0; start < text.size();) {
            int end = text.indexOf(FileKeys::LineEnd, start);
            if (end < 0)
                end = text.size();
            const QStringView line = QStringView(text).mid(start, end - start);
            const int lineStart = start;
            start = end + 1;
            ++lineNumber;
            if (isBlank(line))
                continue;
            quint32 headerNumber = 0;
            if (line == QStringView(FileKeys::ClassesSection)) {
                inClasses = true;
                continue;
            }
            if (line.startsWith(QLatin1Char('[')) && subclassHeaderNumber(line, &headerNumber)) {
                inClasses = false;
                finishTable();
                number = headerNumber;
                section = {lineNumber, lineStart};
                table.insert(FileKeys::SubclassNumber,
                             line.mid(SubclassHeaderStart.size(),
                                      line.size() - SubclassHeaderStart.size() - 1));
                continue;
            }
            // The header's reader takes any other line opening with "[" for
            // a section and the lines after it for that section's: they
            // cannot be read alike, nor kept where they stand.
            const bool foreignSection = opensSection(line);
            if (inClasses && !foreignSection)
                continue;
            const int equals = line.indexOf(FileKeys::KeyValueSeparator);
            if (foreignSection || equals < 0 ||
                line.indexOf(FileKeys::KeyValueSeparator, equals + 1) >= 0) {
                ModelLog::warning((foreignSection ? ForeignSection : LineWithoutEquals) +
                                  QLatin1Char(' ') + line.toString());
                // What was read of the section so far is as good as any
                // section before it.
                finishTable();
                outcome.stopLine = lineNumber;
                outcome.stopText = line.toString();
                return;
            }
            // Lines before any section header make a section of number 0.
            if (table.isEmpty())
                section = {lineNumber, lineStart};
            const QStringView key = line.left(equals);
            const QStringView value = line.mid(equals + 1);
            if (key == QStringView(FileKeys::SubclassNumber)) {
                // The header names the section; a line naming another
                // number is only kept.
                const QString kept = line.toString();
                table.keep(kept);
                outcome.keptLines.append(
                    {number, lineNumber, kept, Numbers::asUnsigned(value) != number});
            } else if (!table.insert(key, value)) {
                outcome.keptLines.append({number, lineNumber, table.others().last(), false});
            }
        }
        finishTable();
    }

private:
    struct SectionStart {
        int line = 0;
        int offset = 0;
    };

    void finishTable() {
        if (table.isEmpty())
            return;
        auto earlier = starts.find(number);
        if (earlier == starts.end()) {
            starts.insert(number, section);
        } else {
            outcome.duplicateSections.append({number, earlier->line, lineAt(text, earlier->offset),
                                              section.line, lineAt(text, section.offset)});
            *earlier = section;
        }
        conf.insert_subclass(number, Subclass(table));
        table = SectionTable(&pool);
        number = 0;
    }

    const QString &text;
    Conf &conf;
    ConfReadOutcome &outcome;
    TextPool pool;
    SectionTable table;
    bool inClasses = false;
    quint32 number = 0;
    SectionStart section;
    QHash<quint32, SectionStart> starts; // where the section of each number began
};

// Why the bytes cannot be taken as a classification, or empty text. Takes
// off a UTF-8 byte order mark, which the writer does not write again.
QString checkBytes(QByteArray *bytes) {
    for (const auto &wide : WideMarks)
        if (bytes->startsWith(QByteArray(wide.mark, wide.length)))
            return readerText(QT_TRANSLATE_NOOP("Conf",
                                                "it is %1 text, which a classification cannot be; "
                                                "save it as UTF-8 first"))
                .arg(QLatin1String(wide.encoding));
    if (bytes->size() > FileLimits::MaxFileBytes)
        return readerText(QT_TRANSLATE_NOOP("Conf", "it is larger than %1 MiB"))
            .arg(FileLimits::MaxFileBytes / Mebibyte);
    int lineStart = 0;
    int lineNumber = 1;
    for (;;) {
        const int lineEnd = bytes->indexOf('\n', lineStart);
        const int length = (lineEnd < 0 ? bytes->size() : lineEnd) - lineStart;
        if (length > FileLimits::MaxLineBytes)
            return readerText(QT_TRANSLATE_NOOP("Conf", "line %1 is longer than %2 bytes"))
                .arg(lineNumber)
                .arg(FileLimits::MaxLineBytes);
        if (lineEnd < 0)
            break;
        lineStart = lineEnd + 1;
        ++lineNumber;
    }
    if (bytes->startsWith(Utf8Mark))
        bytes->remove(0, Utf8Mark.size());
    return QString();
}

// As much as the device gives, and no more than the limit allows even if a
// file grows meanwhile. A read is given as much room as it asks for, so the
// first asks for what the caller expects there to be.
void readLimited(QIODevice &device, qint64 expected, QByteArray *bytes) {
    qint64 wanted = expected + 1;
    while (bytes->size() <= FileLimits::MaxFileBytes) {
        const QByteArray chunk =
            device.read(qMin(wanted, FileLimits::MaxFileBytes + 1 - bytes->size()));
        if (chunk.isEmpty())
            break;
        *bytes += chunk;
        wanted = ReadChunkBytes;
    }
}

// Why the file cannot be taken as a classification, or empty text with its
// bytes in *bytes. Only a regular file is opened: a device never ends and a
// pipe may never deliver.
QString readPath(const QString &path, QByteArray *bytes) {
    const QFileInfo info(path);
    if (!info.exists())
        return readerText(QT_TRANSLATE_NOOP("Conf", "there is no such file"));
    if (!info.isFile())
        return readerText(QT_TRANSLATE_NOOP("Conf", "it is not a regular file"));
    if (info.size() > FileLimits::MaxFileBytes)
        return readerText(QT_TRANSLATE_NOOP("Conf", "it is larger than %1 MiB"))
            .arg(FileLimits::MaxFileBytes / Mebibyte);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    readLimited(file, info.size(), bytes);
    return QString();
}

// The text of the bytes: UTF-8 when they are valid UTF-8, else Latin-1.
QString decoded(const QByteArray &bytes, FileEncoding *encoding) {
    // A second byte order mark is text, as it is to the site's reader.
    *encoding = FileEncodings::isUtf8(bytes) ? FileEncoding::Utf8 : FileEncoding::Latin1;
    return FileEncodings::decode(bytes, *encoding);
}

} // namespace

Conf::Conf(const QString &path, QObject *) : Conf() {
    // One read of the file serves both passes, so they see the same bytes
    // even if the file changes meanwhile.
    QByteArray bytes;
    const QString failure = readPath(path, &bytes);
    if (!failure.isEmpty()) {
        readOutcome.opened = false;
        readOutcome.failure = failure;
        return;
    }
    read_bytes(bytes);
}

Conf::Conf(QIODevice *device) : Conf() {
    QByteArray bytes;
    if (!device->isReadable()) {
        readOutcome.opened = false;
        readOutcome.failure = readerText(QT_TRANSLATE_NOOP("Conf", "it is not open for reading"));
        return;
    }
    readLimited(*device, ReadChunkBytes, &bytes);
    read_bytes(bytes);
}

void Conf::read_bytes(const QByteArray &file) {
    QByteArray bytes = file;
    const QString failure = checkBytes(&bytes);
    if (!failure.isEmpty()) {
        readOutcome.opened = false;
        readOutcome.failure = failure;
        return;
    }
    QString text = decoded(bytes, &encoding);
    readOutcome.encoding = encoding;
    header = IniReader::classes(text, encoding == FileEncoding::Utf8);
    // The line pass takes line ends as a text stream does: every carriage
    // return dropped.
    text.remove(QLatin1Char('\r'));
    SectionReader(text, *this, readOutcome).read();
}

QString Subclass::to_string() const {
    using namespace FileKeys;
    const int weightCount = WrittenEntries::weights(*this);
    const int tyreCount = WrittenEntries::tyreTypes(*this);
    const int minCount = WrittenEntries::minDistances(*this);
    const int maxCount = WrittenEntries::maxDistances(*this);

    QString out;
    out += SubclassSectionPrefix + QString::number(number) + SectionEnd + LineEnd;
    // Lines the record does not read stand among the plain values, in the
    // key order those keep; lines of one key stay in file order.
    QStringList others = other_lines;
    if (others.size() > 1)
        std::stable_sort(others.begin(), others.end(), [](const QString &a, const QString &b) {
            return lineKey(a) < lineKey(b);
        });
    int next = 0;
    const auto othersBefore = [&out, &others, &next](QStringView key) {
        for (; next < others.size() && (key.isNull() || lineKey(others.at(next)) < key); ++next) {
            out += others.at(next);
            out += LineEnd;
        }
    };
    values.forEach([&out, &othersBefore](const QString &key, const QString &value) {
        othersBefore(key);
        if (!value.isEmpty())
            appendLine(out, key, value);
    });
    othersBefore(QStringView());
    appendLine(out, TyreType, firstEntries(tyre_types, tyreCount).join(ListSeparator));

    QStringList weights;
    weights.reserve(weightCount + combined_weight_constraints.size());
    for (int i = 0; i < weightCount; ++i)
        weights.append(QString::number(i + 1) + ListSeparator + max_axle_weights.value(i));
    weights += combined_weight_constraints;
    appendLine(out, MaxAxleWeight, weights.join(WeightEntrySeparator));

    appendLine(out, MaxAxleDistance,
               firstEntries(max_axle_distances, maxCount).join(ListSeparator));
    appendLine(out, MinAxleDistance,
               firstEntries(min_axle_distances, minCount).join(ListSeparator));
    for (int k = 0; k < adsl_constraints.size(); ++k)
        appendLine(out, AdslPrefix + QString::number(k + 1), adsl_constraints.at(k));
    for (int k = 0; k < awsl_constraints.size(); ++k)
        appendLine(out, AwslPrefix + QString::number(k + 1), awsl_constraints.at(k));
    return out;
}

QString Conf::to_string() const {
    QString out = FileKeys::ClassesSection + FileKeys::LineEnd;
    for (auto it = header.cbegin(); it != header.cend(); ++it)
        if (!it.value().isEmpty())
            appendLine(out, IniText::key(it.key()), IniText::value(it.value()));
    out += FileKeys::LineEnd;
    return out + subclasses_to_string();
}

QString Conf::subclasses_to_string() const {
    QString out;
    for (const Subclass &subclass : subclasses) {
        out += subclass.to_string();
        out += FileKeys::LineEnd;
    }
    return out;
}

QByteArray Conf::to_bytes() const {
    return FileEncodings::encode(to_string(), encoding);
}

bool Conf::write_to_file(const QString &path, QString *error) const {
    // Encoded as the file was read; lines end with a single line feed on
    // every system.
    return SaveFile::write(path, to_bytes(), error);
}
