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

FilesToOpen ChooseFilesToOpen(const QStringList &paths, const std::function<bool(const QString &)> &exists,
    const std::function<bool(const QString &)> &isFolder)
{
    using Why = FilesToOpen::Refused::Why;
    FilesToOpen chosen;
    // The first existing file of each kind, before anything is refused for its sake.
    for (const QString &path : paths) {
        const DroppedFile::Row row = RowForFileName(path);
        QString &slot = row == DroppedFile::Row::Wss ? chosen.wss : chosen.wav;
        if (row != DroppedFile::Row::None && slot.isEmpty() && exists(path))
            slot = path;
    }
    for (const QString &path : paths) {
        const DroppedFile::Row row = RowForFileName(path);
        const QString &taken = row == DroppedFile::Row::Wss ? chosen.wss : chosen.wav;
        if (isFolder(path))
            chosen.refused.append({path, Why::Folder, QString()});
        else if (row == DroppedFile::Row::None)
            chosen.refused.append({path, Why::NotSound, QString()});
        else if (taken.isEmpty() || !exists(path))
            chosen.refused.append({path, Why::Missing, QString()});
        else if (path != taken)
            chosen.refused.append({path, Why::RowTaken, taken});
    }
    return chosen;
}
