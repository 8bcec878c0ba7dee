// Files dropped onto the window or handed to the program: each .wss or .wav file fills its row.

#include "main_window/dropped_file.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "os_util/os_util.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>

#include <functional>

void ZRNSoundEncodeDecode::dragEnterEvent(QDragEnterEvent *event)
{
    if (ClassifyDrop(event->mimeData()).row != DroppedFile::Row::None)
        event->acceptProposedAction();
}

void ZRNSoundEncodeDecode::dragMoveEvent(QDragMoveEvent *event)
{
    if (ClassifyDrop(event->mimeData()).row != DroppedFile::Row::None)
        event->acceptProposedAction();
}

void ZRNSoundEncodeDecode::dropEvent(QDropEvent *event)
{
    const DroppedFile dropped = ClassifyDrop(event->mimeData());
    if (dropped.row != DroppedFile::Row::None && openFile(dropped.path))
        event->acceptProposedAction();
}

bool ZRNSoundEncodeDecode::openFile(const QString &path)
{
    switch (RowForFileName(path)) {
    case DroppedFile::Row::Wss:
        setAndSavePath(txtWWSFileName, kWssKey, path);
        return true;
    case DroppedFile::Row::Wav:
        setAndSavePath(txtWavFileName, kWavKey, path);
        return true;
    case DroppedFile::Row::None:
        break;
    }
    return false;
}

void ZRNSoundEncodeDecode::openFiles(const QStringList &paths)
{
    using Why = FilesToOpen::Refused::Why;
    const FilesToOpen chosen = ChooseFilesToOpen(
        paths, [](const QString &path) { return OSUtil::IsFile(path); },
        [](const QString &path) { return OSUtil::IsFolder(path); });
    for (const QString &path : {chosen.wss, chosen.wav}) {
        if (!path.isEmpty())
            openFile(path);
    }
    if (chosen.refused.isEmpty())
        return;
    QStringList lines{tr("These files were not opened:")};
    for (const FilesToOpen::Refused &file : chosen.refused) {
        switch (file.why) {
        case Why::NotSound:
            lines << tr("'%1': not a .wss or .wav file").arg(file.path);
            break;
        case Why::Missing:
            lines << tr("'%1': no such file").arg(file.path);
            break;
        case Why::Folder:
            lines << tr("'%1': a folder; choose a WSS or WAV file in it with Select WSS or Select WAV").arg(file.path);
            break;
        case Why::RowTaken:
            lines << tr("'%1': its row takes one file, the first given: '%2'").arg(file.path, file.taken);
            break;
        }
    }
    showMessageWhenPlaced(lines.join(u'\n'));
}

namespace {

// Calls action once window has been exposed, and so placed on the screen by the window manager.
class WhenExposed : public QObject
{
public:
    WhenExposed(QWindow *window, std::function<void()> action)
        : QObject(window)
        , m_action(std::move(action))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // After the expose event has been handled, from the event loop.
            QTimer::singleShot(0, parent(), m_action);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

} // namespace

void ZRNSoundEncodeDecode::showMessageWhenPlaced(const QString &text)
{
    // A message box is centred on its window; a window that has just been shown is not in its
    // place on the screen yet, so the box would open at the screen's corner. It waits.
    QWindow *window = windowHandle();
    if (!isVisible() || !window || window->isExposed()) {
        OSUtil::ShowMessage(this, text, QString(), OSUtil::MessageIcon::Warning);
        return;
    }
    new WhenExposed(window, [this, text] { OSUtil::ShowMessage(this, text, QString(), OSUtil::MessageIcon::Warning); });
}
