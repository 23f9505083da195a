#ifndef TARVEO_TOOLS_CHECKREPORT_H
#define TARVEO_TOOLS_CHECKREPORT_H

#include <QStringList>

class QTextStream;

struct CheckOptions {
    bool json = false;     // one JSON document instead of lines
    bool overlaps = false; // also list subclasses whose distance windows overlap
    bool strict = false;   // fail on every finding, warnings and overlaps included
};

// Reads each file as the editor's Open does and writes what is wrong with it
// and why: as lines prefixed with the path, or as one JSON document for all
// files. Returns the worst ExitStatus: Unusable for a file that cannot be
// opened, Failed for one read only in part or that Save would refuse (with
// strict: that has any finding), Fine otherwise.
int reportFiles(const QStringList &paths, const CheckOptions &options, QTextStream &out);

// Writes exactly what the editor's Save would write for the file. Returns an
// ExitStatus: Failed when reading stopped early (the text is still
// written); nothing is written for a file that cannot be opened.
int printFile(const QString &path, QTextStream &out, QTextStream &err);

#endif
