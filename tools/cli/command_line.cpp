#include "command_line.h"

#include <string_view>

namespace wsstool {

Arguments parseArguments(int argc, const char *const *argv)
{
    Arguments args;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (options && (a == "-h" || a == "--help"))
            args.help = true;
        else if (options && a == "--version")
            args.version = true;
        else if (options && (a == "-f" || a == "--force"))
            args.force = true;
        else if (options && (a == "-n" || a == "--no-clobber"))
            args.noClobber = true;
        else if (options && a == "--")
            options = false;
        else
            args.files.emplace_back(a);
    }
    return args;
}

} // namespace wsstool
