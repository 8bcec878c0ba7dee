#include "platform/accessible_window.h"

#include "platform/reading_order.h"

#include <QAccessibleWidget>
#include <QWidget>

#include <algorithm>

namespace Platform {

namespace {

// Qt's interface for a plain widget, with its children handed out in reading order. Qt lists a
// widget's children in the order they were made, which for this program's window is the reverse
// of how it reads; a reader takes them row by row.
class ReadingOrderWidget : public QAccessibleWidget
{
public:
    explicit ReadingOrderWidget(QWidget *widget)
        : QAccessibleWidget(widget, widget->isWindow() ? QAccessible::Window : QAccessible::Client)
    { }

    QAccessibleInterface *child(int index) const override { return ordered().value(index); }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const QList<QAccessibleInterface *> children = ordered();
        const auto found = std::find(children.begin(), children.end(), child);
        return found == children.end() ? -1 : int(found - children.begin());
    }

private:
    QList<QAccessibleInterface *> ordered() const
    {
        QList<QAccessibleInterface *> children;
        QList<QRect> places;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface *child = QAccessibleWidget::child(i);
            children.append(child);
            places.append(child && !child->state().invisible ? child->rect() : QRect());
        }
        QList<QAccessibleInterface *> inOrder;
        for (const int i : ReadingOrder(places, widget()->layoutDirection()))
            inOrder.append(children[i]);
        return inOrder;
    }
};

QAccessibleInterface *readingOrderFactory(const QString &className, QObject *object)
{
    // Qt asks with each class name from the most derived up. It reaches "QWidget" only for
    // widgets no more specific interface claimed: the program's own window and plain containers.
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || className != QLatin1String("QWidget"))
        return nullptr;
    if (widget->isWindow()
        || dynamic_cast<ReadingOrderWidget *>(QAccessible::queryAccessibleInterface(widget->window())))
        return new ReadingOrderWidget(widget);
    return nullptr;
}

} // namespace

void InstallAccessibleWindows()
{
    QAccessible::installFactory(readingOrderFactory);
}

} // namespace Platform
