// Files dropped onto the window or handed to the program: each .wss or .wav file fills its row.

#include "main_window/dropped_file.h"
#include "main_window/zrn_sound_encode_decode.h"
#include "os_util/os_util.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>

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
    QStringList refused;
    for (const QString &path : paths) {
        if (!openFile(path))
            refused << QStringLiteral("'") + path + QStringLiteral("'");
    }
    if (!refused.isEmpty()) {
        OSUtil::ShowMessage(
            this, tr("Only .wss and .wav files can be opened. Not opened:\n%1").arg(refused.join(u'\n')));
    }
}
