#pragma once

#include <QIcon>

namespace Platform {

// The program's icon: the desktop's icon theme's, found by the desktop file id (as the package
// installs it, and as the desktop shows it in its menus and docks), else the copy built into the
// program (a build that is not installed).
QIcon ProgramIcon();

} // namespace Platform
