#include "temp_cleanup.h"

#include "worker_thread.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace wsstool {

namespace {

constexpr std::size_t kTempPathMax = 4096;

// A slot of the table: free, taken while its name is written, or listed for the handler.
enum SlotState : int { kFree, kTaken, kListed };
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the slots' states");

std::array<std::array<char, kTempPathMax>, kTempFileSlots> g_tempPaths;
std::array<std::atomic<int>, kTempFileSlots> g_tempState;

// The signals from outside whose default action ends the process (SIGPIPE and SIGXFSZ are
// ignored instead), besides the real-time signals.
constexpr int kOutsideSignals[] = {
    SIGHUP, SIGINT, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGTERM, SIGSTKFLT, SIGXCPU, SIGVTALRM, SIGPROF, SIGIO, SIGPWR};

sigset_t outsideSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int sig : kOutsideSignals)
        sigaddset(&set, sig);
    for (int sig = SIGRTMIN; sig <= SIGRTMAX; ++sig)
        sigaddset(&set, sig);
    return set;
}

// The exit code of a run that is over, or -1 while it runs.
std::atomic<int> g_finishedWith{-1};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the run's end");

bool isFault(int sig)
{
    for (const int fault : wss::kFaultSignals)
        if (sig == fault)
            return true;
    return false;
}

extern "C" void removeTempAndDie(int sig)
{
    if (const int code = g_finishedWith.load(std::memory_order_acquire); code >= 0 && isFault(sig))
        ::_exit(code);
    for (std::size_t i = 0; i < kTempFileSlots; ++i)
        if (g_tempState[i].load(std::memory_order_acquire) == kListed)
            ::unlink(g_tempPaths[i].data());
    // SA_RESETHAND put back the default action; it takes effect once this handler returns.
    ::raise(sig);
}

// Handles `sig` unless it is ignored or handled already.
void handle(int sig)
{
    struct sigaction old
    {
    };
    if (sigaction(sig, nullptr, &old) != 0 || (old.sa_flags & SA_SIGINFO) != 0 || old.sa_handler != SIG_DFL)
        return;
    struct sigaction sa
    {
    };
    sa.sa_handler = removeTempAndDie;
    // On the thread's alternate stack: a fault may come from a stack that is used up.
    sa.sa_flags = SA_RESETHAND | SA_ONSTACK;
    sigfillset(&sa.sa_mask); // no other signal cuts into the removal
    sigaction(sig, &sa, nullptr);
}

// The only places a slot changes hands: taken for a new file's name, and given back.
int takeSlot()
{
    for (std::size_t i = 0; i < kTempFileSlots; ++i) {
        int expected = kFree;
        if (g_tempState[i].compare_exchange_strong(expected, kTaken, std::memory_order_acq_rel))
            return int(i);
    }
    return -1;
}

void giveBackSlot(int slot)
{
    if (slot >= 0)
        g_tempState[std::size_t(slot)].store(kFree, std::memory_order_release);
}

} // namespace

void installSignalHandlers()
{
    static const wss::AlternateSignalStack mainThread; // each WorkerThread has its own
    for (const int sig : kOutsideSignals)
        handle(sig);
    for (int sig = SIGRTMIN; sig <= SIGRTMAX; ++sig)
        handle(sig);
    for (const int sig : wss::kFaultSignals)
        handle(sig);
    // A reader that has gone away, or a file size limit, fails the write instead of ending the run.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

void runFinished(int exitCode)
{
    g_finishedWith.store(exitCode, std::memory_order_release);
}

SignalBlock::SignalBlock()
{
    const sigset_t set = outsideSignals();
    pthread_sigmask(SIG_BLOCK, &set, &old_);
}

SignalBlock::~SignalBlock()
{
    pthread_sigmask(SIG_SETMASK, &old_, nullptr);
}

TempFile createTempFile(const std::string &pattern)
{
    TempFile file;
    if (pattern.size() >= kTempPathMax) {
        file.error = ENAMETOOLONG;
        return file;
    }
    SignalBlock block;
    const int slot = takeSlot();
    if (slot < 0) {
        file.error = EMFILE; // more files open than a batch holds: cannot happen
        return file;
    }
    char *path = g_tempPaths[std::size_t(slot)].data();
    std::memcpy(path, pattern.c_str(), pattern.size() + 1);
    file.fd = ::mkostemp(path, O_CLOEXEC);
    if (file.fd < 0) {
        file.error = errno;
        giveBackSlot(slot);
        return file;
    }
    file.path = path;
    file.slot = slot;
    g_tempState[std::size_t(slot)].store(kListed, std::memory_order_release);
    return file;
}

void releaseTempFile(int slot, const std::string &path, bool removeFile)
{
    SignalBlock block;
    if (removeFile)
        ::unlink(path.c_str());
    giveBackSlot(slot);
}

} // namespace wsstool
