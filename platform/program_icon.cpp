#include "platform/program_icon.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace Platform {

namespace {

// Looks the icon up in the theme after the window's first paint. Reading the theme's index (some
// hundreds of folders in hicolor's) cost start-up as much as the rest of the program's own work.
class ThemeIconOnceDrawn : public QObject
{
public:
    explicit ThemeIconOnceDrawn(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint) {
            m_window->removeEventFilter(this);
            // Queued: the paint this event belongs to reaches the screen first.
            QMetaObject::invokeMethod(this, &ThemeIconOnceDrawn::useThemeIcon, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void useThemeIcon()
    {
        const QIcon themed = QIcon::fromTheme(QGuiApplication::desktopFileName());
        if (!themed.isNull())
            m_window->setWindowIcon(themed);
        deleteLater();
    }

    QWidget *m_window; // the parent, which outlives this
};

} // namespace

QIcon ProgramIcon()
{
    return QIcon(QStringLiteral(":/icons/talven-sound.png"));
}

void UseThemeIconOnceDrawn(QWidget *window)
{
    new ThemeIconOnceDrawn(window);
}

} // namespace Platform
