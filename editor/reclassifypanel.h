#ifndef TARVEO_EDITOR_RECLASSIFYPANEL_H
#define TARVEO_EDITOR_RECLASSIFYPANEL_H

#include "editor/fieldgroup.h"
#include "model/fields.h"

#include <QGroupBox>

class EditorContext;

namespace Ui {
class ReclassifyPanel;
}

// The rules for reclassifying the displayed subclass up or down by gross
// weight.
class ReclassifyPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit ReclassifyPanel(QWidget *parent = nullptr);
    ~ReclassifyPanel() override;

    void attach(EditorContext *context);
    void showSubclass(bool force);
    void showUnits();
    void clear();
    bool focusField(const FieldRef &ref);

private:
    Ui::ReclassifyPanel *ui;
    FieldGroup fields;
};

#endif
