#include "platform/file_lookup.h"

#include "file_names/ordinary_file.h"
#include "file_names/wildcard_match.h"

#include <QDirIterator>
#include <QFile>

#include <string_view>

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

} // namespace

QString FindFirstFile(const QString &pattern)
{
    if (pattern.isEmpty())
        return QString();
    const qsizetype slash = pattern.lastIndexOf(u'/');
    const QString folder = slash < 0 ? QStringLiteral(".") : pattern.left(slash + 1);
    const QString namePattern = pattern.mid(slash + 1);

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

} // namespace Platform
