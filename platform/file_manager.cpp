#include "platform/file_manager.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace Platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.FileManager1");
const QString kPath = QStringLiteral("/org/freedesktop/FileManager1");

// Opens the folder of path through the desktop's handler for folders; where there is none, says
// so through tell. xdg-open, which Qt runs, knows none when xdg-mime names no program for
// inode/directory: it then writes "no method available" to stderr and shows nothing.
void openFolder(const QString &path, const NothingShowsFolders &tell)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)) && tell)
            tell(folder);
        return;
    }
    auto *query = new QProcess;
    QObject::connect(query, &QProcess::finished, query, [query, folder, tell] {
        const bool handled = !query->readAllStandardOutput().trimmed().isEmpty();
        if (handled)
            QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
        else if (tell)
            tell(folder);
        query->deleteLater();
    });
    QObject::connect(query, &QProcess::errorOccurred, query, [query](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            query->deleteLater();
    });
    query->start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("inode/directory")});
}

// The first of paths in each folder, in the order the folders first come: a file manager opens
// a window for each item it is asked to show (Thunar does), so a batch asks for one per folder.
QStringList onePerFolder(const QStringList &paths)
{
    QStringList folders;
    QStringList firsts;
    for (const QString &path : paths) {
        const QString folder = QFileInfo(path).absolutePath();
        if (folders.contains(folder))
            continue;
        folders << folder;
        firsts << path;
    }
    return firsts;
}

void showItem(const QDBusConnection &bus, const QString &path, const NothingShowsFolders &tell)
{
    const QStringList uris{QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded)};
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("ShowItems"));
    call << uris << QString(); // the item, and no startup notification id
    // Asynchronous: the window stays live while the bus finds, or starts, a file manager.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [path, tell](QDBusPendingCallWatcher *done) {
        if (QDBusPendingReply<>(*done).isError())
            openFolder(path, tell);
        done->deleteLater();
    });
}

} // namespace

void ShowInFileManager(const QStringList &paths, const NothingShowsFolders &nothingShows)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    for (const QString &path : onePerFolder(paths)) {
        if (bus.isConnected())
            showItem(bus, path, nothingShows);
        else
            openFolder(path, nothingShows);
    }
}

} // namespace Platform
