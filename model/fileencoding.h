#ifndef TARVEO_MODEL_FILEENCODING_H
#define TARVEO_MODEL_FILEENCODING_H

#include <QString>
#include <QTextCodec>

// The encodings a classification is read and written in. A file is UTF-8;
// one that is not valid UTF-8 is taken for Latin-1, a character for each
// byte, and written back so, which gives the site's reader the very bytes
// it had, whatever they meant.
enum class FileEncoding { Utf8, Latin1 };

namespace FileEncodings {

inline QTextCodec *codec(FileEncoding encoding) {
    static QTextCodec *const utf8 = QTextCodec::codecForName("UTF-8");
    static QTextCodec *const latin1 = QTextCodec::codecForName("ISO-8859-1");
    return encoding == FileEncoding::Latin1 ? latin1 : utf8;
}

inline QString name(FileEncoding encoding) {
    return encoding == FileEncoding::Latin1 ? QStringLiteral("Latin-1") : QStringLiteral("UTF-8");
}

} // namespace FileEncodings

#endif
