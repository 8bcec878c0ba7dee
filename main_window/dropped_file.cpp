#include "main_window/dropped_file.h"

#include <QMimeData>
#include <QUrl>

DroppedFile ClassifyDrop(const QMimeData *data)
{
    DroppedFile dropped;
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return dropped;
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile())
        return dropped;
    const QString path = url.toLocalFile();
    if (path.endsWith(QLatin1String(".wss"), Qt::CaseInsensitive))
        dropped.row = DroppedFile::Row::Wss;
    else if (path.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
        dropped.row = DroppedFile::Row::Wav;
    if (dropped.row != DroppedFile::Row::None)
        dropped.path = path;
    return dropped;
}
