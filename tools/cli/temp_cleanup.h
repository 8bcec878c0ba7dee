#pragma once

// The hidden temporary files a run writes its outputs to, and their removal when a signal ends the
// run. A signal handler may only read memory set aside beforehand and call async-signal-safe
// functions such as unlink(), so the names wait in a fixed table here, which the handler alone
// reads; a slot of the table is taken and given back only by createTempFile() and
// releaseTempFile(), under SignalBlock.

#include <csignal>
#include <cstddef>
#include <string>

namespace wsstool {

// Temporary files at once: the one being written, and the 64 an output batch holds.
inline constexpr std::size_t kTempFileSlots = 65;

// Every signal whose default action ends the process (SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1,
// SIGUSR2, SIGALRM, the real-time signals, ... and faults such as SIGSEGV) removes the listed
// temporary files, then ends the process by that signal. A signal the tool was started with set
// to be ignored (nohup, a background job's SIGINT) stays ignored, and a handler installed before
// (a sanitizer's) stays in place. SIGPIPE and SIGXFSZ are ignored: a write to a reader that has
// gone (an error output piped into `head`) fails with EPIPE, and one past a file size limit with
// EFBIG, and the run goes on.
void installSignalHandlers();

// The run is over and `exitCode` says how it went: every output is in place or removed, and the
// messages are written. A fault from here on (in the C library's or a library's clean-up at exit)
// ends the process with that code instead of turning a finished run into a failure.
void runFinished(int exitCode);

// Holds back, for its lifetime and in the calling thread, every signal that can arrive from
// outside (all those above but the faults): for steps a signal must not cut in two.
class SignalBlock
{
public:
    SignalBlock();
    ~SignalBlock();
    SignalBlock(const SignalBlock &) = delete;
    SignalBlock &operator=(const SignalBlock &) = delete;

    // The signal mask before, for a thread that is to take those signals.
    const sigset_t &previous() const { return old_; }

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
