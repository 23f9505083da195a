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

// The whole text must match: anchors around the syntax.
inline QRegularExpression wholeText(const QString &pattern) {
    return compiled(QStringLiteral("\\A(?:%1)\\z").arg(pattern));
}

// A run of decimal digits: section numbers, axle counts of a configuration.
inline const QRegularExpression &digitRun() {
    static const QRegularExpression pattern = compiled(QStringLiteral("\\d+"));
    return pattern;
}

// A combined axle weight constraint: two or more axles, "," and the weight.
inline const QString CombinedWeightSyntax = QStringLiteral("(?:\\d+\\+)+\\d+,\\d+\\.?\\d*");

} // namespace Patterns

#endif
