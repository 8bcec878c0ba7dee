#include "backup_name.h"

#include <algorithm>

namespace wsstool {

std::string nextBackupName(const std::string &name, const std::vector<std::string> &siblings)
{
    unsigned long highest = 0;
    const std::string prefix = name + ".~";
    for (const std::string &s : siblings) {
        if (s.size() < prefix.size() + 2 || s.compare(0, prefix.size(), prefix) != 0 || s.back() != '~')
            continue;
        const std::string digits = s.substr(prefix.size(), s.size() - prefix.size() - 1);
        if (digits.empty() || digits.size() > 9 || digits.front() == '0'
            || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        highest = std::max(highest, std::stoul(digits));
    }
    return prefix + std::to_string(highest + 1) + "~";
}

} // namespace wsstool
