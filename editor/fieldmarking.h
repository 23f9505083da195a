#ifndef TARVEO_EDITOR_FIELDMARKING_H
#define TARVEO_EDITOR_FIELDMARKING_H

#include "model/fieldchecks.h"

#include <QString>

class QLineEdit;

// How a field shows its judgement: lime, red or yellow, and the reason as
// its tool tip. The style sheets are the window's interface: checks outside
// the program read them.
namespace FieldMarking {

extern const QString StyleValid;
extern const QString StyleInvalid;
extern const QString StyleWarning;
extern const QString StyleNeutral;

void mark(QLineEdit *edit, const QString &style, const QString &toolTip);
void setValid(QLineEdit *edit, bool valid, const QString &invalidTip);
// A verdict of the model; a warning always says why, an error only where
// the field shows its reason.
void show(QLineEdit *edit, const Verdict &verdict, bool messageOnField);
// Typed text that the document cannot take.
void tooLarge(QLineEdit *edit);

// Puts text into a field with its start in view: the narrow axle and
// constraint fields would otherwise show only the end ("1.73" of 11.73).
void showText(QLineEdit *edit, const QString &text);

} // namespace FieldMarking

#endif
