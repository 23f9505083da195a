// A randomized editing session: drives the real window headless with random
// user actions. After every action each field on display shows the
// document's value (or the text just typed, where that is what was stored)
// with the model's marking, no subclass the session never displayed has
// changed, and a document without unsaved changes reads back from its file
// as it stands; after every save the file reads back as the text written.
// Now and then, and at the end, every step is undone, which must give the
// text that was opened, and redone, which must give it back. A failure names
// its seed, so that it replays:
//   tarveo-monkey [--seed N] [--seconds S | --actions N] FILE...
#include "common/modalscript.h"
#include "common/testsupport.h"
#include "editor/fieldedit.h"
#include "editor/fieldmarking.h"
#include "model/numbers.h"

#include <QtTest>
#include <QtWidgets>
#include <cstdio>

namespace {

const QByteArray Unwritten = "#not written by the session\n";
const QString EntryPrefix = QStringLiteral("subclass_");

// Pieces of text a user might type, valid and not.
const QStringList Pieces =
    QStringLiteral("0|1|2|3|5|12|2.5|-3|3e38|1e39|1e9|99999999999|2000000000| "
                   "|\"|=|;|,|+|:|Šž€|@x|%41|\\|1+2,150|2+3:1.5,2|"
                   "2+3:100,5;180,6|10,20|50,3;400,7|1+2,")
        .split(QLatin1Char('|'));

class Monkey : public QObject {
public:
    Monkey(quint32 seed, const QStringList &dataFiles)
        : random(seed), seed(seed), answerer({}, [this](QWidget *modal) { answerModal(modal); }) {
        // Save writes back to the file that was opened: the session works on
        // copies of its files.
        for (const QString &file : dataFiles) {
            const QString copy = dir.filePath(QFileInfo(file).fileName());
            if (!QFile::copy(file, copy))
                failure = "cannot copy " + file;
            openable << copy;
        }
        openedText = conf().to_string();
        ConfDocument &document = TarveoTestAccess::document(window);
        connect(&document, &ConfDocument::documentReplaced, this, [this] {
            replaced = true;
            documentShown = true;
            openedText = conf().to_string();
        });
        // Every entry made current is displayed, however briefly.
        auto *list = find<QComboBox>("comboBoxSubclasses");
        connect(
            list, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this, list](int i) {
                displayed.insert(Numbers::asUnsigned(list->itemText(i).mid(EntryPrefix.size())));
            });
        window.show();
        find<QAction>("actionOverview")->trigger(); // narrow screens start without it
    }

    // Runs until the time or the number of actions is used up; false on a failure.
    bool run(qint64 milliseconds, int actions) {
        QElapsedTimer clock;
        clock.start();
        while (failure.isEmpty() && ((milliseconds > 0 && clock.elapsed() < milliseconds) ||
                                     (actions > 0 && done < actions))) {
            act();
            ++done;
        }
        if (failure.isEmpty())
            undoAll(); // at the end too
        if (!failure.isEmpty()) {
            std::fprintf(stderr,
                         "monkey: FAILED after %d actions: %s\n  last actions: %s\n"
                         "  replay: tarveo-monkey --seed %u --actions %d\n",
                         done, qPrintable(failure), qPrintable(log.join(" | ")), seed, done);
            return false;
        }
        std::printf("monkey: seed %u, %d actions, %d saves checked, %d fields checked, %d steps "
                    "undone\n",
                    seed, done, saves, fieldsChecked, stepsUndone);
        return true;
    }

private:
    static constexpr int LogLength = 12;
    // Every so many actions all steps are undone and redone.
    static constexpr int UndoAllEvery = 97;
    static constexpr ushort FirstNonAscii = 0x80;

    int pick(int count) { return int(random.bounded(count)); }
    bool chance(int percent) { return pick(100) < percent; }
    template <typename T = QWidget> T *find(const QString &name) {
        return window.findChild<T *>(name);
    }
    const Conf &conf() { return TarveoTestAccess::conf(window); }

    void note(const QString &action) {
        log << action;
        if (log.size() > LogLength)
            log.removeFirst();
    }

    void act() {
        noteDisplayed();
        command_.clear();
        promptSaving = false;
        // Typing is the commonest action, then saving and opening.
        const int roll = pick(14);
        if (roll < 4)
            typeSomewhere();
        else if (roll == 12)
            trigger(chance(60) ? "actionUndo" : "actionRedo");
        else if (roll == 13)
            useOverview();
        else if (roll == 4)
            chooseSubclass();
        else if (roll == 5)
            createDeleteOrCopy();
        else if (roll == 6)
            addConstraint();
        else if (roll == 7)
            retype(find<QLineEdit>("lineEditNumOfAxles"), QString::number(pick(8)));
        else if (roll == 8)
            trigger("actionConfiguration");
        else if (roll < 11)
            trigger(chance(70) ? "actionSave" : chance(50) ? "actionSaveAs" : "actionNew");
        else
            trigger(chance(90) ? "actionOpen" : "close");
        noteDisplayed();
        failure = changedUndisplayed(conf(), snapshot, displayed);
        checkSaves();
        if (failure.isEmpty())
            failure = cleanReadsBack();
        if (failure.isEmpty())
            failure = panelShowsDocument();
        if (failure.isEmpty())
            failure = overviewFollows();
        if (failure.isEmpty() && done % UndoAllEvery == UndoAllEvery - 1)
            undoAll();
    }

    // Undoes every step, which must give the text the document was opened
    // or created with, then redoes them all, which must give back the text
    // before.
    void undoAll() {
        QUndoStack *steps = TarveoTestAccess::document(window).undoStack();
        const QString before = conf().to_string();
        const int index = steps->index();
        steps->setIndex(0);
        stepsUndone += index;
        if (conf().to_string() != openedText) {
            failure = QStringLiteral("undoing %1 steps does not give the opened text").arg(index);
            return;
        }
        // Steps the user had undone stay undone.
        steps->setIndex(index);
        if (conf().to_string() != before)
            failure = QStringLiteral("redoing %1 steps does not give the text back").arg(index);
        else
            failure = panelShowsDocument();
    }

    // A document without unsaved changes is what its file reads as.
    QString cleanReadsBack() {
        ConfDocument &document = TarveoTestAccess::document(window);
        const QString path = document.filePath();
        if (document.isModified() || path.isEmpty())
            return QString();
        if (Conf(path, nullptr).to_string() != conf().to_string())
            return path + " does not read as the document that has no unsaved changes";
        return QString();
    }

    // Every field on display shows the document's value in the window's
    // units, or text typed that stored it (or that was too large to store),
    // and carries the model's marking.
    QString panelShowsDocument() {
        auto *number = find<QLineEdit>("lineEditSubclass");
        const bool subclassShown = number->styleSheet() == FieldMarking::StyleValid &&
                                   conf().has_subclass(Numbers::asUnsigned(number->text()));
        ConfDocument &document = TarveoTestAccess::document(window);
        const DisplayUnits &units = TarveoTestAccess::units(window);
        for (const FieldEdit *field : window.findChildren<FieldEdit *>()) {
            const QLineEdit *edit = field->edit();
            const FieldRef &ref = field->ref();
            const Fields::Field &described = Fields::field(ref.id);
            const bool inHeader = described.scope == Fields::Scope::Header;
            // Until a file is opened or created the header shows the form's
            // own colours.
            if (!edit->isVisible() || (inHeader ? !documentShown : !subclassShown))
                continue;
            ++fieldsChecked;
            const quint32 shown = Numbers::asUnsigned(number->text());
            const QString value = inHeader ? conf().get_header_value(ref.id)
                                           : conf().get_subclass(shown).get_value(ref);
            const QString name = edit->objectName();
            if (field->holdsUnstoredText()) {
                if (edit->styleSheet() != FieldMarking::StyleInvalid)
                    return name + " holds text it could not store, yet is not red";
                continue;
            }
            if (edit->text() != units.toDisplay(described.kind, value) &&
                storedAs(ref, edit->text(), shown) != value)
                return QStringLiteral("%1 shows \"%2\" for the document's \"%3\"")
                    .arg(name, edit->text(), value);
            const Verdict verdict =
                inHeader ? document.headerVerdict(ref.id) : document.verdict(shown, ref);
            const QString style = verdict.state == Verdict::State::Valid ? FieldMarking::StyleValid
                                  : verdict.state == Verdict::State::Warning
                                      ? FieldMarking::StyleWarning
                                      : FieldMarking::StyleInvalid;
            if (edit->styleSheet() != style)
                return name + " is not marked as the model judges \"" + value + '"';
        }
        return QString();
    }

    // What the document holds once the text typed into the field is stored.
    QString storedAs(const FieldRef &ref, const QString &text, quint32 shown) {
        const Fields::Field &described = Fields::field(ref.id);
        const QString value = TarveoTestAccess::units(window).toDocument(described, text).value;
        if (described.scope == Fields::Scope::Header) {
            Conf stored;
            stored.set_header_value(ref.id, value);
            return stored.get_header_value(ref.id);
        }
        Subclass stored = conf().get_subclass(shown);
        stored.set_value(ref, value);
        return stored.get_value(ref);
    }

    // No subclass the session never displayed may differ from what was opened.
    static QString changedUndisplayed(const Conf &document, const QMap<quint32, QString> &opened,
                                      const QSet<quint32> &shown) {
        for (auto it = opened.cbegin(); it != opened.cend(); ++it)
            if (!shown.contains(it.key()) &&
                (!document.has_subclass(it.key()) ||
                 document.get_subclass(it.key()).to_string() != it.value()))
                return QStringLiteral("subclass %1 changed without being displayed").arg(it.key());
        return QString();
    }

    QString randomText() {
        QString text;
        for (int n = 1 + pick(3); n > 0; --n)
            text += Pieces.at(pick(Pieces.size()));
        return text;
    }

    void retype(QLineEdit *edit, const QString &text) {
        if (!edit || !edit->isVisible() || !edit->isEnabled())
            return;
        note(edit->objectName() + "<" + text);
        if (chance(70))
            edit->selectAll();
        else
            edit->setCursorPosition(pick(edit->text().size() + 1));
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        // Key by key, as typed; a character beyond ASCII comes with no key code.
        for (const QChar c : text) {
            if (c.unicode() < FirstNonAscii)
                QTest::keyClick(edit, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }

    void typeSomewhere() {
        QList<QLineEdit *> edits;
        for (QLineEdit *edit : window.findChildren<QLineEdit *>())
            if (edit->isVisible() && edit->isEnabled() && edit->objectName() != "lineEditSubclass")
                edits << edit;
        if (!edits.isEmpty())
            retype(edits.at(pick(edits.size())), chance(10) ? QString() : randomText());
    }

    void chooseSubclass() {
        auto *list = find<QComboBox>("comboBoxSubclasses");
        auto *invalid = find<QComboBox>("comboBoxInvalid");
        switch (pick(4)) {
        case 0:
            if (list->count() > 0)
                list->setCurrentIndex(pick(list->count()));
            note("list");
            break;
        case 1:
            // A listed number, sometimes with a leading zero: red, yet it reads
            // as a subclass that exists.
            retype(find<QLineEdit>("lineEditSubclass"), list->count() > 0 && chance(70)
                                                            ? list->itemText(pick(list->count()))
                                                                  .mid(EntryPrefix.size())
                                                                  .prepend(chance(30) ? "0" : "")
                                                            : QString::number(pick(20)));
            break;
        case 2:
            if (invalid->isVisible() && invalid->count() > 0)
                emit invalid->activated(pick(invalid->count()));
            note("invalid list");
            break;
        default: {
            const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
            const Qt::Key key = keys[pick(4)];
            QTest::keyClick(&window, key,
                            key == Qt::Key_Left || key == Qt::Key_Right ? Qt::AltModifier
                                                                        : Qt::NoModifier);
            note("arrow");
        }
        }
    }

    // Filters, sorts, or picks a row of the overview by mouse or key.
    void useOverview() {
        auto *table = find<QTableView>("tableOverview");
        const int rows = table->model()->rowCount();
        switch (pick(4)) {
        case 0:
            retype(find<QLineEdit>("lineEditOverviewFilter"), chance(30) ? QStringLiteral("invalid")
                                                              : chance(50) ? QString()
                                                                           : randomText());
            break;
        case 1:
            table->sortByColumn(pick(table->model()->columnCount()),
                                chance(50) ? Qt::AscendingOrder : Qt::DescendingOrder);
            note("sort");
            break;
        case 2:
            if (rows > 0) {
                const QModelIndex index = table->model()->index(pick(rows), 0);
                table->scrollTo(index);
                QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                                  table->visualRect(index).center());
            }
            note("row");
            break;
        default: {
            const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
                                    Qt::Key_Return};
            table->setFocus();
            QTest::keyClick(table, keys[pick(std::size(keys))]);
            note("row key");
        }
        }
    }

    // The overview has a row per subclass, and the row of the subclass on
    // display, when it passes the filter, is the one selected.
    QString overviewFollows() {
        auto *table = find<QTableView>("tableOverview");
        auto *rows = qobject_cast<QSortFilterProxyModel *>(table->model());
        if (rows->sourceModel()->rowCount() != conf().get_subclass_numbers().size())
            return QStringLiteral("the overview has %1 rows for %2 subclasses")
                .arg(rows->sourceModel()->rowCount())
                .arg(conf().get_subclass_numbers().size());
        auto *number = find<QLineEdit>("lineEditSubclass");
        const bool shown = number->styleSheet() == FieldMarking::StyleValid;
        const QModelIndexList found = shown ? rows->match(rows->index(0, 0), Qt::DisplayRole,
                                                          number->text(), 1, Qt::MatchExactly)
                                            : QModelIndexList();
        const QModelIndexList selected = table->selectionModel()->selectedRows();
        if (found.isEmpty() ? !selected.isEmpty()
                            : selected.size() != 1 || selected.first().row() != found.first().row())
            return QStringLiteral("the overview does not select the row of subclass \"%1\"")
                .arg(shown ? number->text() : QString());
        return QString();
    }

    void click(const QString &name) {
        auto *button = find<QPushButton>(name);
        if (button && button->isVisible() && button->isEnabled()) {
            note("click " + name);
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }

    void createDeleteOrCopy() {
        if (chance(50)) {
            if (chance(60))
                retype(find<QLineEdit>("lineEditSubclass"), QString::number(pick(30)));
            click("buttonSubclass");
        } else {
            retype(find<QLineEdit>("lineEditCopy"), QString::number(pick(30)));
            click("buttonCopy");
        }
    }

    void addConstraint() {
        auto *selector = find<QComboBox>("comboBoxAddConstraint");
        if (!selector->isVisible())
            return;
        selector->setCurrentIndex(pick(selector->count()));
        for (QCheckBox *box : window.findChildren<QCheckBox *>())
            if (box->isVisible())
                box->setChecked(chance(40));
        for (const char *field :
             {"lineEditAddConstraint", "lineEditAddLowerConstraint", "lineEditAddUpperConstraint"})
            retype(find<QLineEdit>(field), randomText());
        click("buttonAddConstraint");
    }

    void trigger(const QString &command) {
        note(command);
        command_ = command;
        if (command == "close") {
            window.close();
            if (!window.isVisible()) // the user discarded, or saved
                window.show();
            return;
        }
        find<QAction>(command)->trigger();
    }

    // What the session saw on display; only those subclasses may change.
    void noteDisplayed() {
        auto *number = find<QLineEdit>("lineEditSubclass");
        if (number->styleSheet() == FieldMarking::StyleValid)
            displayed.insert(Numbers::asUnsigned(number->text()));
        if (replaced) {
            // A file was opened or created: a new document to watch.
            replaced = false;
            snapshot.clear();
            displayed.clear();
            for (quint32 n : conf().get_subclass_numbers())
                snapshot.insert(n, conf().get_subclass(n).to_string());
            noteDisplayed();
        }
    }

    void answerModal(QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            QList<QAbstractButton *> buttons = box->buttons();
            note("box " + box->windowTitle());
            // Replacing an existing file is what the session asked for.
            QAbstractButton *button = box->text().contains("already exists")
                                          ? box->button(QMessageBox::Yes)
                                          : buttons.at(pick(buttons.size()));
            // Save asks for a name only for a document without a file.
            promptSaving = box->standardButton(button) == QMessageBox::Save &&
                           TarveoTestAccess::document(window).filePath().isEmpty();
            button->click();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            answerFileDialog(dialog);
        } else if (auto *units = qobject_cast<QDialog *>(modal)) {
            const QList<QRadioButton *> radios = units->findChildren<QRadioButton *>();
            for (int n = pick(3); n > 0; --n)
                radios.at(pick(radios.size()))->setChecked(true);
            if (auto *g = units->findChild<QLineEdit *>("lineEditG");
                g && g->isEnabled() && chance(50))
                retype(g, chance(70) ? QStringLiteral("9.81") : randomText());
            auto *buttons = units->findChild<QDialogButtonBox *>();
            if (buttons && chance(80))
                buttons->button(QDialogButtonBox::Ok)->click();
            else
                units->reject();
        }
    }

    void answerFileDialog(QFileDialog *dialog) {
        QString path;
        if (chance(10)) {
            dialog->reject();
            return;
        }
        if (dialog->acceptMode() == QFileDialog::AcceptSave) {
            path = !saved.isEmpty() && chance(30)
                       ? saved.at(pick(saved.size()))
                       : dir.filePath(QStringLiteral("s%1.conf").arg(saves + pending.size()));
            QFile marker(path);
            if (!marker.open(QIODevice::WriteOnly) || marker.write(Unwritten) != Unwritten.size())
                failure = "cannot prepare " + path;
            marker.close();
            // New writes a document of its own; Save, also when asked for by the
            // question about unsaved changes, writes the one on display. That
            // Save asks for no name when the document has a file: New's own
            // question then finds the document saved.
            const bool fresh =
                command_ == "actionNew" && (!promptSaving || !window.isWindowModified());
            replaced = replaced || fresh;
            promptSaving = false;
            pending.append({path, fresh ? QByteArray() : conf().to_bytes(), snapshot, displayed});
        } else {
            const QStringList files = openable + saved;
            path = files.at(pick(files.size()));
            replaced = true;
        }
        note("file " + QFileInfo(path).fileName());
        auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
        auto *list = dialog->findChild<QAbstractItemView *>("listView");
        list->clearSelection();
        name->setText(path);
        // Later, not from here: accepting may open a box of its own ("already
        // exists, replace?"), which must find the answerer free.
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    }

    struct PendingSave {
        QString path;
        QByteArray documentBytes; // empty for New, which writes a fresh document
        QMap<quint32, QString> snapshot;
        QSet<quint32> displayed;
    };

    void checkSaves() {
        for (const PendingSave &save : qAsConst(pending)) {
            QFile file(save.path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = file.readAll();
            if (bytes == Unwritten)
                continue;
            ++saves;
            if (!saved.contains(save.path))
                saved << save.path;
            const Conf back(save.path, nullptr);
            if (back.to_bytes() != bytes)
                failure = save.path + " does not read back as written";
            else if (!save.documentBytes.isEmpty() && bytes != save.documentBytes)
                failure = save.path + " is not the document that was saved";
            if (!save.documentBytes.isEmpty() && failure.isEmpty())
                failure = changedUndisplayed(back, save.snapshot, save.displayed);
        }
        pending.clear();
    }

    Tarveo window;
    QRandomGenerator random;
    quint32 seed;
    QTemporaryDir dir;
    QStringList openable;
    QStringList saved;
    ModalScript answerer;
    QString openedText; // the document as it was opened or created
    bool documentShown = false;
    QString command_;
    bool promptSaving = false;
    QList<PendingSave> pending;
    QMap<quint32, QString> snapshot;
    QSet<quint32> displayed;
    bool replaced = true; // the document is new to the session
    QStringList log;
    QString failure;
    int done = 0;
    int saves = 0;
    int fieldsChecked = 0;
    int stepsUndone = 0;
};

void quiet(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    // Closing the window is one of the actions; the session goes on.
    app.setQuitOnLastWindowClosed(false);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption seedOption("seed", "Seed of the session (default: the time).", "N");
    const QCommandLineOption secondsOption("seconds", "Run this long.", "S");
    const QCommandLineOption actionsOption("actions", "Run this many actions.", "N");
    parser.addOptions({seedOption, secondsOption, actionsOption});
    parser.addPositionalArgument("FILE", "Files the session may open.", "FILE...");
    parser.process(app);
    // The window explains every keystroke in its log; the session only reports.
    qInstallMessageHandler(quiet);

    const quint32 seed = parser.isSet(seedOption) ? parser.value(seedOption).toUInt()
                                                  : quint32(QDateTime::currentMSecsSinceEpoch());
    std::printf("monkey: seed %u\n", seed);
    std::fflush(stdout);
    Monkey monkey(seed, parser.positionalArguments());
    const bool passed = monkey.run(parser.value(secondsOption).toLongLong() * 1000,
                                   parser.value(actionsOption).toInt());
    // The filter's clear button fades in and out; a fade still running when
    // the window goes is never freed, and the leak checker would say so.
    const int longerThanAFade = 500;
    QTest::qWait(longerThanAFade);
    return passed ? 0 : 1;
}
