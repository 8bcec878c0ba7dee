#pragma once

// Putting a finished output in its place without ever losing an earlier file of its name: the
// earlier file is first given a backup name (NAME.~N~), and then the new one takes NAME in one
// rename. tools/README.md lists the steps and why they come in that order.

#include <filesystem>
#include <string>

namespace wsstool {

// Renames the complete temporary file `temp`, whose data is on disk, to `final`. An earlier file
// of that name is kept under its backup name (returned; empty when there was none), or, with
// `force`, replaced. `folder` is final's absolute folder, for messages. Throws a Failure with
// kExitOutput when the file cannot take its name; a backup name made meanwhile is undone. Leaves
// flushing the folder to the caller (syncFolder).
std::filesystem::path placeOutput(
    const std::string &temp, const std::filesystem::path &final, const std::string &folder, bool force);

// Throws the Failure of an output that cannot be written: "cannot write NAME in FOLDER: why".
[[noreturn]] void failWriting(const std::filesystem::path &final, const std::string &folder, int err);

// Makes the renames in `folder` last through a power cut. Some file systems cannot sync a folder;
// the renames have still happened, so a failure here is not reported.
void syncFolder(const std::string &folder);

} // namespace wsstool
