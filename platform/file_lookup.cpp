#include "platform/file_lookup.h"
#include "platform/wildcard_match.h"

#include <QDirIterator>
#include <QFileInfo>

namespace Platform {

namespace {

bool isOrdinaryFile(const QFileInfo &info)
{
    return info.isFile() && !info.fileName().startsWith(u'.');
}

bool hasWildcard(QStringView name)
{
    return name.contains(u'*') || name.contains(u'?');
}

} // namespace

// "?" is one character as the user sees it, so the match runs on code points, not on UTF-16 units:
// the WSS tools match the same way on the UTF-8 names they get (platform/wildcard_match.h).
bool WildcardMatch(QStringView pattern, QStringView name)
{
    return wildcard::Match(pattern.toUcs4(), name.toUcs4());
}

QString FindFirstFile(const QString &pattern)
{
    if (pattern.isEmpty())
        return QString();
    const qsizetype slash = pattern.lastIndexOf(u'/');
    const QString folder = slash < 0 ? QStringLiteral(".") : pattern.left(slash + 1);
    const QString namePattern = pattern.mid(slash + 1);

    if (!namePattern.isEmpty() && !hasWildcard(namePattern))
        return isOrdinaryFile(QFileInfo(pattern)) ? namePattern : QString();

    const QList<uint> code = namePattern.isEmpty() ? QStringView(u"*").toUcs4() : namePattern.toUcs4();
    // QDir::Files without QDir::Hidden or QDir::System: regular files and links to them, no
    // dot files, no broken links, no devices.
    QDirIterator it(folder, QDir::Files);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        if (wildcard::Match(code, info.fileName().toUcs4()) && isOrdinaryFile(info))
            return info.fileName();
    }
    return QString();
}

} // namespace Platform
