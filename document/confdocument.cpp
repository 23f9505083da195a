#include "document/confdocument.h"

#include "document/documentsteps.h"
#include "model/filekeys.h"

#include <QCoreApplication>
#include <QUndoStack>
#include <limits>

using Fields::Id;

ConfDocument::ConfDocument(QObject *parent) : QObject(parent), stack(new QUndoStack(this)) {
    connect(
        stack, &QUndoStack::cleanChanged, this,
        [this](bool clean) { emit modificationChanged(!clean); });
}

ConfDocument::~ConfDocument() {
    // The steps may refer to the document while they are destroyed.
    delete stack;
}

void ConfDocument::replace(Conf conf, const QString &filePath) {
    stack->clear();
    document = std::move(conf);
    judgements.judgeAll(document);
    path = filePath;
    partlyHeld = document.get_read_outcome().heldWhole() ? QString() : filePath;
    stack->setClean();
    emit documentReplaced();
    emit filePathChanged(path);
}

void ConfDocument::markSaved(const QString &filePath) {
    stack->setClean();
    if (filePath == partlyHeld)
        partlyHeld.clear();
    if (filePath != path) {
        path = filePath;
        emit filePathChanged(path);
    }
}

bool ConfDocument::isModified() const {
    return !stack->isClean();
}

bool ConfDocument::hasUnsavedSubclassChanges() const {
    const int clean = stack->cleanIndex();
    if (clean < 0)
        return true; // the saved state is out of reach
    const int current = stack->index();
    for (int i = qMin(clean, current); i < qMax(clean, current); ++i)
        if (!dynamic_cast<const SetHeaderValue *>(stack->command(i)))
            return true;
    return false;
}

Verdict ConfDocument::headerVerdict(Fields::Id id) const {
    // Only the header's maximum is judged against every subclass.
    const float highest = id == Id::HeaderMaxAxleDistance ? judgements.highestMaxDistance()
                                                          : -std::numeric_limits<float>::infinity();
    return FieldChecks::ofHeader(document, id, highest);
}

Verdict ConfDocument::verdict(quint32 number, const FieldRef &ref) const {
    if (!document.has_subclass(number))
        return {};
    return FieldChecks::of(document, document.get_subclass(number), ref);
}

void ConfDocument::setHeaderValue(Fields::Id id, const QString &value) {
    const QMap<QString, QString> changed = document.header_with_value(id, value);
    if (changed == document.get_header())
        return;
    push(new SetHeaderValue(this, id, document.get_header(), changed));
}

void ConfDocument::setValue(quint32 number, const FieldRef &ref, const QString &value) {
    if (!document.has_subclass(number))
        return;
    const Subclass &before = document.get_subclass(number);
    Subclass after = before;
    after.set_value(ref, value);
    push(new ChangeSubclass(this, ChangeSubclass::Kind::Value, ref, before, std::move(after)));
}

void ConfDocument::setAxleCount(quint32 number, const QString &count) {
    if (!document.has_subclass(number))
        return;
    const Subclass &before = document.get_subclass(number);
    Subclass after = before;
    after.set_axle_count(count);
    push(new ChangeSubclass(this, ChangeSubclass::Kind::AxleCount, FieldRef{Id::NumberOfAxles},
                            before, std::move(after)));
}

void ConfDocument::addConstraint(quint32 number, Fields::Id kind, const QString &value) {
    if (!document.has_subclass(number))
        return;
    const Subclass &before = document.get_subclass(number);
    Subclass after = before;
    const QString &type = Fields::field(kind).key;
    after.set_constraint_at_index(value, -1, type);
    const FieldRef added{kind, after.get_number_of_constraints(type) - 1};
    push(new ChangeSubclass(this, ChangeSubclass::Kind::AddConstraint, added, before,
                            std::move(after)));
}

void ConfDocument::removeConstraint(quint32 number, const FieldRef &ref) {
    if (!document.has_subclass(number))
        return;
    const Subclass &before = document.get_subclass(number);
    const QString &type = Fields::field(ref.id).key;
    if (ref.index < 0 || ref.index >= before.get_number_of_constraints(type))
        return;
    Subclass after = before;
    after.remove_constraint_at_index(ref.index, type);
    push(new ChangeSubclass(this, ChangeSubclass::Kind::RemoveConstraint, ref, before,
                            std::move(after)));
}

void ConfDocument::newSubclass(quint32 number, const QString &category) {
    if (document.has_subclass(number))
        return;
    Subclass created(QMap<QString, QString>{{FileKeys::SubclassNumber, QString::number(number)}});
    created.set_category(category);
    push(new InsertSubclass(this, tr("New subclass %1").arg(number), std::move(created)));
}

void ConfDocument::copySubclass(quint32 from, quint32 to) {
    if (!document.has_subclass(from) || document.has_subclass(to))
        return;
    Subclass copy = document.get_subclass(from);
    copy.set_number(to);
    push(new InsertSubclass(this, tr("Copy subclass %1 to %2").arg(from).arg(to), std::move(copy)));
}

void ConfDocument::removeSubclass(quint32 number) {
    if (!document.has_subclass(number))
        return;
    push(new RemoveSubclass(this, document.get_subclass(number)));
}

void ConfDocument::push(QUndoCommand *step) {
    stack->push(step);
}

void ConfDocument::applyHeader(const QMap<QString, QString> &header, Fields::Id changed) {
    // Judgements stand apart from the header: the bounds are compared when
    // they are asked for.
    document.set_header(header);
    emit headerChanged(changed);
}

void ConfDocument::applySubclass(quint32 number, const Subclass &subclass) {
    document.get_subclass(number) = subclass;
    judgements.update(document, number);
    emit subclassChanged(number);
}

void ConfDocument::applyInsert(quint32 number, const Subclass &subclass) {
    document.insert_subclass(number, subclass);
    judgements.update(document, number);
    emit subclassInserted(number);
}

void ConfDocument::applyRemove(quint32 number) {
    document.remove_subclass(number);
    judgements.update(document, number);
    emit subclassRemoved(number);
}
