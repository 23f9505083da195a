#ifndef TARVEO_MODEL_FILEENCODING_H
#define TARVEO_MODEL_FILEENCODING_H

#include <QByteArray>
#include <QString>
#include <QStringView>

// The encodings a classification is read and written in. A file is UTF-8;
// one that is not valid UTF-8 is taken for Latin-1, a character for each
// byte, and written back so, which gives the site's reader the very bytes
// it had, whatever they meant.
enum class FileEncoding { Utf8, Latin1 };

namespace FileEncodings {

// Whether the bytes are well-formed UTF-8 throughout: no stray or missing
// continuation byte, no overlong form, no surrogate, nothing past U+10FFFF.
bool isUtf8(const QByteArray &bytes);

// The text of the bytes, every byte kept: a NUL byte and a byte order mark
// are characters like any other.
QString decode(const QByteArray &bytes, FileEncoding encoding);
QByteArray encode(QStringView text, FileEncoding encoding);
// Whether the encoding holds every character of the text.
bool canEncode(QStringView text, FileEncoding encoding);

} // namespace FileEncodings

#endif
