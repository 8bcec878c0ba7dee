#pragma once

namespace Platform {

// How assistive technology (a screen reader, over AT-SPI) sees the program's own windows: a
// top-level window built of plain widgets reads as a window (AT-SPI's "frame") named by its
// title, and the controls in it, and in the plain containers inside it, in reading order (see
// reading_order.h) instead of the order they were made in. Controls added later are covered
// without more code. Qt's own windows (message boxes, dialogs) keep Qt's interfaces.
// Call once, after the QApplication is made: Qt asks the factories installed last first.
void InstallAccessibleWindows();

} // namespace Platform
