#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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

QString AbsoluteFolder(const QString &folder)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(folder.isEmpty() ? QStringLiteral(".") : folder));
}

bool IsFile(const QString &path)
{
    return QFileInfo(path).isFile();
}

bool IsFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool MakeFolder(const QString &folder)
{
    return QDir().mkpath(folder);
}

} // namespace Platform
