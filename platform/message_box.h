#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace Platform {

// The icon a message shows: none, or what the message is about.
enum class MessageIcon { None, Information, Warning, Error };

// A modal message with a single OK button and the given icon (none by default), titled with the owner window's caption.
// The whole text shows (a long path wraps) and can be selected and copied. Non-empty details are
// behind the box's "Show Details..." button, selectable too.
void ShowMessage(
    QWidget *owner, const QString &text, const QString &details = QString(), MessageIcon icon = MessageIcon::None);

// The same message with a second button, captioned actionCaption, beside OK (the default, and
// Esc): returns whether that button was pressed. Its object name is "messageAction".
bool ShowMessageOffering(
    QWidget *owner, const QString &text, const QString &details, MessageIcon icon, const QString &actionCaption);

// A modal question, titled and shown like ShowMessage, with a button for each of captions, in that
// order, and Cancel; Cancel is the default button and Esc presses it. Returns the index in captions
// of the button pressed, or -1 for Cancel.
int AskToChoose(QWidget *owner, const QString &text, const QStringList &captions);

} // namespace Platform
