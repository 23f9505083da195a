#ifndef TARVEO_EDITOR_EDITORCONTEXT_H
#define TARVEO_EDITOR_EDITORCONTEXT_H

#include "document/confdocument.h"
#include "units/displayunits.h"

#include <QObject>
#include <optional>

// What every part of the window works with: the document, the units the
// window shows, and the subclass on display.
class EditorContext : public QObject {
    Q_OBJECT

public:
    EditorContext(ConfDocument *document, QObject *parent)
        : QObject(parent), confDocument(document) {}

    ConfDocument *document() const { return confDocument; }
    const Conf &conf() const { return confDocument->conf(); }
    DisplayUnits &units() { return displayUnits; }
    const DisplayUnits &units() const { return displayUnits; }

    // The subclass on display: none while the number field names no listed
    // subclass, when nothing may read or change one.
    std::optional<quint32> current() const {
        if (shown && confDocument->conf().has_subclass(*shown))
            return shown;
        return std::nullopt;
    }
    const Subclass *currentSubclass() const {
        const std::optional<quint32> number = current();
        return number ? &confDocument->conf().get_subclass(*number) : nullptr;
    }
    // Shows the subclass (every field shows the document afresh), or none.
    void setCurrent(std::optional<quint32> number) {
        shown = number;
        emit currentChanged();
    }

signals:
    void currentChanged();

private:
    ConfDocument *confDocument;
    DisplayUnits displayUnits;
    std::optional<quint32> shown;
};

#endif
