#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace Platform {

// One desktop notification, sent through org.freedesktop.Notifications on the session bus: a
// summary, a body, and, where the notification server supports actions, one action that calls
// onAction when the user picks it. The notice lives as long as its parent, or until the server
// closes it. Nothing is shown where no server answers.
class DesktopNotice : public QObject
{
    Q_OBJECT

public:
    DesktopNotice(const QString &summary, const QString &body, const QString &actionCaption,
        std::function<void()> onAction, QObject *parent);

private slots:
    void actionInvoked(uint id, const QString &key);
    void closed(uint id, uint reason);

private:
    void send(bool withAction);

    QString m_summary;
    QString m_body;
    QString m_actionCaption;
    std::function<void()> m_onAction;
    uint m_id = 0;
};

} // namespace Platform
