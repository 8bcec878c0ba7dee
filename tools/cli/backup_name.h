#pragma once

// The name an earlier output is kept under follows the rule the window shares
// (file_names/backup_name.h); here, the numbers a run has seen, so that each folder is read once.

#include "file_names/backup_name.h"

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

namespace wsstool {

using file_names::backupName;
using file_names::backupNumber;
using file_names::nextBackupName;

// The highest backup number of each name, by folder, for one run: a folder is listed once, when
// its first backup is made, and the numbers the run takes are added as it goes. So a run that
// keeps backups of many files reads each folder once instead of once a file.
class BackupNumbers
{
public:
    // The highest backup number of `name` in `folder` (an absolute path), 0 when it has none.
    std::uint64_t highest(const std::string &folder, const std::string &name);
    // Notes that `folder` now holds backup number `number` of `name`.
    void taken(const std::string &folder, const std::string &name, std::uint64_t number);

    // The highest number of every name among `names` that has backups (the pure part of a listing).
    static std::unordered_map<std::string, std::uint64_t> highestOf(const std::vector<std::string> &names);

private:
    std::map<std::string, std::unordered_map<std::string, std::uint64_t>> folders_;
};

} // namespace wsstool
