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
        else if (options && (a == "-o" || a == "--output-folder" || a.starts_with("--output-folder="))) {
            // The folder is the next argument, whatever it looks like, or what follows the "=".
            const bool joined = a.starts_with("--output-folder=");
            if (joined)
                args.outputFolder = a.substr(a.find('=') + 1);
            else
                args.outputFolder = i + 1 < argc ? argv[++i] : "";
            if (args.outputFolder.empty())
                args.missingValue = joined ? std::string_view("--output-folder=") : a;
        } else if (options && a == "--")
            options = false;
        else
            args.files.emplace_back(a);
    }
    return args;
}

} // namespace wsstool
