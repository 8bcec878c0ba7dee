#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

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

// Which of the files handed to the program fill the rows.
struct FilesToOpen
{
    QString wss; // the WSS row's file, or "" for none
    QString wav;

    struct Refused
    {
        enum class Why { NotSound, Missing, RowTaken, Folder };
        QString path;
        Why why = Why::NotSound;
        QString taken; // for RowTaken: the file that fills the row
    };
    QList<Refused> refused; // in the order given
};

// Each row takes the first of paths of its kind (RowForFileName) that exists; a missing file never
// fills a row. Every other path is refused, with the reason; a folder as a folder, whatever its name.
FilesToOpen ChooseFilesToOpen(const QStringList &paths, const std::function<bool(const QString &)> &exists,
    const std::function<bool(const QString &)> &isFolder);
