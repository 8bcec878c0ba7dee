#include "platform/file_lookup.h"

#include "file_names/backup_name.h"
#include "file_names/ordinary_file.h"
#include "file_names/wildcard_match.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace Platform {

namespace {

std::u16string_view view(QStringView text)
{
    return {text.utf16(), std::size_t(text.size())};
}

bool isOrdinaryFile(const QString &path, const QString &name)
{
    return file_names::isOrdinaryFile(QFile::encodeName(path).constData(), QFile::encodeName(name).toStdString());
}

struct PatternParts
{
    QString folder; // ending in "/", or "." for the current folder
    QString name; // the last part
};

PatternParts splitPattern(const QString &pattern)
{
    const qsizetype slash = pattern.lastIndexOf(u'/');
    return {slash < 0 ? QStringLiteral(".") : pattern.left(slash + 1), pattern.mid(slash + 1)};
}

} // namespace

QString FindFirstFile(const QString &pattern)
{
    if (pattern.isEmpty())
        return QString();
    const auto [folder, namePattern] = splitPattern(pattern);

    if (!namePattern.isEmpty() && !file_names::hasWildcard(view(namePattern)))
        return isOrdinaryFile(pattern, namePattern) ? namePattern : QString();

    // "?" is one character as the user sees it, so the match runs on code points, not on UTF-16
    // units: the WSS tools match the same way on the UTF-8 names they get.
    const QList<uint> code = namePattern.isEmpty() ? QStringView(u"*").toUcs4() : namePattern.toUcs4();
    // QDir::Files without QDir::Hidden or QDir::System lists regular files and links to them;
    // the shared rule decides.
    QDirIterator it(folder, QDir::Files);
    while (it.hasNext()) {
        it.next();
        QString name = it.fileName();
        if (file_names::wildcardMatch(code, name.toUcs4()) && isOrdinaryFile(it.filePath(), name))
            return name;
    }
    return QString();
}

QStringList FindFiles(const QString &pattern)
{
    const auto [folder, namePattern] = splitPattern(pattern);
    if (namePattern.isEmpty())
        return {};
    // As the tools take it: a name that exists is that file, wildcard characters and all.
    if (!file_names::hasWildcard(view(namePattern)) || QFileInfo::exists(pattern))
        return isOrdinaryFile(pattern, namePattern) ? QStringList{namePattern} : QStringList{};

    const QList<uint> code = namePattern.toUcs4();
    std::vector<QByteArray> names;
    QDirIterator it(folder, QDir::Files);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (file_names::wildcardMatch(code, name.toUcs4()) && isOrdinaryFile(it.filePath(), name))
            names.push_back(QFile::encodeName(name));
    }
    std::sort(names.begin(), names.end()); // QByteArray compares as unsigned bytes, as the tools do
    QStringList result;
    for (const QByteArray &name : names)
        result << QFile::decodeName(name);
    return result;
}

QList<FolderEntry> ListFolder(const QString &folder)
{
    QList<FolderEntry> entries;
    QDirIterator it(folder.isEmpty() ? QStringLiteral(".") : folder,
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        entries.append({it.fileName(), it.fileInfo().isFile()});
    }
    return entries;
}

QString NextBackupName(const QString &name, const QStringList &siblings)
{
    std::vector<std::string> names;
    names.reserve(size_t(siblings.size()));
    for (const QString &sibling : siblings)
        names.push_back(QFile::encodeName(sibling).toStdString());
    return QFile::decodeName(
        QByteArray::fromStdString(file_names::nextBackupName(QFile::encodeName(name).toStdString(), names)));
}

} // namespace Platform
