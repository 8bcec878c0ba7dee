#include "platform/program_icon.h"

#include <QGuiApplication>

namespace Platform {

QIcon ProgramIcon()
{
    return QIcon::fromTheme(QGuiApplication::desktopFileName(), QIcon(QStringLiteral(":/icons/talven-sound.png")));
}

} // namespace Platform
