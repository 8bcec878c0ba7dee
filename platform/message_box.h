#pragma once

#include <QString>

class QWidget;

namespace Platform {

// A modal message with a single OK button and no icon, titled with the owner window's caption.
// The whole text shows (a long path wraps) and can be selected and copied. Non-empty details are
// behind the box's "Show Details..." button, selectable too.
void ShowMessage(QWidget *owner, const QString &text, const QString &details = QString());

// A modal question, titled and shown like ShowMessage, with a button captioned acceptCaption and
// Cancel; Cancel is the default button and Esc presses it. Returns whether acceptCaption was
// pressed.
bool AskToConfirm(QWidget *owner, const QString &text, const QString &acceptCaption);

} // namespace Platform
