#pragma once

// The build hands the tests the paths of what they run (the tools, the program, fixtures) relative
// to the test program's own folder, so that no compiled test holds the place of its checkout and
// ccache hands what one clone compiled over to another.

#include <QDir>
#include <QFileInfo>
#include <QString>

// PATH (relative to the folder of the running test program) as an absolute path.
inline QString buildPath(const char *fromTestFolder)
{
    // /proc/self/exe rather than QCoreApplication, so that it also serves constants made before main().
    static const QString folder = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
    return QDir::cleanPath(folder + u'/' + QString::fromUtf8(fromTestFolder));
}
