#include "platform/file_manager.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace Platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.FileManager1");
const QString kPath = QStringLiteral("/org/freedesktop/FileManager1");

void openFolder(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
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

void showItem(const QDBusConnection &bus, const QString &path)
{
    const QStringList uris{QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded)};
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("ShowItems"));
    call << uris << QString(); // the item, and no startup notification id
    // Asynchronous: the window stays live while the bus finds, or starts, a file manager.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [path](QDBusPendingCallWatcher *done) {
        if (QDBusPendingReply<>(*done).isError())
            openFolder(path);
        done->deleteLater();
    });
}

} // namespace

void ShowInFileManager(const QStringList &paths)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    for (const QString &path : onePerFolder(paths)) {
        if (bus.isConnected())
            showItem(bus, path);
        else
            openFolder(path);
    }
}

} // namespace Platform
