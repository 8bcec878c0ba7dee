// Dropping a .wss or .wav file onto the window.

#include "main_window/dropped_file.h"
#include "main_window/zrn_sound_encode_decode.h"

#include <QDragEnterEvent>
#include <QDropEvent>

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
    switch (dropped.row) {
    case DroppedFile::Row::Wss:
        setAndSavePath(txtWWSFileName, kWssKey, dropped.path);
        break;
    case DroppedFile::Row::Wav:
        setAndSavePath(txtWavFileName, kWavKey, dropped.path);
        break;
    case DroppedFile::Row::None:
        return;
    }
    event->acceptProposedAction();
}
