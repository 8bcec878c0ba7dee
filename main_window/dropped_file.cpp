#include "main_window/dropped_file.h"

#include <QMimeData>
#include <QUrl>

DroppedFile::Row RowForFileName(const QString &path)
{
    if (path.endsWith(QLatin1String(".wss"), Qt::CaseInsensitive))
        return DroppedFile::Row::Wss;
    if (path.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
        return DroppedFile::Row::Wav;
    return DroppedFile::Row::None;
}

DroppedFile ClassifyDrop(const QMimeData *data)
{
    DroppedFile dropped;
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return dropped;
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile())
        return dropped;
    const QString path = url.toLocalFile();
    dropped.row = RowForFileName(path);
    if (dropped.row != DroppedFile::Row::None)
        dropped.path = path;
    return dropped;
}
