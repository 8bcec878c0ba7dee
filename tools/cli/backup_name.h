#pragma once

// The name an earlier output is kept under: NAME.~N~, as GNU cp and mv --backup=numbered name it,
// with N one more than the highest backup number of NAME in its folder. N is a 64-bit number, so
// the numbers only grow.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace wsstool {

// The N of `candidate` when it is a backup name of `name` (NAME.~N~ with N in plain decimal,
// without leading zeros, from 1 to the largest 64-bit number); else 0.
std::uint64_t backupNumber(std::string_view name, std::string_view candidate);

// NAME.~N~ for N one more than `highest`; nothing when `highest` is the largest number there is.
std::optional<std::string> backupName(const std::string &name, std::uint64_t highest);

// NAME.~N~ with N one more than the highest among `siblings` (the names in NAME's folder).
std::optional<std::string> nextBackupName(const std::string &name, const std::vector<std::string> &siblings);

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
