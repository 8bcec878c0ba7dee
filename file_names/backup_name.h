#pragma once

// The name under which an existing output is kept when a new one takes its place: the rule the
// WSS tools follow when they keep a file, and the window when it tells the user beforehand which
// name the earlier file will get. Plain C++ without dependencies, like the rest of file_names/.

#include <algorithm>
#include <string>
#include <vector>

namespace file_names {

// The backup name GNU cp/mv --backup=numbered would pick for NAME: NAME.~N~ with N one more than
// the highest N among siblings (the names in NAME's folder), so backups sort oldest first. Only
// plain numbers count: no sign, no leading zero, at most nine digits.
inline std::string nextBackupName(const std::string &name, const std::vector<std::string> &siblings)
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

} // namespace file_names
