#pragma once

#include <QIcon>

class QWidget;

namespace Platform {

// The program's icon as built into the program, for a window to show from its start.
QIcon ProgramIcon();

// Once `window` has drawn for the first time, gives it the desktop's icon theme's icon found by
// the desktop file id (as the package installs it, and as the desktop shows it in its menus and
// docks), if the theme has one; otherwise the window keeps the icon built into the program.
void UseThemeIconOnceDrawn(QWidget *window);

} // namespace Platform
