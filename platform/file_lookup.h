#pragma once

#include <QString>

namespace Platform {

// The name of the first ordinary file that matches pattern, or "" when none does.
// The pattern is a path whose last part may hold the wildcards "*" and "?"; a pattern ending in
// "/" lists that folder. Ordinary means a regular file, or a link to one, whose name does not
// start with "." (hidden). Folders, devices, sockets and pipes never match. Matching is
// case-sensitive, like the file names themselves. An empty pattern matches nothing.
QString FindFirstFile(const QString &pattern);

} // namespace Platform
