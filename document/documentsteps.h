#ifndef TARVEO_DOCUMENT_DOCUMENTSTEPS_H
#define TARVEO_DOCUMENT_DOCUMENTSTEPS_H

#include "model/fields.h"
#include "model/subclass.h"

#include <QMap>
#include <QUndoCommand>

class ConfDocument;

// An undoable step of a ConfDocument. Undo and redo change the document
// through it and then ask the views to show what changed; the first redo,
// run when the step is pushed, shows nothing, since the user is looking at
// it already.
class DocumentStep : public QUndoCommand {
public:
    void undo() override;
    void redo() override;

protected:
    DocumentStep(ConfDocument *document, const QString &text, bool inHeader, quint32 number,
                 const FieldRef &ref);
    virtual void apply(bool forward) = 0;

    // What the document gives its commands.
    void applyHeader(const QMap<QString, QString> &header, Fields::Id changed);
    void applySubclass(quint32 number, const Subclass &subclass);
    void applyInsert(quint32 number, const Subclass &subclass);
    void applyRemove(quint32 number);

    ConfDocument *const document;
    const bool inHeader;
    const quint32 number;
    const FieldRef ref;

private:
    bool pushed = false;
};

// A header value changed; typing in one field merges into one step.
class SetHeaderValue : public DocumentStep {
public:
    SetHeaderValue(ConfDocument *document, Fields::Id id, QMap<QString, QString> before,
                   QMap<QString, QString> after);
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    void apply(bool forward) override;
    QMap<QString, QString> before;
    QMap<QString, QString> after;
};

// Any change inside one subclass: the record before and after it.
class ChangeSubclass : public DocumentStep {
public:
    enum class Kind { Value, AxleCount, AddConstraint, RemoveConstraint };
    ChangeSubclass(ConfDocument *document, Kind kind, const FieldRef &ref, Subclass before,
                   Subclass after);
    // Successive edits of one value of one subclass merge.
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

    static QString stepText(Kind kind, const FieldRef &ref);

private:
    void apply(bool forward) override;
    const Kind kind;
    Subclass before;
    Subclass after;
};

// A subclass came (New, Copy) or went (Delete).
class InsertSubclass : public DocumentStep {
public:
    InsertSubclass(ConfDocument *document, const QString &text, Subclass subclass);

private:
    void apply(bool forward) override;
    const Subclass subclass;
};

class RemoveSubclass : public DocumentStep {
public:
    RemoveSubclass(ConfDocument *document, Subclass subclass);

private:
    void apply(bool forward) override;
    const Subclass subclass;
};

#endif
