#include "platform/desktop_notice.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QVariantMap>

namespace Platform {

namespace {

const QString kNotificationsService = QStringLiteral("org.freedesktop.Notifications");
const QString kNotificationsPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kActionKey = QStringLiteral("talven-action");

} // namespace

DesktopNotice::DesktopNotice(const QString &summary, const QString &body, const QString &actionCaption,
    std::function<void()> onAction, QObject *parent)
    : QObject(parent)
    , m_summary(summary)
    , m_body(body)
    , m_actionCaption(actionCaption)
    , m_onAction(std::move(onAction))
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(kNotificationsService, kNotificationsPath, kNotificationsService, QStringLiteral("ActionInvoked"), this,
        SLOT(actionInvoked(uint, QString)));
    bus.connect(kNotificationsService, kNotificationsPath, kNotificationsService, QStringLiteral("NotificationClosed"),
        this, SLOT(closed(uint, uint)));
    if (m_actionCaption.isEmpty()) {
        send(false);
        return;
    }
    // Actions only where the server lists them among its capabilities.
    auto *watcher = new QDBusPendingCallWatcher(
        bus.asyncCall(QDBusMessage::createMethodCall(
            kNotificationsService, kNotificationsPath, kNotificationsService, QStringLiteral("GetCapabilities"))),
        this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *done) {
        const QDBusPendingReply<QStringList> capabilities(*done);
        done->deleteLater();
        if (!capabilities.isError())
            send(capabilities.value().contains(QStringLiteral("actions")));
    });
}

void DesktopNotice::send(bool withAction)
{
    const QString desktopEntry = QGuiApplication::desktopFileName();
    QDBusMessage notify = QDBusMessage::createMethodCall(
        kNotificationsService, kNotificationsPath, kNotificationsService, QStringLiteral("Notify"));
    const QStringList actions = withAction ? QStringList{kActionKey, m_actionCaption} : QStringList();
    notify << QGuiApplication::applicationDisplayName() << 0U << desktopEntry << m_summary << m_body << actions
           << QVariantMap{{QStringLiteral("desktop-entry"), desktopEntry}} << -1;
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *done) {
        const QDBusPendingReply<uint> id(*done);
        done->deleteLater();
        if (!id.isError())
            m_id = id.value();
    });
}

void DesktopNotice::actionInvoked(uint id, const QString &key)
{
    if (id == m_id && m_id != 0 && key == kActionKey && m_onAction)
        m_onAction();
}

void DesktopNotice::closed(uint id, uint reason)
{
    Q_UNUSED(reason);
    if (id == m_id && m_id != 0)
        deleteLater();
}

} // namespace Platform
