#pragma once

// The tools' command line: a few options of exactly these spellings, everything else a file name.
//   -h, --help    the usage, on standard output
//   --version     the version
//   -f, --force   replace an existing output without keeping a backup
//   -n, --no-clobber  leave an existing output as it is and do not convert its input
//   -o DIR, --output-folder=DIR, --output-folder DIR
//                 write each output in DIR, under the name it would have beside its file
//   --            every later argument is a file name
// Any other argument is a file name, even one starting with "-", so "-take 1.wav" converts.

#include <string>
#include <vector>

namespace wsstool {

struct Arguments
{
    bool help = false;
    bool version = false;
    bool force = false;
    bool noClobber = false;
    std::string outputFolder; // "": each output beside its file
    std::string missingValue; // the option given without its folder ("-o" last), else ""
    std::vector<std::string> files;
};

Arguments parseArguments(int argc, const char *const *argv);

} // namespace wsstool
