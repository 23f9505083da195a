#include "editor/fieldedit.h"

#include "editor/editorcontext.h"
#include "editor/fieldmarking.h"

#include <QKeyEvent>
#include <QLineEdit>

FieldEdit::FieldEdit(QLineEdit *edit, const FieldRef &ref, EditorContext *context)
    : QObject(edit), lineEdit(edit), reference(ref), context(context) {
    connect(edit, &QLineEdit::textEdited, this, &FieldEdit::typed);
    edit->installEventFilter(this);
}

bool FieldEdit::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    // The desktop's keys, and the common ones that stand in where it has none.
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    const bool control = modifiers == Qt::ControlModifier;
    const bool undoKey = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                         (key->key() == Qt::Key_Z &&
                          (control || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))) ||
                         (key->key() == Qt::Key_Y && control);
    // Swallowed unaccepted, the key goes on to the window's shortcuts.
    return undoKey;
}

QString FieldEdit::documentValue() const {
    if (Fields::field(reference.id).scope == Fields::Scope::Header)
        return context->conf().get_header_value(reference.id);
    const Subclass *subclass = context->currentSubclass();
    return subclass ? subclass->get_value(reference) : QString();
}

void FieldEdit::show(bool force) {
    const QString value = documentValue();
    if (storing || (!force && (holdsTyped || unstored) && value == heldValue)) {
        if (storing)
            heldValue = value;
        if (unstored)
            FieldMarking::tooLarge(lineEdit);
        else
            markVerdict();
        return;
    }
    shownText = context->units().toDisplay(Fields::field(reference.id).kind, value);
    shownValue = value;
    holdsTyped = unstored = false;
    FieldMarking::showText(lineEdit, shownText);
    markVerdict();
}

void FieldEdit::markVerdict() {
    const Fields::Field &field = Fields::field(reference.id);
    ConfDocument *document = context->document();
    if (field.scope == Fields::Scope::Header) {
        FieldMarking::show(lineEdit, document->headerVerdict(reference.id), field.messageOnField);
        return;
    }
    if (const std::optional<quint32> number = context->current())
        FieldMarking::show(lineEdit, document->verdict(*number, reference), field.messageOnField);
}

void FieldEdit::typed(const QString &text) {
    const Fields::Field &field = Fields::field(reference.id);
    // While the number field names no listed subclass, nothing is stored.
    if (field.scope != Fields::Scope::Header && !context->current())
        return;
    // An emptied constraint row deletes its constraint; the rows below move up.
    if (field.scope == Fields::Scope::Constraint && text.isEmpty()) {
        context->document()->removeConstraint(*context->current(), reference);
        return;
    }
    QString value;
    if (text == shownText && !shownText.isEmpty()) {
        value = shownValue;
    } else {
        const DisplayUnits::Typed converted = context->units().toDocument(field, text);
        if (!converted.storable) {
            heldValue = documentValue();
            unstored = true;
            FieldMarking::tooLarge(lineEdit);
            return;
        }
        value = converted.value;
    }
    unstored = false;
    holdsTyped = true;
    storing = true;
    store(value);
    storing = false;
    heldValue = documentValue();
    markVerdict();
}

void FieldEdit::store(const QString &value) {
    ConfDocument *document = context->document();
    const Fields::Field &field = Fields::field(reference.id);
    if (field.scope == Fields::Scope::Header) {
        document->setHeaderValue(reference.id, value);
        return;
    }
    const quint32 number = *context->current();
    if (reference.id == Fields::Id::NumberOfAxles)
        document->setAxleCount(number, value);
    else
        document->setValue(number, reference, value);
}
