#include "backup_name.h"

#include <algorithm>
#include <memory>

#include <dirent.h>

namespace wsstool {

namespace {

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

std::unordered_map<std::string, std::uint64_t> BackupNumbers::highestOf(const std::vector<std::string> &names)
{
    std::unordered_map<std::string, std::uint64_t> highest;
    for (const std::string &n : names) {
        const auto [base, number] = file_names::splitBackupName(n);
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
