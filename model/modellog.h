#ifndef TARVEO_MODEL_MODELLOG_H
#define TARVEO_MODEL_MODELLOG_H

#include <QDebug>
#include <QLoggingCategory>
#include <QString>

// Each layer logs in a category of its own (tarveo.model, tarveo.units,
// tarveo.drawing, tarveo.app, tarveo.editor). Debug lines are off unless QT_LOGGING_RULES
// or --log turns them on; warnings are on, and the tools turn them off.
Q_DECLARE_LOGGING_CATEGORY(tarveoModel)

namespace Logging {

// What --log asks for, in the editor and in every tool: each line of every
// layer, debug included.
inline const QString Everything = QStringLiteral("tarveo.*=true");
// The tools' default: their findings already say in their own words what a
// warning would.
inline const QString Nothing = QStringLiteral("tarveo.*=false");

} // namespace Logging

// The model's messages go to the log as plain text, without the quoting
// QDebug would add around strings.
namespace ModelLog {

inline void warning(const QString &text) {
    qCWarning(tarveoModel).noquote() << text;
}
inline void debug(const QString &text) {
    qCDebug(tarveoModel).noquote() << text;
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
