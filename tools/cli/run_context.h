#pragma once

// What the outputs of one run share: set up by runTool() from the command line and the
// environment, and handed to each conversion, which hands it to its OutputFile.

#include "progress_lines.h"

#include <cstddef>

namespace wsstool {

struct RunContext
{
    const char *toolName = ""; // for messages: "WSSdec.exe"
    bool force = false; // -f: replace an existing output without keeping a backup
    ProgressLines progress; // silent unless WSS_PROGRESS=1
    std::size_t fileNumber = 0; // the file being converted, 1-based, for the progress lines
};

} // namespace wsstool
