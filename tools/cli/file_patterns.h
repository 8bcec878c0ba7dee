#pragma once

// Wildcard arguments: "WSSdec.exe '*.wss'" converts every file the pattern names. The rule is the
// window's existence test, written once in file_names/ (ordinary_file.h, wildcard_match.h): "*"
// and "?" in the last part of the path only, case-sensitive, regular files or links to them,
// never a name starting with ".".

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace wsstool {

// The characters of a file name, for matching: UTF-8 decoded into code points, each byte that is
// not part of valid UTF-8 kept as its own character (U+DC80..U+DCFF, which valid UTF-8 never
// yields), so that "?" matches one character as the user sees it and any name can be matched.
std::u32string decodeName(std::string_view bytes);

// Whether the last part of the argument holds "*" or "?".
bool hasWildcard(std::string_view argument);

struct PatternMatches
{
    std::vector<std::filesystem::path> files; // in byte order of their names
    int error = 0; // errno when the folder cannot be read
};

// The ordinary files that the argument names, each as the argument's folder part plus the name.
PatternMatches expandPattern(const std::string &argument);

} // namespace wsstool
