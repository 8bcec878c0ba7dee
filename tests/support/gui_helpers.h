#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QFileDialog;
class QWidget;

// Answers the next modal window (message box, file dialog) from a timer, so that a real exec()
// can run inside a test. Make it on the stack before the click that opens the window, and end its
// use with QVERIFY(answer.answered()): its timer stops when it goes out of scope, so an answer
// that never came fails its own test instead of answering a later test's window.
class ModalAnswer : public QObject
{
    Q_OBJECT

public:
    // answer returns whether the window was the kind it answers; it is asked again on the next
    // tick when not.
    explicit ModalAnswer(std::function<bool(QWidget *)> answer);
    ModalAnswer(const ModalAnswer &) = delete;
    ModalAnswer &operator=(const ModalAnswer &) = delete;

    bool answered() const { return m_answered; }

private:
    void poll();

    std::function<bool(QWidget *)> m_answer;
    QTimer m_timer;
    bool m_answered = false;
    QPointer<QWidget> m_modal;
};

// Answers the next file dialog: first lets inspect look at it, then types path into its name
// field and accepts, or cancels when path is empty.
[[nodiscard]] ModalAnswer AnswerNextFileDialog(
    const QString &path, const std::function<void(QFileDialog *)> &inspect = {});

// What a message box showed.
struct MessageSeen
{
    QString text;
    QString title;
    bool plain = false; // no icon, and OK is its only button
    int icon = -1; // a QMessageBox::Icon
    QString details; // behind "Show Details...", selectable
};

// Presses OK on the next message box and notes what it showed in *seen, which must outlive the
// answer.
[[nodiscard]] ModalAnswer AcceptNextMessage(MessageSeen *seen);

// What a question (the replace question) showed.
struct QuestionSeen
{
    QString text;
    QString defaultButton; // its caption, without the mnemonic's "&"
    QStringList buttons; // every button's caption, without the mnemonic's "&", sorted
    int offCentre = -1; // how far its centre is from its window's, in pixels (Manhattan)
};

// Answers the next question box by pressing the button captioned button ("Replace", "Cancel"),
// or with the Esc key when button is "Esc"; notes what it showed in *seen, which must outlive the
// answer.
[[nodiscard]] ModalAnswer AnswerNextQuestion(const QString &button, QuestionSeen *seen);
