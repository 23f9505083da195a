#include "report/outputfile.h"

#include "model/savefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool fail(QString *error, const QString &reason) {
    *error = reason;
    return false;
}

// A device or pipe cannot be replaced, only written to; replacing one would
// even take /dev/full's place for a user allowed to write in /dev.
bool writeDirectly(const QString &path, const QByteArray &bytes, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(error, file.errorString());
    if (!SaveFile::writeAll(file, bytes))
        return fail(error, file.errorString());
    return true;
}

} // namespace

namespace OutputFile {

bool write(const QString &path, const QByteArray &bytes, QString *error) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir())
        return writeDirectly(path, bytes, error);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    if (!SaveFile::writeAll(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, reason);
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

} // namespace OutputFile
