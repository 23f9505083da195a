#ifndef TARVEO_EDITOR_HEADERPANEL_H
#define TARVEO_EDITOR_HEADERPANEL_H

#include "editor/fieldgroup.h"
#include "model/fields.h"

#include <QGroupBox>

class EditorContext;
class QPushButton;

namespace Ui {
class HeaderPanel;
}

// The [classes] header: nine fields and the gravitational constant.
class HeaderPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit HeaderPanel(QWidget *parent = nullptr);
    ~HeaderPanel() override;

    void attach(EditorContext *context);
    // Shows every value with its marking; forced, typed text gives way too.
    void showDocument(bool force);
    // The label suffixes of the displayed units.
    void showUnits();
    void showG(const QString &text);
    // Whether a field shows text the document could not take.
    bool holdsUnstoredText() const;
    // Focuses the field of the value; false when it is none of the header's.
    bool focusField(Fields::Id id);

signals:
    // The gravitational constant was clicked: the units dialog opens.
    void unitsRequested();

private:
    Ui::HeaderPanel *ui;
    FieldGroup fields;
};

#endif
