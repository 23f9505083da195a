#ifndef TARVEO_TESTS_MODALSCRIPT_H
#define TARVEO_TESTS_MODALSCRIPT_H

#include <QtWidgets>
#include <deque>
#include <functional>

// The tests' one way to answer modal dialogs: every dialog that opens while
// a script lives is answered in order and recorded, "box: <title>\n<text>"
// for a message box and "dialog: <caption>" for a file dialog. A box takes
// the next answer as the text of its button ("Yes", "Save", "OK"); a file
// dialog the next answer as the path typed into it (an empty answer
// cancels). Any other dialog, or a box or dialog once the answers are used
// up, goes to the handler when there is one, or is closed. Answers are
// given from the event loop, not from within the one that noticed the
// dialog, so a box that opens while an answer is taken (saving over a file
// asks "already exists, replace?") is answered too.
class ModalScript {
public:
    using Handler = std::function<void(QWidget *)>;

    explicit ModalScript(const QStringList &answers = {}, Handler handler = {})
        : answers(answers.begin(), answers.end()), handler(std::move(handler)) {
        QObject::connect(&timer, &QTimer::timeout, [this]() { poll(); });
        timer.start(PollMs);
    }

    const QStringList &shown() const { return events; }
    QStringList boxTitles() const {
        static const QString boxPrefix = QStringLiteral("box: ");
        QStringList titles;
        for (const QString &event : events)
            if (event.startsWith(boxPrefix))
                titles << event.mid(boxPrefix.size()).section(QLatin1Char('\n'), 0, 0);
        return titles;
    }

private:
    static constexpr int PollMs = 5;
    static constexpr int StuckMs = 2000;

    void poll() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        // A dialog answered before is still taking its answer (a file
        // dialog comes back on top when its replace question is answered).
        if (answered.contains(modal)) {
            // An answer the dialog did not take: close it rather than hang.
            if (++pollsSinceAnswer * PollMs > StuckMs) {
                events << QStringLiteral("stuck: ") + modal->windowTitle();
                modal->close();
            }
            return;
        }
        answered << modal;
        pollsSinceAnswer = 0;
        QPointer<QWidget> dialog(modal);
        const QString answer = record(modal);
        QTimer::singleShot(0, [this, dialog, answer]() {
            if (dialog)
                respond(dialog, answer);
        });
    }

    // Notes what was shown and takes its answer from the script, if any.
    QString record(QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            events << QStringLiteral("box: ") + box->windowTitle() + '\n' + box->text();
        else if (qobject_cast<QFileDialog *>(modal))
            events << QStringLiteral("dialog: ") + modal->windowTitle();
        else
            return QString(); // not scripted: the handler's, or closed
        if (answers.empty())
            return QString();
        const QString answer = answers.front();
        answers.pop_front();
        return answer.isEmpty() ? QStringLiteral("\n") : answer; // "\n": cancel
    }

    void respond(QWidget *modal, const QString &answer) {
        if (answer.isEmpty() && handler) {
            handler(modal);
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            for (QAbstractButton *button : box->buttons())
                if (button->text().remove(QLatin1Char('&')) == answer)
                    return button->click();
            if (QAbstractButton *escape = box->escapeButton())
                escape->click();
            else
                box->reject();
        } else if (auto *files = qobject_cast<QFileDialog *>(modal);
                   files && answer != "\n" && !answer.isEmpty()) {
            // Typed into the name field as a user would. An entry the file
            // list selected meanwhile (it loads in the background) would win
            // over the typed name, so the selection is cleared first.
            auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            auto *list = files->findChild<QAbstractItemView *>(QStringLiteral("listView"));
            list->clearSelection();
            name->setText(answer);
            QMetaObject::invokeMethod(files, "accept");
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }

    QTimer timer;
    std::deque<QString> answers;
    Handler handler;
    QStringList events;
    QList<QPointer<QWidget>> answered;
    int pollsSinceAnswer = 0;
};

#endif
