#include "backup_name.h"

#include <algorithm>
#include <limits>
#include <memory>

#include <dirent.h>

namespace wsstool {

namespace {

constexpr std::uint64_t kLargest = std::numeric_limits<std::uint64_t>::max();

// N in plain decimal, without leading zeros, 1 to kLargest; else 0.
std::uint64_t parseNumber(std::string_view digits)
{
    if (digits.empty() || digits.front() == '0')
        return 0;
    std::uint64_t n = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        const auto d = std::uint64_t(c - '0');
        if (n > (kLargest - d) / 10)
            return 0; // does not fit in 64 bits
        n = n * 10 + d;
    }
    return n;
}

// NAME and N of a name of the form NAME.~N~; N is 0 when it is not one.
std::pair<std::string_view, std::uint64_t> splitBackup(std::string_view candidate)
{
    if (candidate.size() < 5 || candidate.back() != '~')
        return {{}, 0};
    const std::size_t mark = candidate.rfind(".~", candidate.size() - 4); // N has at least one digit
    if (mark == std::string_view::npos || mark == 0)
        return {{}, 0};
    return {candidate.substr(0, mark), parseNumber(candidate.substr(mark + 2, candidate.size() - mark - 3))};
}

// The names in `folder`; nothing when it cannot be listed.
std::optional<std::vector<std::string>> namesIn(const std::string &folder)
{
    const std::unique_ptr<DIR, int (*)(DIR *)> d(::opendir(folder.c_str()), ::closedir);
    if (!d)
        return std::nullopt;
    std::vector<std::string> names;
    while (const dirent *e = ::readdir(d.get()))
        names.emplace_back(e->d_name);
    return names;
}

} // namespace

std::uint64_t backupNumber(std::string_view name, std::string_view candidate)
{
    const auto [base, number] = splitBackup(candidate);
    return base == name ? number : 0;
}

std::optional<std::string> backupName(const std::string &name, std::uint64_t highest)
{
    if (highest == kLargest)
        return std::nullopt;
    return name + ".~" + std::to_string(highest + 1) + "~";
}

std::optional<std::string> nextBackupName(const std::string &name, const std::vector<std::string> &siblings)
{
    std::uint64_t highest = 0;
    for (const std::string &s : siblings)
        highest = std::max(highest, backupNumber(name, s));
    return backupName(name, highest);
}

std::unordered_map<std::string, std::uint64_t> BackupNumbers::highestOf(const std::vector<std::string> &names)
{
    std::unordered_map<std::string, std::uint64_t> highest;
    for (const std::string &n : names) {
        const auto [base, number] = splitBackup(n);
        if (number != 0) {
            std::uint64_t &h = highest[std::string(base)];
            h = std::max(h, number);
        }
    }
    return highest;
}

std::uint64_t BackupNumbers::highest(const std::string &folder, const std::string &name)
{
    auto it = folders_.find(folder);
    if (it == folders_.end()) {
        // A folder that cannot be listed now (no descriptor left) is listed again next time; the
        // backup names taken meanwhile move on past the ones that exist.
        const std::optional<std::vector<std::string>> names = namesIn(folder);
        if (!names)
            return 0;
        it = folders_.emplace(folder, highestOf(*names)).first;
    }
    const auto found = it->second.find(name);
    return found == it->second.end() ? 0 : found->second;
}

void BackupNumbers::taken(const std::string &folder, const std::string &name, std::uint64_t number)
{
    const auto it = folders_.find(folder);
    if (it == folders_.end())
        return; // not listed yet: the listing will find it
    std::uint64_t &h = it->second[name];
    h = std::max(h, number);
}

} // namespace wsstool
