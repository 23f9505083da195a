#ifndef TARVEO_EDITOR_SUBCLASSPANEL_H
#define TARVEO_EDITOR_SUBCLASSPANEL_H

#include "editor/fieldgroup.h"
#include "model/fields.h"

#include <QGroupBox>

class EditorContext;
class SubclassList;

namespace Ui {
class SubclassPanel;
}

// Which subclass is displayed and its single values: the subclass list, the
// number field with New and Delete, Copy, the list of invalid subclasses
// and the fields of the lower frame.
class SubclassPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit SubclassPanel(QWidget *parent = nullptr);
    ~SubclassPanel() override;

    void attach(EditorContext *context);

    // After Open: every subclass listed, the first displayed.
    void showDocument();
    // After New: nothing listed, only the number field to type into.
    void showEmptyDocument();
    // Shows the values of the displayed subclass; forced, typed text gives
    // way too.
    void showSubclass(bool force);
    void showUnits();
    // Displays the subclass as choosing it from the list would.
    void display(quint32 number);
    void previous();
    void next();
    bool focusField(const FieldRef &ref);
    // Whether the lower frame and the parts below the panel are in use.
    bool hasSubclasses() const;

signals:
    // The parts of the window that show a subclass become visible or not.
    void subclassPartsVisible(bool visible);

private:
    enum class NumberRole { New, Delete };

    void clearFields();
    void entryChosen(int row);
    void numberTyped(const QString &text);
    void setNumberRole(NumberRole role);
    void numberButtonClicked();
    void copyTargetEdited(const QString &text);
    void copyClicked();
    void invalidEntryActivated(int row);

    void subclassInserted(quint32 number);
    void subclassRemoved(quint32 number);
    void subclassChanged(quint32 number);
    void updateInvalidEntry(quint32 number);
    void refreshInvalidList();
    void showInvalidListState();

    Ui::SubclassPanel *ui;
    EditorContext *context = nullptr;
    SubclassList *subclassEntries;
    SubclassList *invalidEntries;
    FieldGroup fields;
    NumberRole numberRole = NumberRole::New;
    bool choosing = false; // an entry is being displayed
};

#endif
