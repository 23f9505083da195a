#include "editor/fieldedit.h"

#include "editor/editorcontext.h"
#include "editor/fieldmarking.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <iterator>

FieldEdit::FieldEdit(QLineEdit *edit, const FieldRef &ref, EditorContext *context)
    : QObject(edit), lineEdit(edit), reference(ref), context(context) {
    connect(edit, &QLineEdit::textEdited, this, &FieldEdit::typed);
    edit->installEventFilter(this);
}

bool FieldEdit::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const QKeySequence pressed(int(key->modifiers()) | key->key());
    const QKeySequence undoKeys[] = {QKeySequence(Qt::CTRL + Qt::Key_Z),
                                     QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_Z),
                                     QKeySequence(Qt::CTRL + Qt::Key_Y)};
    const bool undoKey =
        key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
        std::find(std::begin(undoKeys), std::end(undoKeys), pressed) != std::end(undoKeys);
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
