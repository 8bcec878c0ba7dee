// The file name matcher against fnmatch(3), given the same rule: "*" any run, "?" any one
// character, everything else itself. fnmatch treats "[" and "\" as special, so they are escaped
// for it; neither FNM_PATHNAME nor FNM_PERIOD, as the matcher knows no folders and no hidden names.

#include "file_names/wildcard_match.h"

#include <fnmatch.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The one function under test, named once.
bool matches(const std::string &pattern, const std::string &name)
{
    return file_names::wildcardMatch(pattern, name);
}

bool oracle(const std::string &pattern, const std::string &name)
{
    std::string escaped;
    for (const char c : pattern) {
        if (c == '[' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return fnmatch(escaped.c_str(), name.c_str(), 0) == 0;
}

// A small alphabet finds more: the special characters and a few plain ones.
constexpr char kAlphabet[] = "ab*?[]\\!^-/.";
// fnmatch backtracks on every "*", so its time grows with their number to a high power.
constexpr std::size_t kMaxLength = 24;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string pattern;
    std::string name;
    bool inName = false;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF) {
            inName = true;
            continue;
        }
        std::string &to = inName ? name : pattern;
        if (to.size() < kMaxLength)
            to += kAlphabet[data[i] % (sizeof(kAlphabet) - 1)];
    }
    if (matches(pattern, name) != oracle(pattern, name))
        std::abort();
    return 0;
}
