#pragma once

namespace Platform {

// Qt 6.4's Wayland client crashes (SIGSEGV in QWaylandInputDevice::textInput()) as soon as a
// text field is painted with its cursor or takes the focus, on a compositor that offers text
// input but no seat at all: weston's headless backend, a kiosk without input devices, where the
// window is used through the accessibility bus. Its input context asks the missing seat for its
// text input; later Qt versions check for it. Without a seat there is no keyboard and no input
// method to serve, so the program then asks Qt for the plain compose input context instead (as
// QT_IM_MODULE=compose does), which never touches the seat.
// Call before the QApplication is made. Does nothing when QT_IM_MODULE is set (the user's
// choice) or no Wayland display is named.
void AvoidTextInputWithoutSeat();

} // namespace Platform
