#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace Platform {

QString HomeFolder()
{
    QString home = QDir::homePath();
    if (!home.endsWith(u'/'))
        home += u'/';
    return home;
}

QString ConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

bool SetCurrentFolder(const QString &folder)
{
    return QDir::setCurrent(folder);
}

bool MakeFolder(const QString &folder)
{
    return QDir().mkpath(folder);
}

} // namespace Platform
