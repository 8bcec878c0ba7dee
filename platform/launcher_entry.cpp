#include "platform/launcher_entry.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QVariantMap>

namespace Platform {

namespace {

const QString kLauncherEntryPath = QStringLiteral("/talven_sound/LauncherEntry");
const QString kLauncherEntryInterface = QStringLiteral("com.canonical.Unity.LauncherEntry");

} // namespace

void ShowOnLauncher(const LauncherState &state)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage update
        = QDBusMessage::createSignal(kLauncherEntryPath, kLauncherEntryInterface, QStringLiteral("Update"));
    update << QStringLiteral("application://%1.desktop").arg(QGuiApplication::desktopFileName())
           << QVariantMap{{QStringLiteral("progress"), state.progress},
                  {QStringLiteral("progress-visible"), state.progressVisible},
                  {QStringLiteral("urgent"), state.urgent}};
    bus.send(update);
}

} // namespace Platform
