#ifndef TARVEO_DOCUMENT_CONFDOCUMENT_H
#define TARVEO_DOCUMENT_CONFDOCUMENT_H

#include "document/judgements.h"
#include "model/conf.h"
#include "model/fieldchecks.h"
#include "model/fields.h"

#include <QObject>
#include <QString>

class QUndoCommand;
class QUndoStack;

// The classification being edited: the one object that changes it. It owns
// the Conf, the file it belongs to, the judgement of every subclass and the
// undo stack; every change is an undoable step pushed onto that stack, and
// each says what it changed through the signals below, which the views
// redraw from.
class ConfDocument : public QObject {
    Q_OBJECT

public:
    explicit ConfDocument(QObject *parent = nullptr);
    ~ConfDocument() override;

    const Conf &conf() const { return document; }
    QUndoStack *undoStack() const { return stack; }

    // The file the document was read from or last written to; empty for
    // none.
    QString filePath() const { return path; }
    // The file the document was read from when it does not hold all the
    // file holds (reading stopped early, or a section replaced another) and
    // the file has not been written over since: saving over it drops the
    // rest (ConfReadOutcome says what).
    QString partlyHeldFile() const { return partlyHeld; }

    // Replaces the whole document (Open, New); the undo stack starts empty
    // and clean.
    void replace(Conf conf, const QString &filePath);
    // The document as it stands was written to filePath.
    void markSaved(const QString &filePath);
    // Whether the document differs from what was last opened or saved.
    bool isModified() const;
    // Whether any of those differences lies in the subclasses rather than
    // the header alone.
    bool hasUnsavedSubclassChanges() const;

    // Judgements, kept as the document changes.
    bool isValid(quint32 number) const { return judgements.isValid(document, number); }
    QVector<quint32> invalidSubclasses() const { return judgements.invalid(document); }
    Verdict headerVerdict(Fields::Id id) const;
    Verdict verdict(quint32 number, const FieldRef &ref) const;

    // The edits. Each is one step; successive edits of the same value merge
    // into one. An edit naming a subclass the document lacks does nothing.
    void setHeaderValue(Fields::Id id, const QString &value);
    void setValue(quint32 number, const FieldRef &ref, const QString &value);
    // The axle count as the user types it (Subclass::set_axle_count); the
    // step keeps what a lower count removes.
    void setAxleCount(quint32 number, const QString &count);
    void addConstraint(quint32 number, Fields::Id kind, const QString &value);
    void removeConstraint(quint32 number, const FieldRef &ref);
    // A new subclass with nothing but its number and category.
    void newSubclass(quint32 number, const QString &category);
    void copySubclass(quint32 from, quint32 to);
    void removeSubclass(quint32 number);

signals:
    // Everything changed: a document was opened or created.
    void documentReplaced();
    void headerChanged(Fields::Id id);
    void subclassChanged(quint32 number);
    void subclassInserted(quint32 number);
    void subclassRemoved(quint32 number);
    // An undo or redo changed this value (of the header when number is
    // null): the views show it.
    void stepShown(bool inHeader, quint32 number, const FieldRef &ref);
    void filePathChanged(const QString &filePath);
    void modificationChanged(bool modified);

private:
    // The commands change the document through these alone.
    friend class DocumentStep;
    void applyHeader(const QMap<QString, QString> &header, Fields::Id changed);
    void applySubclass(quint32 number, const Subclass &subclass);
    void applyInsert(quint32 number, const Subclass &subclass);
    void applyRemove(quint32 number);

    void push(QUndoCommand *step);

    Conf document;
    QString path;
    QString partlyHeld;
    Judgements judgements;
    QUndoStack *stack;
};

#endif
