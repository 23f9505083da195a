#include "editor/fieldmarking.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace FieldMarking {

const QString StyleValid = QStringLiteral("QLineEdit {background-color: lime}");
const QString StyleInvalid = QStringLiteral("QLineEdit {background-color: red}");
const QString StyleWarning = QStringLiteral("QLineEdit {background-color: yellow}");
const QString StyleNeutral = QStringLiteral("QLineEdit {background-color: white}");

void mark(QLineEdit *edit, const QString &style, const QString &toolTip) {
    // A style sheet set again restyles the field all the same, which
    // showing a subclass would do for every field at every step.
    if (edit->styleSheet() != style)
        edit->setStyleSheet(style);
    if (edit->toolTip() != toolTip)
        edit->setToolTip(toolTip);
}

void setValid(QLineEdit *edit, bool valid, const QString &invalidTip) {
    mark(edit, valid ? StyleValid : StyleInvalid, valid ? QString() : invalidTip);
}

void show(QLineEdit *edit, const Verdict &verdict, bool messageOnField) {
    switch (verdict.state) {
    case Verdict::State::Valid:
        mark(edit, StyleValid, QString());
        break;
    case Verdict::State::Warning:
        mark(edit, StyleWarning, verdict.message);
        break;
    case Verdict::State::Invalid:
        mark(edit, StyleInvalid, messageOnField ? verdict.message : QString());
        break;
    }
}

void tooLarge(QLineEdit *edit) {
    mark(edit, StyleInvalid,
         QCoreApplication::translate("Tarveo", "The value is too large to be stored."));
}

void showText(QLineEdit *edit, const QString &text) {
    if (edit->text() == text)
        return;
    edit->setText(text);
    edit->home(false);
}

} // namespace FieldMarking
