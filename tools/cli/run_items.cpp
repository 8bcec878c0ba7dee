#include "run_items.h"

#include "failure.h"
#include "file_patterns.h"
#include "i18n.h"
#include "name_key.h"

#include <set>

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
            const std::size_t slash = arg.rfind('/');
            const std::string folder = slash == std::string::npos ? std::string(".") : arg.substr(0, slash + 1);
            items.push_back({arg,
                /* TRANSLATORS: the folder, in quotes; the pattern, in quotes; the system's reason. */
                format(_("cannot read the folder %s to look for %s: %s"), quote(folder).c_str(), quote(arg).c_str(),
                    errorText(matches.error).c_str()),
                kExitInput, 0});
        } else if (matches.files.empty()) {
            /* TRANSLATORS: %s is a pattern with * or ?, in quotes. */
            items.push_back({arg, format(_("no file matches %s"), quote(arg).c_str()), kExitInput, 0});
        }
        for (fs::path &f : matches.files)
            items.push_back({std::move(f), {}, kExitOk, 0});
    }
    // A file named twice ("a.wav ./a.wav", or by two patterns) is converted once, where it is
    // first named: a second conversion could only keep the first one's output as a backup.
    std::set<std::string> named;
    std::vector<RunItem> once;
    std::size_t number = 0;
    for (RunItem &item : items) {
        if (item.failure.empty() && !named.insert(nameKey(item.file)).second)
            continue;
        item.number = ++number;
        once.push_back(std::move(item));
    }
    return once;
}

} // namespace wsstool
