#ifndef TARVEO_EDITOR_SUBCLASSLOOKUP_H
#define TARVEO_EDITOR_SUBCLASSLOOKUP_H

#include <QRegularExpression>
#include <QString>

// How subclasses are named in the window's lists.
namespace SubclassLookup {

// The entry for a number as written; only the plain decimal form of a
// number is ever listed.
inline QString entry(const QString &numberText) {
    return QStringLiteral("subclass_") + numberText;
}

// The entry of a subclass in comboBoxSubclasses and comboBoxInvalid.
inline QString entry(quint32 number) {
    return entry(QString::number(number));
}

// The number of an entry: its first run of decimal digits ("" when none).
inline QString numberText(const QString &entry) {
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    return digits.match(entry).captured(0);
}

} // namespace SubclassLookup

#endif
