#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class QFileDialog;
class QWidget;

// Answers the next modal window (message box, file dialog) from a timer, so that a real exec()
// can run inside a test. Construct it before the click that opens the window.
class ModalAnswer : public QObject
{
    Q_OBJECT

public:
    explicit ModalAnswer(std::function<void(QWidget *)> answer);
    bool answered() const { return m_answered; }

private:
    void poll();

    std::function<void(QWidget *)> m_answer;
    QTimer m_timer;
    bool m_answered = false;
    QPointer<QWidget> m_modal;
};

// Answers the next file dialog: first lets inspect look at it, then types path into its name
// field and accepts, or cancels when path is empty.
ModalAnswer *AnswerNextFileDialog(
    QObject *parent, const QString &path, std::function<void(QFileDialog *)> inspect = {});

// What a message box showed.
struct MessageSeen
{
    QString text;
    QString title;
    bool plain = false; // no icon, and OK is its only button
};

// Presses OK on the next message box and notes what it showed in *seen.
ModalAnswer *AcceptNextMessage(QObject *parent, MessageSeen *seen);
