#pragma once

#include <QString>

class QMimeData;

// What a drop onto the window holds that the window can use: one local .wss or .wav file.
struct DroppedFile
{
    enum class Row { None, Wss, Wav };

    Row row = Row::None;
    QString path;
};

// The row that a drop of data fills: one local file whose name ends in ".wss" or ".wav", in any
// case. Anything else (several files, other files, remote addresses, text) fills none.
DroppedFile ClassifyDrop(const QMimeData *data);
