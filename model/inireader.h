#ifndef TARVEO_MODEL_INIREADER_H
#define TARVEO_MODEL_INIREADER_H

#include <QMap>
#include <QString>
#include <QStringView>

// The [classes] section of a classification, read as the toolkit's INI
// reader (QSettings in its INI format) reads it, since the site's own reader
// is that one: a quote or a backslash carries a line over its line break,
// ";" starts a comment, blanks around keys and unquoted values go, values
// resolve backslash escapes and quotes, commas make a list, a leading "@"
// tags typed data, and keys resolve "%XX" and "%UXXXX". Two things differ,
// both where the toolkit's reader loses a key: a key is read from the text
// as decoded with the file's encoding (the toolkit decodes the bytes of a
// key as Latin-1 whatever the file holds), and "/" and "\" are characters of
// a key (the toolkit takes them for group separators, so that the key leaves
// the section).
namespace IniReader {

// The keys and values of every [classes] section of the text, a later key
// replacing an earlier one; utf8 tells that the text was decoded from UTF-8.
QMap<QString, QString> classes(QStringView text, bool utf8);

// The character that a "%" at position i of a key stands for, with the
// length of the escape in *length; *length is 0 when the "%" stands for
// itself.
QChar keyEscape(QStringView key, int i, int *length);

} // namespace IniReader

#endif
