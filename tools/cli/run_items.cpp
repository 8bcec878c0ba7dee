#include "run_items.h"

#include "failure.h"
#include "file_patterns.h"
#include "i18n.h"

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
                /* TRANSLATORS: the pattern, in quotes; its folder, in quotes; the system's reason. */
                format(_("cannot look for %s in the folder %s: %s"), quote(arg).c_str(), quote(folder).c_str(),
                    errorText(matches.error).c_str()),
                kExitInput, 0});
        } else if (matches.files.empty()) {
            /* TRANSLATORS: %s is a pattern with * or ?, in quotes. */
            items.push_back({{}, format(_("no file matches %s"), quote(arg).c_str()), kExitInput, 0});
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
