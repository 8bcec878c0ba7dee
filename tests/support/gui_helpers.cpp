#include "gui_helpers.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

ModalAnswer::ModalAnswer(std::function<bool(QWidget *)> answer)
    : m_answer(std::move(answer))
{
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswer::poll);
    m_timer.start(10);
}

void ModalAnswer::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (m_answered && (!m_modal || modal != m_modal)) {
        m_timer.stop(); // the window we answered has gone
        return;
    }
    if (!modal || !modal->isVisible())
        return;
    // A dialog still busy with its own work may ignore an answer; it is given again until the
    // window closes.
    if (m_answer(modal)) {
        m_modal = modal;
        m_answered = true;
    }
}

ModalAnswer AnswerNextFileDialog(const QString &path, const std::function<void(QFileDialog *)> &inspect)
{
    return ModalAnswer([path, inspect](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            return false;
        if (inspect)
            inspect(dialog);
        if (path.isEmpty()) {
            dialog->reject();
            return true;
        }
        // Typed into the name field, as a user may.
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
        return true;
    });
}

ModalAnswer AcceptNextMessage(MessageSeen *seen)
{
    return ModalAnswer([seen](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return false;
        seen->text = box->text();
        seen->title = box->windowTitle();
        seen->icon = box->icon();
        seen->plain = box->icon() == QMessageBox::NoIcon && box->buttons().size() == 1 && box->button(QMessageBox::Ok);
        // QMessageBox shows the details in a read-only text view of its own.
        for (const QTextEdit *view : box->findChildren<QTextEdit *>()) {
            if (view->toPlainText() == box->detailedText() && !box->detailedText().isEmpty()
                && view->textInteractionFlags().testFlag(Qt::TextSelectableByMouse))
                seen->details = view->toPlainText();
        }
        box->button(QMessageBox::Ok)->click();
        return true;
    });
}

ModalAnswer AnswerNextQuestion(const QString &button, QuestionSeen *seen)
{
    return ModalAnswer([button, seen](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box || box->icon() != QMessageBox::Question)
            return false;
        seen->text = box->text();
        if (const QWidget *window = box->parentWidget() ? box->parentWidget()->window() : nullptr)
            seen->offCentre = (box->frameGeometry().center() - window->frameGeometry().center()).manhattanLength();
        if (box->defaultButton())
            seen->defaultButton = box->defaultButton()->text().remove(u'&');
        seen->buttons.clear();
        for (const QAbstractButton *shown : box->buttons())
            seen->buttons << shown->text().remove(u'&');
        seen->buttons.sort();
        if (button == QLatin1String("Esc")) {
            QTest::keyClick(box, Qt::Key_Escape);
            return true;
        }
        for (QAbstractButton *candidate : box->buttons()) {
            if (candidate->text().remove(u'&') == button) {
                candidate->click();
                return true;
            }
        }
        return false;
    });
}
