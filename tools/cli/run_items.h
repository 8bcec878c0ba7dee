#pragma once

// What a run works through: its file arguments, each pattern expanded into the files it names, all
// collected before anything is converted, so that the run's own outputs are never matched.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace wsstool {

// A file to convert, or a pattern that names none. Each counts once, in the progress lines'
// total and in the summary alike.
struct RunItem
{
    std::filesystem::path file; // the pattern, where it names none
    std::string failure; // set when there is nothing to convert
    int exitCode = 0;
    std::size_t number = 0; // of the run's items, 1-based
};

// A name that exists is taken as it is, wildcard characters and all; a pattern gives its matches
// in byte order, or one item saying why there are none. A file named again (under any spelling of
// its folder) is left out.
std::vector<RunItem> collectItems(const std::vector<std::string> &arguments);

} // namespace wsstool
