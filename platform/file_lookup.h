#pragma once

#include <QString>
#include <QStringView>

namespace Platform {

// The name of the first ordinary file that matches pattern, or "" when none does.
// The pattern is a path whose last part may hold the wildcards "*" and "?"; a pattern ending in
// "/" lists that folder. Ordinary means a regular file, or a link to one, whose name does not
// start with "." (hidden). Folders, devices, sockets and pipes never match. Matching is
// case-sensitive, like the file names themselves. An empty pattern matches nothing.
QString FindFirstFile(const QString &pattern);

// Whether name matches pattern, where "*" stands for any run of characters and "?" for any one
// (one code point, so "?" matches "é" however it is stored).
// No other character is special: "[" and "\" match themselves, as they may appear in file names.
bool WildcardMatch(QStringView pattern, QStringView name);

} // namespace Platform
