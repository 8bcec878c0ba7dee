#pragma once

// The hidden temporary files a run writes its outputs to, and their removal when SIGINT, SIGTERM
// or SIGHUP ends the run. A signal handler may only read memory set aside beforehand and call
// async-signal-safe functions such as unlink(), so the names wait in a fixed table here, which the
// handler alone reads.

#include <csignal>
#include <cstddef>
#include <string>

namespace wsstool {

// Temporary files at once: the one being written, and the 64 an output batch holds.
inline constexpr std::size_t kTempFileSlots = 65;

// Removes the listed temporary files on SIGINT, SIGTERM and SIGHUP, then ends the process by that
// signal. SIGXFSZ is ignored, so that a write past a file size limit fails with EFBIG and is
// reported instead of ending the process.
void installSignalHandlers();

// Holds SIGINT, SIGTERM and SIGHUP back for its lifetime: for steps a signal must not cut in two.
class SignalBlock
{
public:
    SignalBlock();
    ~SignalBlock();
    SignalBlock(const SignalBlock &) = delete;
    SignalBlock &operator=(const SignalBlock &) = delete;

private:
    sigset_t old_;
};

struct TempFile
{
    int fd = -1; // -1 when it could not be made; `error` says why
    int error = 0;
    int slot = -1; // its place in the table
    std::string path;
};

// Makes a new file from `pattern` (ending in "XXXXXX", as mkostemp() wants) and lists it for
// removal by a signal.
TempFile createTempFile(const std::string &pattern);
// Takes the file off the list, removing it first unless it has taken its final name
// (`removeFile` false). Either way under SignalBlock, so that a signal sees it listed or gone.
void releaseTempFile(int slot, const std::string &path, bool removeFile);

} // namespace wsstool
