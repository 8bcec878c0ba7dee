#include "platform/program_icon.h"

#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
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
    // The icon's pixels as they are (32 x 32, RGBA): an image file would have Qt load its image
    // format plugins to find the reader, before the window's first draw.
    QFile file(QStringLiteral(":/icons/talven-sound.rgba"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray pixels = file.readAll();
    constexpr int kSide = 32;
    if (pixels.size() != qsizetype(kSide) * kSide * 4)
        return {};
    const QImage image(reinterpret_cast<const uchar *>(pixels.constData()), kSide, kSide, QImage::Format_RGBA8888);
    return QIcon(QPixmap::fromImage(image)); // a deep copy: `pixels` goes
}

void UseThemeIconOnceDrawn(QWidget *window)
{
    new ThemeIconOnceDrawn(window);
}

} // namespace Platform
