#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Platform {

// The name of the first ordinary file that matches pattern, or "" when none does.
// The pattern is a path whose last part may hold the wildcards "*" and "?"; a pattern ending in
// "/" lists that folder. Ordinary means a regular file, or a link to one, whose name does not
// start with "." (hidden). Folders, devices, sockets and pipes never match. Matching is
// case-sensitive, like the file names themselves. An empty pattern matches nothing.
QString FindFirstFile(const QString &pattern);

// The names of the files a WSS tool converts when given pattern's last part in pattern's folder,
// sorted by their bytes as the tools sort them: that name alone when it has no wildcard or a
// file of exactly that name exists, else every ordinary file that matches. An empty last part
// names nothing.
QStringList FindFiles(const QString &pattern);

struct FolderEntry
{
    QString name;
    bool isFile = false; // a regular file, or a link to one
};

// Everything in folder ("" is the current folder), hidden names included, in no order.
QList<FolderEntry> ListFolder(const QString &folder);

// The name under which an existing file called name is kept when a new one takes its place,
// given the names in its folder (file_names/backup_name.h).
QString NextBackupName(const QString &name, const QStringList &siblings);

} // namespace Platform
