#ifndef TARVEO_EDITOR_TARVEO_H
#define TARVEO_EDITOR_TARVEO_H

#include "editor/judgements.h"
#include "model/conf.h"
#include "units/units.h"

#include <QMainWindow>
#include <QString>

class QCloseEvent;
class QFrame;
class QLabel;
class QLineEdit;
class MeasurementUnits;
class SubclassList;

namespace Ui {
class Tarveo;
}

// The editor's main window. It owns the document and the units state; its
// behaviours are split over the files of editor/ by concern.
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
    const Conf &document() const { return conf; }

protected:
    // Asks before unsaved changes are lost.
    void closeEvent(QCloseEvent *event) override;

private slots:
    // The order of these slots is the order of the class's method table.
    void menuNewClicked();
    void menuOpenClicked();
    void menuSaveClicked();
    void menuAboutClicked();
    void menuUpdateClicked();
    void menuConfigurationClicked();
    void on_comboBoxSubclasses_currentIndexChanged(QString arg1);
    void on_lineEditSubclass_textChanged(QString arg1);
    void on_lineEditNumOfAxles_textChanged(QString arg1);
    void on_buttonAddConstraint_clicked();
    void on_comboBoxInvalid_activated(QString arg1);
    void on_buttonSubclass_clicked();
    void on_buttonCopy_clicked();
    void on_lineEditCopy_textEdited(QString arg1);
    void textChanged(QString text);
    void receiveUnits(uchar weight, uchar length, float g);
    void on_comboBoxAddConstraint_currentTextChanged(QString selected_constraint);

private:
    friend struct TarveoTestAccess; // the tests' one way to the window's inside

    // Which way a constraint value is converted.
    enum class Direction { ToDisplay, ToDocument };

    // --- units and conversion (unitsdisplay.cpp) ---
    double fileToDisplay(const QString &text, bool isWeight) const;
    QString displayToFileText(const QString &text, bool isWeight) const;
    QString editToFileText(const QLineEdit *edit, bool isWeight) const;
    QString formatSum(double value, bool isWeight) const;
    // Whether typed text is a number too large for the document's units.
    bool isTooLarge(const QString &text, bool isWeight) const;
    // Marks a converted field red when its number is too large to be stored.
    // Returns whether it was.
    bool markTooLarge(QLineEdit *edit, bool isWeight);
    // Takes that marking off a field that has no check of its own.
    void clearTooLarge(QLineEdit *edit);
    void setConvertedText(QLineEdit *edit, const QString &text, bool isWeight, bool valid);
    void setConvertedMaxAxleDistText(QLineEdit *edit, const QString &text, bool isWeight,
                                     int state);
    void setUnitSuffix(QLabel *label, const QString &suffix);
    void applyUnits();
    void fillHeader();
    void copyHeaderToConf();

    // --- field marking (fieldmarking.cpp) ---
    void setFieldState(QLineEdit *edit, bool valid, const QString &toolTip);
    void setMaxAxleDistanceState(QLineEdit *edit, int state);
    // Puts a value into a field with its start in view: the narrow axle and
    // constraint fields would otherwise show only the end ("1.73" of 11.73).
    static void showText(QLineEdit *edit, const QString &text);
    void updateInvalidEntry(const Subclass &subclass);
    void refreshInvalidList();
    bool isValidFloat(const QString &text) const;
    bool isValidInt(const QString &text) const;

    // --- axle rows (axlerows.cpp) ---
    void setUpRowEdit(QLineEdit *edit, bool real, const QString &helpText, const QString &name);
    void createAxleRow(Subclass &subclass, int k);
    void showAxleRow(Subclass &subclass, int k);
    void removeAxleRow(Subclass &subclass, int k);
    void resetAxleRows();
    void validateAxleRow(const Subclass &subclass, int k);
    QLineEdit *lineEditAt(QFrame *frame, int position);
    // Fills the rows of the first n axles from the subclass when it is displayed.
    void fillAxleRows(const Subclass &subclass, int n);
    // Shows the rows of n axles (creating any missing) and hides the others,
    // when a subclass is displayed.
    void showAxleRowsFor(Subclass &subclass, int n);
    // The axles the rows show: the count field, but never more rows than
    // the largest real vehicle has.
    int displayedAxles() const;
    // The textChanged branch for an edit of one of the four per-axle rows;
    // index is the edit's layout position minus 1.
    void axleRowEdited(QLineEdit *sender, QFrame *frame, int index, Subclass &subclass);

    // --- constraint editor (constrainteditor.cpp) ---
    QString convertTotalDistance(const QString &text, Direction direction);
    QString convertDistanceConstraint(const QString &text, Direction direction);
    QString convertTotalWeight(const QString &text, Direction direction);
    QString convertWeightConstraint(const QString &text, Direction direction);
    void showConstraint(QLineEdit *edit, const QString &text, bool valid, const QString &kind);
    QLineEdit *setUpConstraintEdit(const QString &kind, const QString &name);
    // Creates, shows, fills or hides the constraint rows of all three kinds
    // for the displayed subclass.
    void showConstraintRows(const Subclass &subclass);
    // The textChanged branch for an edit of a constraint row.
    void constraintRowEdited(QLineEdit *sender, QFrame *frame, int index, Subclass &subclass);

    // --- vehicle views (vehicleviews.cpp) ---
    void redrawVehicle(const Subclass &subclass);
    void clearVehicleDrawings();

    // --- window construction and navigation (tarveo.cpp) ---
    void clearAndHideSubclassPanel();
    void previousSubclass();
    void nextSubclass();

    // --- file commands after their file dialogs (filecommands.cpp) ---
    // The checks Save makes before asking for a file name, with their boxes;
    // true when saving may go on.
    bool saveChecksPass();


    // The five per-axle rows and the three constraint kinds, as data that one
    // piece of code walks (axlerows.cpp, constrainteditor.cpp).
    struct AxleRow;
    struct ConstraintKind;
    struct ConstraintText;
    // Hides the widgets of axle row k (distance k, axle k+1) and empties them.
    void hideAxleRowWidgets(int k);
    // Shows the three sums of the subclass's per-axle lists.
    void showAxleSums(const Subclass &subclass);
    // Creates, fills, shows or hides the rows of one constraint kind.
    void showConstraintKindRows(const ConstraintKind &kind, const Subclass &subclass);

    // The displayed subclass (number in lineEditSubclass), or null when the
    // document holds no such subclass.
    Subclass *currentSubclass();

    // --- header field handlers (headerhandlers.cpp) ---
    void connectHeaderHandlers();

    // --- construction steps (tarveo.cpp) ---
    void installValidators();
    void createShortcuts();
    void createFirstAxleWidgets();
    // Re-marks the per-axle distance edits of the displayed subclass against
    // the header bound just typed, then rebuilds the invalid list.
    void remarkAxleDistances(const QString &headerText, bool upperBound);

    // --- the generic subclass-field handler's branches (subclassfields.cpp) ---
    // Stores an edit of one of the named subclass fields; false when the
    // sender is none of them.
    bool storeNamedField(QObject *origin, const QString &text, Subclass &subclass);
    // Hands an edit of a run-time row widget to its row's branch; false when
    // the sender cannot be placed and nothing more may run.
    bool storeRowField(QObject *origin, Subclass &subclass);

    // --- invalid list (fieldmarking.cpp) ---
    // Shows the invalid list with its label while it has entries, hides it
    // otherwise.
    void showInvalidListState();
    // The state of the header's maximum axle distance check.
    int maxAxleDistanceState();

    // --- file commands (filecommands.cpp) ---
    // Writes the document to path; a failure is shown in a warning box.
    bool writeDocument(const Conf &document, const QString &path);
    // The Save command; true when the file was written.
    bool saveDocument();
    // What a command would discard of the document.
    enum class UnsavedScope { Document, Subclasses };
    // Whether Save would write other text than was last opened, created or
    // saved, in the part of the document the scope names.
    bool isModified(UnsavedScope scope) const;
    // Offers to save unsaved changes; false when the user cancels, or chose
    // Save and the file was not written.
    bool maybeSave(UnsavedScope scope);
    // The field a value of the document is shown in, in the user's words.
    QString describeValue(const Conf::UnwritableValue &value) const;

    Ui::Tarveo *ui;
    const QString styleValid;
    const QString styleInvalid;
    QString titleBase;
    QString aboutVersion;
    QFrame *currentConstraintFrame = nullptr;
    const QString textOriginal;
    const QString textDistance;
    const QString textWeight;
    const QString tipMaxAxleDist;
    const QString tipMinAxleDist;
    const QString tipRealValue;
    const QString tipAxleSelect;
    const QString tipTyreType;
    const QString tipRemoveConstraint;
    const QString tipCountry;
    const QString tipSubclassMissing;
    const QString tipCopyExists;
    const QString tipAxleConf;
    const QString tipNumOfAxles;
    const QString tipMaxDistRange;
    const QString tipMinDistRange;
    const QString tipCombinedWeight;
    const QString tipTyreRange;
    const QString tipReclassTarget;
    const QString tipConsultRefman;
    const QString tipTooLarge;
    const QString textSubclassesValid;
    const QString textInvalidSubclasses;
    Conf conf;
    Conf savedDocument;    // as last opened, created or saved
    Judgements judgements; // of every subclass of conf
    SubclassList *subclassEntries;
    SubclassList *invalidEntries;
    float weightFactor;
    float lengthFactor;
    uchar weightUnit;
    uchar lengthUnit;
    qint32 constraintRowsDefault;
    qint32 constraintRowsAdsl;
    qint32 constraintRowsAwsl;
    MeasurementUnits *unitsDialog = nullptr; // the most recent units dialog
};

#endif
