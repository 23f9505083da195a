#include "document/documentsteps.h"

#include "document/confdocument.h"

#include <QCoreApplication>
#include <utility>

namespace {

const char *const Context = "ConfDocument";

// The ids QUndoStack merges by.
enum StepId { HeaderValueId = 1, SubclassValueId };

QString translated(const char *text) {
    return QCoreApplication::translate(Context, text);
}

// A step names its value as the user reads it: a field's label, or one
// entry of a list ("Tyre type of axle 3").
QString valueName(const FieldRef &ref) {
    if (!Fields::isList(ref.id) || ref.index < 0)
        return Fields::label(ref.id);
    QString name = Fields::name(ref.id, ref.index);
    if (!name.isEmpty())
        name[0] = name.at(0).toUpper();
    return name;
}

} // namespace

DocumentStep::DocumentStep(ConfDocument *document, const QString &text, bool inHeader,
                           quint32 number, const FieldRef &ref)
    : QUndoCommand(text), document(document), inHeader(inHeader), number(number), ref(ref) {}

void DocumentStep::undo() {
    apply(false);
    emit document->stepShown(inHeader, number, ref);
}

void DocumentStep::redo() {
    apply(true);
    if (pushed)
        emit document->stepShown(inHeader, number, ref);
    pushed = true;
}

void DocumentStep::applyHeader(const QMap<QString, QString> &header, Fields::Id changed) {
    document->applyHeader(header, changed);
}
void DocumentStep::applySubclass(quint32 number, const Subclass &subclass) {
    document->applySubclass(number, subclass);
}
void DocumentStep::applyInsert(quint32 number, const Subclass &subclass) {
    document->applyInsert(number, subclass);
}
void DocumentStep::applyRemove(quint32 number) {
    document->applyRemove(number);
}

SetHeaderValue::SetHeaderValue(ConfDocument *document, Fields::Id id, QMap<QString, QString> before,
                               QMap<QString, QString> after)
    : DocumentStep(document, Fields::label(id), true, 0, FieldRef{id}), before(std::move(before)),
      after(std::move(after)) {}

int SetHeaderValue::id() const {
    return HeaderValueId;
}

bool SetHeaderValue::mergeWith(const QUndoCommand *other) {
    const auto *next = static_cast<const SetHeaderValue *>(other);
    if (next->ref != ref)
        return false;
    after = next->after;
    setObsolete(after == before);
    return true;
}

void SetHeaderValue::apply(bool forward) {
    applyHeader(forward ? after : before, ref.id);
}

ChangeSubclass::ChangeSubclass(ConfDocument *document, Kind kind, const FieldRef &ref,
                               Subclass before, Subclass after)
    : DocumentStep(document, stepText(kind, ref), false, before.get_number(), ref), kind(kind),
      before(std::move(before)), after(std::move(after)) {}

QString ChangeSubclass::stepText(Kind kind, const FieldRef &ref) {
    switch (kind) {
    case Kind::AddConstraint:
        return translated(QT_TRANSLATE_NOOP("ConfDocument", "Add %1"))
            .arg(Fields::name(ref.id, ref.index));
    case Kind::RemoveConstraint:
        return translated(QT_TRANSLATE_NOOP("ConfDocument", "Remove %1"))
            .arg(Fields::name(ref.id, ref.index));
    case Kind::Value:
    case Kind::AxleCount:
        break;
    }
    return valueName(ref);
}

int ChangeSubclass::id() const {
    return kind == Kind::Value || kind == Kind::AxleCount ? SubclassValueId : -1;
}

bool ChangeSubclass::mergeWith(const QUndoCommand *other) {
    const auto *next = static_cast<const ChangeSubclass *>(other);
    if (next->kind != kind || next->number != number || next->ref != ref)
        return false;
    after = next->after;
    setObsolete(after.to_string() == before.to_string());
    return true;
}

void ChangeSubclass::apply(bool forward) {
    applySubclass(number, forward ? after : before);
}

InsertSubclass::InsertSubclass(ConfDocument *document, const QString &text, Subclass subclass)
    : DocumentStep(document, text, false, subclass.get_number(), FieldRef{Fields::Id::Category}),
      subclass(std::move(subclass)) {}

void InsertSubclass::apply(bool forward) {
    if (forward)
        applyInsert(number, subclass);
    else
        applyRemove(number);
}

RemoveSubclass::RemoveSubclass(ConfDocument *document, Subclass subclass)
    : DocumentStep(document,
                   translated(QT_TRANSLATE_NOOP("ConfDocument", "Delete subclass %1"))
                       .arg(subclass.get_number()),
                   false, subclass.get_number(), FieldRef{Fields::Id::Category}),
      subclass(std::move(subclass)) {}

void RemoveSubclass::apply(bool forward) {
    if (forward)
        applyRemove(number);
    else
        applyInsert(number, subclass);
}
