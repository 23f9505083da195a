#include "model/savefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const char *const NotRegular = QT_TRANSLATE_NOOP(
    "SaveFile", "It is not a regular file. Only a regular file, or a link to one, can be saved.");

bool fail(QString *error, const QString &reason) {
    if (error)
        *error = reason;
    return false;
}

// What the system has taken may still fail on its way to the disk (a
// network file system, a thin volume); only the sync says so. Gives the
// reason, empty when the text is on the disk.
QString syncToDisk(QFileDevice &file) {
#ifdef Q_OS_UNIX
    // EINVAL: a file system that has nothing to sync.
    if (::fsync(file.handle()) != 0 && errno != EINVAL)
        return qt_error_string(errno);
#else
    Q_UNUSED(file)
#endif
    return QString();
}

bool writeAtomically(const QString &path, const QByteArray &bytes, QString *error) {
    QSaveFile file(path);
    // Buffered, a write error would surface only in commit(), which does
    // not report it and puts the cut text in the file's place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(error, file.errorString());
    // Returning with the file open drops the new text and keeps the old file.
    if (!SaveFile::writeAll(file, bytes))
        return fail(error, file.errorString());
    const QString unsynced = syncToDisk(file);
    if (!unsynced.isEmpty())
        return fail(error, unsynced);
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

// Makes room on the disk for the new text before the old text is touched,
// so that a full disk leaves the file as it was. Gives the reason when
// there is no room. A file system that cannot reserve lets the write go
// ahead unreserved; the old text is put back if it then fails.
QString reserve(QFile &file, qint64 oldSize, qint64 newSize) {
#ifdef Q_OS_LINUX
    if (newSize == 0)
        return QString();
    const int result = ::posix_fallocate(file.handle(), 0, newSize);
    if (result == 0)
        return QString();
    // A reservation that ran out of room may have lengthened the file.
    if (file.size() != oldSize && ::ftruncate(file.handle(), oldSize) != 0)
        return qt_error_string(errno);
    if (result == EOPNOTSUPP || result == ENOSYS || result == EINVAL)
        return QString();
    return qt_error_string(result);
#else
    Q_UNUSED(file)
    Q_UNUSED(oldSize)
    Q_UNUSED(newSize)
    return QString();
#endif
}

// Puts text in the file's place from its start. The file is cut to the
// text's length only once the text is written, so a failure leaves every
// byte of the old text beyond the failed write where it was.
bool replaceWith(QFile &file, const QByteArray &text, QString *reason) {
    if (!file.seek(0) || !SaveFile::writeAll(file, text) || !file.resize(text.size())) {
        *reason = file.errorString();
        return false;
    }
    *reason = syncToDisk(file);
    return reason->isEmpty();
}

bool writeInPlace(const QString &path, const QByteArray &bytes, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return fail(error, file.errorString());
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(error, file.errorString());
    QString reason = reserve(file, old.size(), bytes.size());
    if (!reason.isEmpty())
        return fail(error, reason);
    if (replaceWith(file, bytes, &reason))
        return true;
    QString ignored; // the first failure is the one to report
    replaceWith(file, old, &ignored);
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
    // A device or a pipe would be replaced by a regular file, or written
    // into; a folder cannot hold the text.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return fail(error, QCoreApplication::translate("SaveFile", NotRegular));
    if (choose(factsOf(path)) == Method::Atomic)
        return writeAtomically(path, bytes, error);
    return writeInPlace(path, bytes, error);
}

bool writeAll(QFileDevice &file, const QByteArray &bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace SaveFile
