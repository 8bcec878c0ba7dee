#include "run_items.h"

#include "failure.h"
#include "file_patterns.h"

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace wsstool {

std::vector<RunItem> collectItems(const std::vector<std::string> &arguments)
{
    std::vector<RunItem> items;
    for (const std::string &arg : arguments) {
        struct stat st
        {
        };
        // A name that exists is taken as it is, wildcard characters and all.
        if (!hasWildcard(arg) || ::lstat(arg.c_str(), &st) == 0) {
            items.push_back({arg, {}, kExitOk, 0});
            continue;
        }
        PatternMatches matches = expandPattern(arg);
        if (matches.error != 0) {
            const std::string folder = arg.substr(0, arg.rfind('/') + 1);
            items.push_back({{},
                "cannot look for " + quote(arg) + " in the folder " + quote(folder) + ": " + errorText(matches.error),
                kExitInput, 0});
        } else if (matches.files.empty()) {
            items.push_back({{}, "no file matches " + quote(arg), kExitInput, 0});
        }
        for (fs::path &f : matches.files)
            items.push_back({std::move(f), {}, kExitOk, 0});
    }
    std::size_t number = 0;
    for (RunItem &item : items)
        if (item.failure.empty())
            item.number = ++number;
    return items;
}

} // namespace wsstool
