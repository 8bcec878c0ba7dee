#pragma once

#include <QStringList>

#include <functional>

namespace Platform {

// Opens the desktop's file manager once on each folder paths are in, with the first of paths in
// that folder selected (a single file: its folder, with it selected): org.freedesktop.
// FileManager1's ShowItems on the session bus, or, where no file manager answers there, the
// folder itself through the desktop's handler for folders. Where neither is there, nothingShows is
// called with the folder, later. Returns at once.
using NothingShowsFolders = std::function<void(const QString &folder)>;
void ShowInFileManager(const QStringList &paths, const NothingShowsFolders &nothingShows = {});

} // namespace Platform
