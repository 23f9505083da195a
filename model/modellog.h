#ifndef TARVEO_MODEL_MODELLOG_H
#define TARVEO_MODEL_MODELLOG_H

#include <QDebug>
#include <QString>

// The model's messages go to the toolkit's log as plain text, without the
// quoting QDebug would add around strings.
namespace ModelLog {

inline void warning(const QString &text) {
    qWarning().noquote() << text;
}
inline void debug(const QString &text) {
    qDebug().noquote() << text;
}

// Message for an index that no list operation can honour (negative, or past
// the end where appending is not what the operation does).
inline QString indexOutside(const char *operation, int index, int size) {
    return QStringLiteral("%1: Ignoring index %2 outside array of size %3")
        .arg(QLatin1String(operation))
        .arg(index)
        .arg(size);
}

// A check asked about an index its list does not have.
inline void missingIndex(const char *check, int index, int size) {
    warning(QStringLiteral("%1: Checking if a nonexistent index %2 exists in array of size %3")
                .arg(QLatin1String(check))
                .arg(index)
                .arg(size));
}

} // namespace ModelLog

#endif
