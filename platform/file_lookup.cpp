#include "platform/file_lookup.h"

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

// Written by hand because QDir's name filters and QRegularExpression::wildcardToRegularExpression
// both treat "[...]" as a character set, and a file may well be called "take [2].wav".
bool WildcardMatch(QStringView pattern, QStringView name)
{
    qsizetype p = 0;
    qsizetype n = 0;
    qsizetype starAt = -1; // pattern position just after the last "*" seen
    qsizetype starMatch = 0; // where in name that "*" currently ends
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starAt = ++p;
            starMatch = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (starAt >= 0) {
            p = starAt;
            n = ++starMatch;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
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

    // QDir::Files without QDir::Hidden or QDir::System: regular files and links to them, no
    // dot files, no broken links, no devices.
    QDirIterator it(folder, QDir::Files);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        if (WildcardMatch(namePattern.isEmpty() ? QStringView(u"*") : QStringView(namePattern), info.fileName())
            && isOrdinaryFile(info))
            return info.fileName();
    }
    return QString();
}

} // namespace Platform
