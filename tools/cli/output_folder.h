#pragma once

// Where a run's outputs go: beside each file, or all in the one folder -o names, under the names
// they would have beside their files.

#include <filesystem>
#include <string_view>

namespace wsstool {

// The output of `input`: its last part with the extension replaced by `suffix` (".wav"), in
// `folder`, or beside the input when `folder` is empty.
std::filesystem::path outputPath(
    const std::filesystem::path &input, std::string_view suffix, const std::filesystem::path &folder);

// Refuses an output folder that does not exist, is not a folder or cannot be written, before
// anything is converted: throws a Failure with kExitOutput naming it.
void checkOutputFolder(const std::filesystem::path &folder);

} // namespace wsstool
