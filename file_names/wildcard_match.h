#pragma once

// The file-name wildcard matcher shared by the window's existence test and the WSS tools. It has
// no dependencies (the tools are built without Qt), so it works on any random-access sequence of
// characters: the window hands it UCS-4 code points (QString::toUcs4()), the tools code points
// decoded from the UTF-8 bytes of the name (tools/cli/file_patterns.h). Either way "?" stands for
// one character of the name as the user sees it, so window and tools agree on what a pattern names.
//
// "*" stands for any run of characters, "?" for any one; no other character is special, so "[" and
// "\" match themselves, as they may well appear in file names ("take [2].wav").
//
// Written by hand because fnmatch() works on bytes (its "?" would take one byte of an "é") and
// gives "[" and "\" meanings, and the Qt alternatives are not available to the tools.

#include <cstddef>
#include <iterator>

namespace file_names {

template <typename Pattern, typename Name> constexpr bool wildcardMatch(const Pattern &pattern, const Name &name)
{
    const std::size_t patternSize = std::size(pattern);
    const std::size_t nameSize = std::size(name);
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starAt = 0; // pattern position just after the last "*" seen
    bool sawStar = false;
    std::size_t starMatch = 0; // where in name that "*" currently ends
    // Greedy with one step of backtracking to the last "*": linear in practice, and never worse
    // than patternSize * nameSize.
    while (n < nameSize) {
        // A "*" in the pattern is always a wildcard, even where the name holds a "*" too.
        if (p < patternSize && pattern[p] == '*') {
            starAt = ++p;
            sawStar = true;
            starMatch = n;
        } else if (p < patternSize && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (sawStar) {
            p = starAt;
            n = ++starMatch;
        } else {
            return false;
        }
    }
    while (p < patternSize && pattern[p] == '*')
        ++p;
    return p == patternSize;
}

} // namespace file_names
