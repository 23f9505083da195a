#ifndef TARVEO_MODEL_SAVEFILE_H
#define TARVEO_MODEL_SAVEFILE_H

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Writing a file without changing what it is. Where the folder allows it
// and nothing else refers to the file, a new file replaces the old one
// atomically, so a failed write leaves the old text whole. A file with
// other hard links, one owned by someone else or one in a folder that takes
// no new files is overwritten in place instead, which keeps its links, owner
// and permissions; room for the new text is reserved first, and the old text
// is put back if the new one still cannot be written. Either way a failed
// save leaves the old text. Only a regular file, or a link to one, is
// written: a device, a pipe or a folder is refused.
namespace SaveFile {

enum class Method { Atomic, InPlace };

// What decides the method, as found on the disk.
struct Facts {
    bool exists = false;
    bool folderWritable = true;
    int links = 1;
    bool ownedByUs = true; // owner and group are those a new file would get
};

Method choose(const Facts &facts);
Facts factsOf(const QString &path);

// On failure returns false and, when error is given, the reason.
bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Writes all of bytes at the file's position, however many writes it takes.
// A short write says nothing of its cause; the next one fails with the
// system's reason (a full disk, a file too large), left on the file.
bool writeAll(QFileDevice &file, const QByteArray &bytes);

} // namespace SaveFile

#endif
