#include "model/savefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

bool fail(QString *error, const QString &reason) {
    if (error)
        *error = reason;
    return false;
}

bool writeAtomically(const QString &path, const QByteArray &bytes, QString *error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, reason);
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

bool writeInPlace(const QString &path, const QByteArray &bytes, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return fail(error, file.errorString());
    const QByteArray old = file.readAll();
    const auto replaceWith = [&file](const QByteArray &text) {
        return file.seek(0) && file.write(text) == text.size() && file.resize(text.size()) &&
               file.flush();
    };
    if (replaceWith(bytes))
        return true;
    const QString reason = file.errorString();
    replaceWith(old);
    return fail(error, reason);
}

} // namespace

namespace SaveFile {

Method choose(const Facts &facts) {
    if (!facts.exists)
        return Method::Atomic;
    const bool replaceable = facts.folderWritable && facts.links == 1 && facts.ownedByUs;
    return replaceable ? Method::Atomic : Method::InPlace;
}

Facts factsOf(const QString &path) {
    Facts facts;
    const QFileInfo info(path);
    facts.exists = info.exists();
    if (!facts.exists)
        return facts;
    // A link is written through: what matters is the file it names.
    const QFileInfo target(info.canonicalFilePath());
    facts.folderWritable = QFileInfo(target.absolutePath()).isWritable();
#ifdef Q_OS_UNIX
    struct stat status;
    if (::stat(QFile::encodeName(target.filePath()).constData(), &status) == 0) {
        facts.links = static_cast<int>(status.st_nlink);
        facts.ownedByUs = status.st_uid == ::geteuid() && status.st_gid == ::getegid();
    }
#endif
    return facts;
}

bool write(const QString &path, const QByteArray &bytes, QString *error) {
    if (choose(factsOf(path)) == Method::Atomic)
        return writeAtomically(path, bytes, error);
    return writeInPlace(path, bytes, error);
}

} // namespace SaveFile
