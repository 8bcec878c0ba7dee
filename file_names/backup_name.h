#pragma once

// The name under which an existing output is kept when a new one takes its place: the rule the
// WSS tools follow when they keep a file, and the window when it tells the user beforehand which
// name the earlier file will get. NAME.~N~, as GNU cp and mv --backup=numbered name it, with N one
// more than the highest backup number of NAME in its folder, so backups sort oldest first. N is a
// 64-bit number, so the numbers only grow. Plain C++ without dependencies, like the rest of
// file_names/.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace file_names {

namespace backup_detail {

inline constexpr std::uint64_t kLargest = std::numeric_limits<std::uint64_t>::max();

// N in plain decimal, without sign or leading zeros, 1 to kLargest; else 0.
constexpr std::uint64_t parseNumber(std::string_view digits)
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

} // namespace backup_detail

// NAME and N of a name of the form NAME.~N~; N is 0 when it is not one.
constexpr std::pair<std::string_view, std::uint64_t> splitBackupName(std::string_view candidate)
{
    if (candidate.size() < 5 || candidate.back() != '~')
        return {{}, 0};
    const std::size_t mark = candidate.rfind(".~", candidate.size() - 4); // N has at least one digit
    if (mark == std::string_view::npos || mark == 0)
        return {{}, 0};
    return {
        candidate.substr(0, mark), backup_detail::parseNumber(candidate.substr(mark + 2, candidate.size() - mark - 3))};
}

// The N of candidate when it is a backup name of name; else 0.
constexpr std::uint64_t backupNumber(std::string_view name, std::string_view candidate)
{
    const auto [base, number] = splitBackupName(candidate);
    return base == name ? number : 0;
}

// NAME.~N~ for N one more than highest; nothing when highest is the largest number there is.
inline std::optional<std::string> backupName(const std::string &name, std::uint64_t highest)
{
    if (highest == backup_detail::kLargest)
        return std::nullopt;
    return name + ".~" + std::to_string(highest + 1) + "~";
}

// NAME.~N~ with N one more than the highest among siblings (the names in NAME's folder).
inline std::optional<std::string> nextBackupName(const std::string &name, const std::vector<std::string> &siblings)
{
    std::uint64_t highest = 0;
    for (const std::string &s : siblings) {
        const std::uint64_t n = backupNumber(name, s);
        highest = n > highest ? n : highest;
    }
    return backupName(name, highest);
}

} // namespace file_names
