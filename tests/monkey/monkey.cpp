// A randomized editing session: drives the real window headless with random
// user actions and checks, after every save, that the file reads back as the
// text that was written and that no subclass the session never displayed has
// changed. A failure names its seed, so that it replays:
//   tarveo-monkey [--seed N] [--seconds S | --actions N] FILE...
#include "common/modalscript.h"
#include "common/testsupport.h"
#include "model/numbers.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
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
        : random(seed), seed(seed), openable(dataFiles),
          answerer({}, [this](QWidget *modal) { answerModal(modal); }) {
        // Every entry made current is displayed, however briefly.
        auto *list = find<QComboBox>("comboBoxSubclasses");
        connect(
            list, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this, list](int i) {
                displayed.insert(Numbers::asUnsigned(list->itemText(i).mid(EntryPrefix.size())));
            });
        window.show();
    }

    // Runs until the time or the number of actions is used up; false on a failure.
    bool run(qint64 milliseconds, int actions) {
        QElapsedTimer clock;
        clock.start();
        while ((milliseconds > 0 && clock.elapsed() < milliseconds) ||
               (actions > 0 && done < actions)) {
            act();
            ++done;
            if (!failure.isEmpty()) {
                std::fprintf(stderr,
                             "monkey: FAILED after %d actions: %s\n  last actions: %s\n"
                             "  replay: tarveo-monkey --seed %u --actions %d\n",
                             done, qPrintable(failure), qPrintable(log.join(" | ")), seed, done);
                return false;
            }
        }
        std::printf("monkey: seed %u, %d actions, %d saves checked\n", seed, done, saves);
        return true;
    }

private:
    static constexpr int LogLength = 12;
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
        const int roll = pick(12);
        if (roll < 4)
            typeSomewhere();
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
            trigger(chance(80) ? "actionSave" : "actionNew");
        else
            trigger(chance(90) ? "actionOpen" : "close");
        noteDisplayed();
        failure = changedUndisplayed(conf(), snapshot, displayed);
        checkSaves();
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
                QMetaObject::invokeMethod(
                    invalid, "activated",
                    Q_ARG(QString, invalid->itemText(pick(invalid->count()))));
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
        if (number->styleSheet() == QStringLiteral("QLineEdit {background-color: lime}"))
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
            promptSaving = box->standardButton(button) == QMessageBox::Save;
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
            // question about unsaved changes, writes the one on display.
            const bool fresh = command_ == "actionNew" && !promptSaving;
            replaced = replaced || fresh;
            promptSaving = false;
            pending.append({path, fresh ? QString() : conf().to_string(), snapshot, displayed});
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
        QString documentText; // empty for New, which writes a fresh document
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
            const QString text = QString::fromUtf8(bytes);
            const Conf back(save.path, nullptr);
            if (back.to_string() != text)
                failure = save.path + " does not read back as written";
            else if (!save.documentText.isEmpty() && text != save.documentText)
                failure = save.path + " is not the document that was saved";
            if (!save.documentText.isEmpty() && failure.isEmpty())
                failure = changedUndisplayed(back, save.snapshot, save.displayed);
        }
        pending.clear();
    }

    Tarveo window;
    QRandomGenerator random;
    quint32 seed;
    QStringList openable;
    QStringList saved;
    QTemporaryDir dir;
    ModalScript answerer;
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
    return passed ? 0 : 1;
}
