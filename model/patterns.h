#ifndef TARVEO_MODEL_PATTERNS_H
#define TARVEO_MODEL_PATTERNS_H

#include <QRegularExpression>
#include <QString>

// The regular expressions of the file format, compiled so that \d matches
// every decimal digit the toolkit's QRegExp matches.
namespace Patterns {

inline QRegularExpression compiled(const QString &pattern) {
    return QRegularExpression(pattern, QRegularExpression::UseUnicodePropertiesOption);
}

// A run of decimal digits: the number of a subclass section.
inline const QRegularExpression &digitRun() {
    static const QRegularExpression pattern = compiled(QStringLiteral("\\d+"));
    return pattern;
}

} // namespace Patterns

#endif
