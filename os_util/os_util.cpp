#include "os_util/os_util.h"

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

} // namespace OSUtil
