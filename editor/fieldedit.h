#ifndef TARVEO_EDITOR_FIELDEDIT_H
#define TARVEO_EDITOR_FIELDEDIT_H

#include "model/fields.h"

#include <QObject>
#include <QString>

class EditorContext;
class QLineEdit;

// A line edit that shows one value of the document (of the header, or of
// the subclass on display) and stores what the user types into it.
//
// What the user types stays as typed while the document holds what it
// stored; anything else that changes the value shows the document's text.
// Text retyped to what the field was showing gives back the document's
// exact value, not that value rounded through its display.
class FieldEdit : public QObject {
    Q_OBJECT

public:
    FieldEdit(QLineEdit *edit, const FieldRef &ref, EditorContext *context);

    QLineEdit *edit() const { return lineEdit; }
    const FieldRef &ref() const { return reference; }
    // Whether the field shows typed text the document could not take.
    bool holdsUnstoredText() const { return unstored; }

    // Shows the document's value and its marking; forced, typed text gives
    // way as well.
    void show(bool force = false);

protected:
    // Leaves the undo keys to the window: the document's steps, not the
    // field's own text history, are what they take back.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void typed(const QString &text);
    QString documentValue() const;
    void store(const QString &value);
    void markVerdict();

    QLineEdit *lineEdit;
    const FieldRef reference;
    EditorContext *context;

    QString shownText;  // the text the field last showed of the document
    QString shownValue; // the value it showed
    // The document's value when the user last typed: while it holds it,
    // the typed text stays.
    QString heldValue;
    bool holdsTyped = false;
    bool unstored = false; // the typed text could not be stored
    bool storing = false;
};

#endif
