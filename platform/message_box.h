#pragma once

#include <QString>

class QWidget;

namespace Platform {

// A modal message with a single OK button and no icon, titled with the owner window's caption.
// The whole text shows (a long path wraps) and can be selected and copied.
void ShowMessage(QWidget *owner, const QString &text);

} // namespace Platform
