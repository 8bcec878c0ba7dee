#pragma once

// What the conversions and the outputs of one run share: set up by runTool() from the command
// line and the environment, handed to each conversion and to the run's OutputBatch.

#include "backup_name.h"
#include "progress_lines.h"

#include <filesystem>

namespace wsstool {

struct RunContext
{
    const char *toolName = ""; // for messages: "WSSdec.exe"
    bool force = false; // -f: replace an existing output without keeping a backup
    bool noClobber = false; // -n: leave an existing output as it is, its input not converted
    std::filesystem::path outputFolder; // -o: where every output goes; empty: beside each file
    ProgressLines progress; // silent unless WSS_PROGRESS=1
    BackupNumbers backups; // the next backup number of each output name
};

} // namespace wsstool
