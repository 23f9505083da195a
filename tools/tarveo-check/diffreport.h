#ifndef TARVEO_TOOLS_DIFFREPORT_H
#define TARVEO_TOOLS_DIFFREPORT_H

#include <QString>

class QTextStream;

// Compares two classification files in content and writes what differs,
// old and new value side by side in file units: as lines, or as one JSON
// document. Returns an ExitStatus: Fine when equal in content, Failed when
// they differ, Unusable when either file cannot be read whole (the reason
// goes to err, nothing to out).
int diffFiles(const QString &oldPath, const QString &newPath, bool json, QTextStream &out,
              QTextStream &err);

#endif
