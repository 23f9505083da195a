// Reading and writing the classification file.
#include "model/conf.h"

#include "model/filekeys.h"
#include "model/filelimits.h"
#include "model/initext.h"
#include "model/modellog.h"
#include "model/numbers.h"
#include "model/savefile.h"
#include "model/sectiontable.h"
#include "model/writtenentries.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>
#include <QTextCodec>
#include <QTextStream>

namespace {

const QString LineWithoutEquals = QStringLiteral("Read a line without equals:");

constexpr qint64 Mebibyte = 1024 * 1024;
// What is read at a time of a file that grows while it is read.
constexpr qint64 ReadChunkBytes = Mebibyte;

// The reasons a file is refused reach the user.
QString readerText(const char *text) {
    return QCoreApplication::translate("Conf", text);
}

bool isDigitAt(QStringView text, int i, int *length) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        *length = 2;
        return QChar::isDigit(QChar::surrogateToUcs4(c, text.at(i + 1)));
    }
    *length = 1;
    return c.isDigit();
}

// The end of the run of decimal digits (any script) from i on.
int digitsEnd(QStringView text, int i) {
    int length = 0;
    while (i < text.size() && isDigitAt(text, i, &length))
        i += length;
    return i;
}

const QString SubclassHeaderStart = FileKeys::SubclassSectionPrefix;

// "[classes]", or "[subclass_" with decimal digits and "]", as the whole line.
bool isSectionHeader(QStringView line) {
    if (line == QStringView(FileKeys::ClassesSection))
        return true;
    if (!line.startsWith(SubclassHeaderStart) || !line.endsWith(FileKeys::SectionEnd))
        return false;
    const int digits = SubclassHeaderStart.size();
    return line.size() > digits + 1 && digitsEnd(line, digits) == line.size() - 1;
}

bool isBlank(QStringView line) {
    for (const QChar c : line)
        if (!c.isSpace())
            return false;
    return true;
}

// The file as the toolkit's text stream sees it on a device opened as
// text: decoded as a byte order mark says or else by the locale's codec,
// then every carriage return dropped.
QString streamText(const QByteArray &bytes) {
    QString text =
        QTextCodec::codecForUtfText(bytes, QTextCodec::codecForLocale())->toUnicode(bytes);
    text.remove(QLatin1Char('\r'));
    return text;
}

// The INI reader hands back an unquoted value with commas as a list; the
// document keeps the text as it stood in the file.
QString settingAsText(const QVariant &value) {
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(FileKeys::ListSeparator);
    return value.toString();
}

// The INI reader decodes the bytes of a key as Latin-1 whatever codec it was
// given, so a key beyond ASCII would come back double-encoded on every save.
// Such a key is decoded again with the codec, unless its bytes are not valid
// text in it (then they were escapes the INI reader resolved itself).
QString keyAsText(const QString &key, QTextCodec *codec) {
    constexpr ushort LastLatin1 = 0xFF;
    constexpr ushort LastAscii = 0x7F;
    bool beyondAscii = false;
    for (const QChar c : key) {
        if (c.unicode() > LastLatin1)
            return key;
        beyondAscii = beyondAscii || c.unicode() > LastAscii;
    }
    if (!beyondAscii)
        return key;
    const QByteArray bytes = key.toLatin1();
    QTextCodec::ConverterState state;
    const QString decoded = codec->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0 ? decoded : key;
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

// The [classes] section through the toolkit's INI reader. It reads a private
// copy of the bytes: the INI reader caches files by name and trusts a file
// whose size and time stamp look unchanged, which a file saved again within
// the same clock tick can, so reading the path itself could yield an older
// header.
QMap<QString, QString> readHeader(const QByteArray &bytes, const QString &path, QObject *parent) {
    QTemporaryFile snapshot;
    QString iniPath = path;
    if (snapshot.open() && snapshot.write(bytes) == bytes.size() && snapshot.flush())
        iniPath = snapshot.fileName();
    snapshot.close();

    QMap<QString, QString> header;
    QSettings settings(iniPath, QSettings::IniFormat, parent);
    // The line pass and the writer use the stream's default codec; the INI
    // reader must decode the same bytes the same way, or non-ASCII header
    // text changes on every open and save.
    QTextCodec *codec = QTextCodec::codecForLocale();
    settings.setIniCodec(codec);
    settings.beginGroup(FileKeys::ClassesGroup);
    const QStringList keys = settings.childKeys();
    for (const QString &key : keys)
        header.insert(keyAsText(key, codec), settingAsText(settings.value(key)));
    return header;
}

// The subclass sections, line by line. Returns how far reading got.
ConfReadOutcome readSections(const QByteArray &bytes, Conf &conf) {
    ConfReadOutcome outcome;
    const QString text = streamText(bytes);
    bool inClasses = false;
    TextPool pool;
    SectionTable table(&pool);
    auto finishTable = [&conf, &table, &pool]() {
        const quint32 number =
            Numbers::asUnsigned(table.value(SectionTable::SubclassNumber).toString());
        conf.insert_subclass(number, Subclass(table));
        table = SectionTable(&pool);
    };
    int lineNumber = 0;
    for (int start = 0; start < text.size();) {
        int end = text.indexOf(FileKeys::LineEnd, start);
        if (end < 0)
            end = text.size();
        const QStringView line = QStringView(text).mid(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (isBlank(line))
            continue;
        if (line.startsWith(QLatin1Char('[')) && isSectionHeader(line)) {
            inClasses = line == QStringView(FileKeys::ClassesSection);
            if (inClasses)
                continue;
            if (!table.isEmpty())
                finishTable();
            const int digits = SubclassHeaderStart.size();
            table.insert(FileKeys::SubclassNumber, line.mid(digits, line.size() - digits - 1));
            continue;
        }
        if (inClasses)
            continue;
        const int equals = line.indexOf(FileKeys::KeyValueSeparator);
        if (equals < 0 || line.indexOf(FileKeys::KeyValueSeparator, equals + 1) >= 0) {
            ModelLog::warning(LineWithoutEquals + QLatin1Char(' ') + line.toString());
            outcome.stopLine = lineNumber;
            outcome.stopText = line.toString();
            return outcome;
        }
        table.insert(line.left(equals), line.mid(equals + 1));
    }
    if (!table.isEmpty())
        finishTable();
    return outcome;
}

// Why the file cannot be taken as a classification, or empty text with its
// bytes in *bytes. Only a regular file is opened: a device never ends and a
// pipe may never deliver.
QString readLimited(const QString &path, QByteArray *bytes) {
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
    // As much as the file holds, and no more than the limit even if it grows
    // meanwhile. A read is given as much room as it asks for, so each asks
    // for what is there.
    qint64 wanted = info.size() + 1;
    while (bytes->size() <= FileLimits::MaxFileBytes) {
        const QByteArray chunk =
            file.read(qMin(wanted, FileLimits::MaxFileBytes + 1 - bytes->size()));
        if (chunk.isEmpty())
            break;
        *bytes += chunk;
        wanted = ReadChunkBytes;
    }
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
    return QString();
}

} // namespace

void Conf::read_file(const QString &path, QObject *parent) {
    // One read of the file serves both passes, so they see the same bytes
    // even if the file changes meanwhile.
    QByteArray bytes;
    const QString failure = readLimited(path, &bytes);
    if (!failure.isEmpty()) {
        readOutcome.opened = false;
        readOutcome.failure = failure;
        return;
    }
    header = readHeader(bytes, path, parent);
    readOutcome = readSections(bytes, *this);
}

QString Subclass::to_string() const {
    using namespace FileKeys;
    const int weightCount = WrittenEntries::weights(*this);
    const int tyreCount = WrittenEntries::tyreTypes(*this);
    const int minCount = WrittenEntries::minDistances(*this);
    const int maxCount = WrittenEntries::maxDistances(*this);

    QString out;
    out += SubclassSectionPrefix + QString::number(number) + SectionEnd + LineEnd;
    values.forEach([&out](const QString &key, const QString &value) {
        if (!value.isEmpty())
            appendLine(out, key, value);
    });
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

bool Conf::write_to_file(const QString &path, QString *error) const {
    // Encoded as the reader decodes; lines end with a single line feed on
    // every system.
    return SaveFile::write(path, QTextCodec::codecForLocale()->fromUnicode(to_string()), error);
}
