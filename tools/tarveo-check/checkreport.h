#ifndef TARVEO_TOOLS_CHECKREPORT_H
#define TARVEO_TOOLS_CHECKREPORT_H

#include <QString>

class QTextStream;

namespace CheckStatus {
constexpr int Passed = 0;
constexpr int Failed = 1;
constexpr int Unusable = 2; // usage error or a file that cannot be opened
} // namespace CheckStatus

// Reads the file as the editor's Open does and writes what is wrong with it,
// one finding a line, each prefixed with the path. Returns a CheckStatus.
int reportFile(const QString &path, QTextStream &out);

// Writes exactly what the editor's Save would write for the file. Returns a
// CheckStatus: Failed when reading stopped early (the text is still
// written); nothing is written for a file that cannot be opened.
int printFile(const QString &path, QTextStream &out, QTextStream &err);

#endif
