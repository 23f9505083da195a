#ifndef TARVEO_TESTS_MODALSCRIPT_H
#define TARVEO_TESTS_MODALSCRIPT_H

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <deque>

// Answers every modal dialog that opens while it lives, in order, from a
// script, and records what was shown: "box: <title>\n<text>" for a message
// box, "dialog: <caption>" for a file dialog. A message box is answered by
// the next scripted button text ("Yes", "No", "OK"), a file dialog by the
// next scripted path (empty text cancels). With the script used up, boxes
// get their escape button and dialogs are cancelled.
class ModalScript {
public:
    explicit ModalScript(const QStringList &answers = {})
        : answers(answers.begin(), answers.end()) {
        QObject::connect(&timer, &QTimer::timeout, [this]() { poll(); });
        timer.start(pollMs);
    }

    const QStringList &shown() const { return events; }
    QStringList boxTitles() const {
        QStringList titles;
        for (const QString &event : events)
            if (event.startsWith(boxPrefix))
                titles << event.mid(boxPrefix.size()).section(QLatin1Char('\n'), 0, 0);
        return titles;
    }

private:
    static constexpr int pollMs = 10;
    static constexpr int stuckMs = 2000;
    const QString boxPrefix = QStringLiteral("box: ");

    QString nextAnswer() {
        if (answers.empty())
            return QString();
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void poll() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (modal == lastAnswered) {
            // An answer the dialog did not take (a file dialog given a
            // directory): close it rather than hang the test.
            if (++pollsSinceAnswer * pollMs > stuckMs) {
                events << QStringLiteral("stuck: ") + modal->windowTitle();
                if (auto *dialog = qobject_cast<QDialog *>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
            return;
        }
        lastAnswered = modal;
        pollsSinceAnswer = 0;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            events << boxPrefix + box->windowTitle() + QLatin1Char('\n') + box->text();
            const QString answer = nextAnswer();
            for (QAbstractButton *button : box->buttons()) {
                if (!answer.isEmpty() && button->text().remove(QLatin1Char('&')) == answer) {
                    button->click();
                    return;
                }
            }
            if (QAbstractButton *escape = box->escapeButton())
                escape->click();
            else
                box->reject();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            events << QStringLiteral("dialog: ") + dialog->windowTitle();
            const QString path = nextAnswer();
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            // Typed into the name field as a user would. Any entry the file
            // list selected meanwhile (it loads in the background) would win
            // over the typed name, so the selection is cleared first.
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            auto *list = dialog->findChild<QAbstractItemView *>(QStringLiteral("listView"));
            if (!name || !list) {
                events << QStringLiteral("unknown file dialog layout");
                dialog->reject();
                return;
            }
            list->clearSelection();
            name->setText(path);
            static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept is protected
        } else {
            events << QStringLiteral("other: ") + modal->windowTitle();
            modal->close();
        }
    }

    QTimer timer;
    std::deque<QString> answers;
    QStringList events;
    QPointer<QWidget> lastAnswered;
    int pollsSinceAnswer = 0;
};

#endif
