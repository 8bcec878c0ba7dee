#pragma once

// The messages of a run that name what the tool converts. Each is written out whole for each
// direction ("give the WSS file to decode"), never put together from pieces, so that translators
// see every sentence as it is shown.

#include <cstddef>
#include <filesystem>
#include <string>

namespace wsstool {

enum class Direction {
    Encode, // WAV to WSS (WSSCod.exe)
    Decode, // WSS to WAV (WSSdec.exe)
};

// The whole usage, for --help and after "no file named".
std::string usageText(const char *toolName, Direction direction);
std::string noFileNamed(Direction direction);
std::string folderGiven(Direction direction, const std::filesystem::path &folder);
std::string wouldReplaceInput(Direction direction, const std::filesystem::path &output);
// An -o or --output-folder without its folder.
std::string optionWithoutFolder(const std::string &option);
// A file whose output is that of another file converted earlier in the run.
std::string sameOutputAs(
    const std::filesystem::path &input, const std::filesystem::path &output, const std::filesystem::path &earlier);
// "12 of 13 files decoded; 1 failed", or with -n, when some were skipped, "10 of 13 files decoded;
// 1 failed; 2 skipped (the output existed)"
std::string summary(
    Direction direction, std::size_t converted, std::size_t total, std::size_t failed, std::size_t skipped);
// -f and -n given together.
std::string forceAndNoClobber();

} // namespace wsstool
