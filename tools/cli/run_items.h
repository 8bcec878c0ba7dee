#pragma once

// What a run works through: its file arguments, each pattern expanded into the files it names, all
// collected before anything is converted, so that the run's own outputs are never matched.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace wsstool {

// A file to convert, or a pattern that names none.
struct RunItem
{
    std::filesystem::path file;
    std::string failure; // set when there is nothing to convert
    int exitCode = 0;
    std::size_t number = 0; // of the files to convert, 1-based; 0 when there is nothing to convert
};

// A name that exists is taken as it is, wildcard characters and all; a pattern gives its matches
// in byte order, or one item saying why there are none.
std::vector<RunItem> collectItems(const std::vector<std::string> &arguments);

} // namespace wsstool
