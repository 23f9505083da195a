#ifndef TARVEO_EDITOR_TARVEO_H
#define TARVEO_EDITOR_TARVEO_H

#include "model/conf.h"
#include "report/report.h"

#include <QMainWindow>
#include <QString>

class ConfDocument;
class EditorContext;
class MeasurementUnits;
class OverviewDock;
class RecentFiles;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;

namespace Ui {
class Tarveo;
}

// The editor's main window: a view of one ConfDocument, made of panels that
// each show a part of it and send the user's edits to it. The window holds
// the File, Options and Help commands and what the panels share.
class Tarveo : public QMainWindow {
    Q_OBJECT

public:
    explicit Tarveo(QWidget *parent = nullptr);
    ~Tarveo() override;

    // Opens the file as File > Open does once the user has chosen it:
    // replaces the document when the file can be read, and says why not or
    // what was left unread.
    void openFile(const QString &path);
    // The document as it stands, for callers that only read it.
    const Conf &document() const;

public slots:
    // Takes back the units and the window's shape of the last run. A window
    // starts in tonnes and metres; the program calls this once it is made.
    void restoreSettings();

protected:
    // Asks before unsaved changes are lost; remembers the window's shape.
    void closeEvent(QCloseEvent *event) override;
    // A file dropped on the window opens as File > Open would open it.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    // The commands the menus and buttons run; outside checks run them by
    // these names.
    void menuNewClicked();
    void menuOpenClicked();
    void menuSaveClicked();
    void menuSaveAsClicked();
    void menuExportReportClicked();
    void menuPrintClicked();
    void menuAboutClicked();
    void menuUpdateClicked();
    void menuConfigurationClicked();
    // The choice of the units dialog.
    void receiveUnits(uchar weight, uchar length, float g);

private:
    friend struct TarveoTestAccess; // the tests' one way to the window's inside

    void createActions();
    // Opens a file of the recent list; one that is gone is said so and
    // leaves the list.
    void openRecent(const QString &path);
    void setTabOrder();
    // The overview beside the form, shown where the screen has room for both.
    void createOverview();
    // Every part shows the document; forced, typed text gives way as well.
    void showDocument(bool force);
    // Draws the subclass on display; only its own values change the drawing.
    void drawVehicle();
    // Shows the units in every label and field.
    void showUnits();
    // The g of tonnes follows the document's: its valid value, or standard
    // gravity without one.
    void takeDocumentG();
    // An undo or redo: the value it changed comes into view.
    void showStep(bool inHeader, quint32 number, const FieldRef &ref);
    void setSubclassPartsVisible(bool visible);
    void showTitle(const QString &filePath);

    // --- the report (reportcommands.cpp) ---
    // How the report shows the document as it stands in the window.
    ReportOptions reportOptions() const;

    // --- file commands (filecommands.cpp) ---
    // The checks Save makes before writing, with their boxes; true when
    // saving may go on.
    bool saveChecksPass();
    // Writes the document to path; a failure is shown in a warning box.
    bool writeDocument(const Conf &document, const QString &path);
    // Save: to the file the document came from or was last written to,
    // asking for a name only when there is none; true when it was written.
    bool saveDocument();
    // Save As: always asks for the name.
    bool saveDocumentAs();
    // Writes the document to path after the checks of Save; false when
    // refused or not written.
    bool saveTo(const QString &path);
    // Asks before a file the document does not hold whole is written over;
    // true to go on.
    bool confirmOverwriteOfPartlyHeld(const QString &path);
    // Offers to save unsaved changes; false when the user cancels, or chose
    // Save and the file was not written. Only subclass changes count for New,
    // which carries the header into the new file.
    enum class UnsavedScope { Document, Subclasses };
    bool maybeSave(UnsavedScope scope);
    // The field a value of the document is shown in, in the user's words.
    QString describeValue(const Conf::UnwritableValue &value) const;

    Ui::Tarveo *ui;
    ConfDocument *confDocument;
    EditorContext *context;
    MeasurementUnits *unitsDialog = nullptr; // the most recent units dialog
    RecentFiles *recentFiles;
    OverviewDock *overview;
};

#endif
