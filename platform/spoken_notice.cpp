#include "platform/spoken_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace Platform {

namespace {

const char *const kNoticeProperty = "talvenSpokenNotice";

QAccessibleInterface *noticeFactory(const QString &className, QObject *object)
{
    Q_UNUSED(className);
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->property(kNoticeProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Notification);
}

} // namespace

void MakeSpokenNotice(QWidget *widget)
{
    static const bool installed = [] {
        QAccessible::installFactory(noticeFactory);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(kNoticeProperty, true);
}

void SpeakNotice(QWidget *widget)
{
    // What hiding and showing the widget would send, without the layout moving under the user's
    // eyes: AT-SPI's state-changed:showing, off and on.
    QAccessibleEvent hidden(widget, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
    QAccessibleEvent shown(widget, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace Platform
