#pragma once

// Putting a finished output in its place without ever losing an earlier file of its name: the
// earlier file gets a backup name (NAME.~N~) and the new one takes NAME, in an order that keeps
// NAME holding the earlier file or the whole new one. tools/README.md lists the steps and why
// they come in that order.

#include "backup_name.h"
#include "failure.h"

#include <filesystem>
#include <string>

namespace wsstool {

// The Failure of a placement that swapped the new file in but could give the earlier one neither
// its backup name nor NAME back: the earlier file is then under the temporary name, which must not
// be removed.
struct EarlierUnderTempName : Failure
{
};

// What becomes of an earlier file of the output's name.
enum class EarlierFile {
    KeepBackup, // kept under a backup name
    Replace, // -f: replaced, without a backup
    Leave, // -n: left as it is, and the new file not put in place
};

struct Placement
{
    bool placed = true; // false: an earlier file was left (EarlierFile::Leave)
    std::filesystem::path backup; // the earlier file's backup name; empty when none was kept
};

// Renames the complete temporary file `temp`, whose data is on disk, to `final`. An earlier file
// of that name is kept under its backup name (`numbers` says which is next), replaced, or left as
// it is, as `earlier` says; a file that takes the name between any check before and the rename is
// never replaced unless `earlier` is Replace (then `temp` is left for the caller to remove). Once
// the new file has taken the name, the earlier one is dropped after all when it holds the same
// bytes as `newFile` (a descriptor of the new file): another run of the same conversion put it
// there meanwhile. `folder` is final's absolute folder, for messages. Throws a Failure with
// kExitOutput when the file cannot take its name, the earlier file left as it was. Leaves flushing
// the folder to the caller (syncFolder).
Placement placeOutput(const std::string &temp, const std::filesystem::path &final, const std::string &folder,
    EarlierFile earlier, BackupNumbers &numbers, int newFile);

// Whether something other than a folder holds the output's name: an earlier output that -n leaves
// as it is (a folder is refused instead, as without -n).
bool outputExists(const std::filesystem::path &final);

// The absolute folder of the output `final`, for messages.
std::string absoluteFolder(const std::filesystem::path &final);

// Refuses at once an output name held by what cannot take a backup or be replaced by a file: a
// folder, and (unless `force`) a named pipe, a device or a socket, or a link to one. Throws a
// Failure with kExitOutput.
void refuseSpecialOutput(const std::filesystem::path &final, bool force);

// The message of an output that cannot be written: "cannot write NAME in FOLDER: why".
std::string writingMessage(const std::filesystem::path &final, const std::string &folder, int err);
// Throws the Failure of an output that cannot be written, with kExitOutput and writingMessage().
[[noreturn]] void failWriting(const std::filesystem::path &final, const std::string &folder, int err);

// Makes the renames in `folder` last through a power cut. Some file systems cannot sync a folder;
// the renames have still happened, so a failure here is not reported.
void syncFolder(const std::string &folder);

} // namespace wsstool
