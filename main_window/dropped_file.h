#pragma once

#include <QString>

class QMimeData;

// What a drop onto the window, or a file handed to the program, holds that the window can use: one
// local .wss or .wav file.
struct DroppedFile
{
    enum class Row { None, Wss, Wav };

    Row row = Row::None;
    QString path;
};

// The row that a file of this name fills: a name ending in ".wss" or ".wav", in any case.
DroppedFile::Row RowForFileName(const QString &path);

// The row that a drop of data fills: one local file that RowForFileName places. Anything else
// (several files, other files, remote addresses, text) fills none.
DroppedFile ClassifyDrop(const QMimeData *data);
