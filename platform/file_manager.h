#pragma once

#include <QStringList>

namespace Platform {

// Opens the desktop's file manager on the folder of the first of paths, with paths selected:
// org.freedesktop.FileManager1's ShowItems on the session bus, or, where no file manager answers
// there, the folder itself through the desktop's handler for folders. Returns at once.
void ShowInFileManager(const QStringList &paths);

} // namespace Platform
