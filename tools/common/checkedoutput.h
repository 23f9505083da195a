#ifndef TARVEO_TOOLS_COMMON_CHECKEDOUTPUT_H
#define TARVEO_TOOLS_COMMON_CHECKEDOUTPUT_H

#include "tools/common/exitstatus.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>

// Standard output whose writes are checked. An answer that never reached
// the disk or the pipe (a full disk, /dev/full) must not end the tool as if
// it had: text streams and stdio keep what they take in buffers and report
// a failure, if at all, only when they are flushed.
class CheckedOutput {
public:
    CheckedOutput() : stream(&file) { file.open(stdout, QIODevice::WriteOnly); }

    QTextStream &text() { return stream; }

    // Writes out everything written so far. Gives status, or Unusable with
    // the system's reason on standard error when any of it could not be
    // written.
    int finish(int status) {
        stream.flush();
        if (stream.status() == QTextStream::Ok && file.flush())
            return status;
        QTextStream(stderr) << QCoreApplication::applicationName()
                            << ": cannot write the output: " << file.errorString() << '\n';
        return ExitStatus::Unusable;
    }

private:
    QFile file;
    QTextStream stream;
};

#endif
