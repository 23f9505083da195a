#ifndef TARVEO_EDITOR_FIELDGROUP_H
#define TARVEO_EDITOR_FIELDGROUP_H

#include "model/fields.h"

#include <QVector>

class EditorContext;
class FieldEdit;
class QLabel;
class QLineEdit;

// The fields of one part of the window, each a FieldEdit, with the labels
// that name their units.
class FieldGroup {
public:
    void setContext(EditorContext *editorContext) { context = editorContext; }

    // Binds the edit to the value and gives it the validator of its field;
    // label, if any, shows the unit of the field's kind.
    FieldEdit *add(QLineEdit *edit, const FieldRef &ref, QLabel *label = nullptr);

    void show(bool force);
    void clear();
    void showUnits();
    // Focuses the field of the value; false when the group has none.
    bool focus(const FieldRef &ref);
    bool holdsUnstoredText() const;

private:
    struct Labelled {
        QLabel *label;
        Fields::Kind kind;
    };
    EditorContext *context = nullptr;
    QVector<FieldEdit *> edits;
    QVector<Labelled> labels;
};

#endif
