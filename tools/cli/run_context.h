#pragma once

// What the outputs of one run share: set up by runTool() from the command line and the
// environment, and handed to each conversion, which hands it to its OutputFile.

#include "backup_name.h"
#include "progress_lines.h"

#include <cerrno>
#include <cstddef>
#include <functional>

namespace wsstool {

struct RunContext
{
    const char *toolName = ""; // for messages: "WSSdec.exe"
    bool force = false; // -f: replace an existing output without keeping a backup
    ProgressLines progress; // silent unless WSS_PROGRESS=1
    std::size_t fileNumber = 0; // the file being converted, 1-based, for the progress lines
    BackupNumbers backups; // the next backup number of each output name
    // Puts the outputs waiting in the run's batch in place, which closes their descriptors; false
    // when none were waiting.
    std::function<bool()> placeWaiting;

    // `open()` (a descriptor, or -1 and errno), tried once more after placing the waiting outputs
    // when no descriptor was left.
    template <typename Open> int openFreeing(Open open)
    {
        int fd = open();
        if (fd >= 0 || (errno != EMFILE && errno != ENFILE) || !placeWaiting)
            return fd;
        const int err = errno;
        if (placeWaiting())
            return open();
        errno = err;
        return fd;
    }
};

} // namespace wsstool
