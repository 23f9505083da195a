#ifndef TARVEO_REPORT_OUTPUTFILE_H
#define TARVEO_REPORT_OUTPUTFILE_H

#include <QByteArray>
#include <QString>

// Writing a made file (a report, a picture) so that every failure shows.
namespace OutputFile {

// Writes bytes to path. A regular file, or a new one, is written beside
// and then put in place, so a write that fails (a full disk) leaves what
// was there before; anything else (a device, a pipe) is written directly.
// False, with the system's reason, when any write or the final step fails.
bool write(const QString &path, const QByteArray &bytes, QString *error);

} // namespace OutputFile

#endif
