#pragma once

class QWidget;

namespace Platform {

// A widget that assistive technology reads as a notification (AT-SPI's "notification"), named by
// its accessible name. Orca ignores a label's name changes, as it does a status bar's or an
// alert message's; a notification it speaks, role and name, each time it is shown.
// Call before anything asked for the widget's accessible interface: Qt keeps the first one made.
void MakeSpokenNotice(QWidget *widget);

// Tells assistive technology that the notice is shown anew, so that a screen reader speaks its
// accessible name now. The widget itself stays as it is on the screen.
void SpeakNotice(QWidget *widget);

} // namespace Platform
