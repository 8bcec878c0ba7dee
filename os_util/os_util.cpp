#include "os_util/os_util.h"

#include "os_util/dialog_filter.h"
#include "platform/file_dialog.h"
#include "platform/paths.h"
#include "platform/profile_file.h"

namespace OSUtil {

int LastPosition(const QString &text, const QString &find, int start)
{
    if (!text.contains(find))
        return 0;
    for (qsizetype p = text.size(); p >= qMax(start, 1); --p) {
        if (QStringView(text).mid(p - 1, find.size()) == find)
            return int(p);
    }
    return 0;
}

QString DirectoryPart(const QString &path)
{
    return path.left(LastPosition(path, QStringLiteral("/"), 1));
}

QString FileNamePart(const QString &path)
{
    return path.mid(LastPosition(path, QStringLiteral("/"), 1));
}

QString ReplaceText(const QString &text, const QString &find, const QString &replacement)
{
    if (find.isEmpty())
        return text;
    return QString(text).replace(find, replacement);
}

QString SystemDirectory()
{
    QString folder = Platform::ConfigFolder();
    Platform::MakeFolder(folder);
    return folder;
}

int WriteProfileValue(const QString &section, const QString &key, const QString &value, QString &file)
{
    if (file.isEmpty())
        file = SystemDirectory() + QStringLiteral("/VisualBasic.ini");
    return Platform::WriteProfileString(section, key, value, file) ? 1 : 0;
}

QString BrowseForFile(
    const QString &startFolder, const QString &filter, const QString &key, QWidget *owner, const QString &title)
{
    QString path = Platform::GetOpenFileName(owner, title, startFolder, NameFilter(DialogFilter(filter)));
    if (path.isEmpty())
        return QString();
    QString profileFile;
    WriteProfileValue(QStringLiteral("Pellinor"), key, DirectoryPart(path), profileFile);
    return path;
}

QString BrowseForFolder(const QString &startFolder, QWidget *owner, const QString &title)
{
    return Platform::GetExistingFolder(owner, title, startFolder);
}

} // namespace OSUtil
