#pragma once

#include "os_util/run_and_wait.h"

#include <QString>

class QWidget;

// Free routines over the platform's services: paths, text, the profile file, the open-file
// dialog and running a tool.
namespace OSUtil {

// The 1-based position of the last occurrence of find in text at or after position start, or 0
// when there is none. The match is exact and case-sensitive.
int LastPosition(const QString &text, const QString &find, int start);

// Everything up to and including the last "/" of path, or "" when there is none.
QString DirectoryPart(const QString &path);

// The part of path after its last "/", or the whole path when it has none.
QString FileNamePart(const QString &path);

} // namespace OSUtil
