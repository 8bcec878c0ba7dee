#pragma once

// Which files a path pattern names, as the window's existence test and the WSS tools' patterns
// both decide it: written once here, with no dependencies beyond POSIX, so that the window (Qt)
// and the tools (plain C++) cannot come to disagree.
//
// A pattern is a path whose last part (after its last "/") may hold the wildcards "*" and "?"
// (wildcard_match.h). It names the ordinary files of its folder whose names match: regular
// files, or links to one, whose names do not start with "." (hidden). Folders, devices, sockets,
// pipes and broken links are never named.

#include <string_view>

#include <sys/stat.h>

namespace file_names {

// The part of path after its last "/", or all of it.
template <typename Char> constexpr std::basic_string_view<Char> lastPart(std::basic_string_view<Char> path)
{
    const std::size_t slash = path.rfind(Char('/'));
    return slash == std::basic_string_view<Char>::npos ? path : path.substr(slash + 1);
}

// Whether the last part of path holds "*" or "?"; wildcards in the folder part are not expanded.
template <typename Char> constexpr bool hasWildcard(std::basic_string_view<Char> path)
{
    const std::basic_string_view<Char> name = lastPart(path);
    return name.find(Char('*')) != name.npos || name.find(Char('?')) != name.npos;
}

// A name starting with "." is hidden, as the desktop and ls take it.
template <typename Char> constexpr bool isHidden(std::basic_string_view<Char> name)
{
    return !name.empty() && name.front() == Char('.');
}

// Whether the file at path, whose last part is name, is ordinary: not hidden, and a regular file
// once links are followed (stat, not lstat).
inline bool isOrdinaryFile(const char *path, std::string_view name)
{
    struct stat st
    {
    };
    return !isHidden(name) && ::stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace file_names
