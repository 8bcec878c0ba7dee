#include "temp_cleanup.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace wsstool {

namespace {

constexpr std::size_t kTempPathMax = 4096;
std::array<std::array<char, kTempPathMax>, kTempFileSlots> g_tempPaths;
std::array<volatile std::sig_atomic_t, kTempFileSlots> g_tempActive;

extern "C" void removeTempAndDie(int sig)
{
    for (std::size_t i = 0; i < kTempFileSlots; ++i)
        if (g_tempActive[i])
            ::unlink(g_tempPaths[i].data());
    // SA_RESETHAND put back the default action; it takes effect once this handler returns.
    ::raise(sig);
}

} // namespace

void installSignalHandlers()
{
    struct sigaction sa
    {
    };
    sa.sa_handler = removeTempAndDie;
    sa.sa_flags = SA_RESETHAND;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        sigaction(sig, &sa, nullptr);
    // Past a file size limit, let write() fail with EFBIG and be reported, instead of dying.
    std::signal(SIGXFSZ, SIG_IGN);
}

SignalBlock::SignalBlock()
{
    sigset_t set;
    sigemptyset(&set);
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&set, sig);
    sigprocmask(SIG_BLOCK, &set, &old_);
}

SignalBlock::~SignalBlock()
{
    sigprocmask(SIG_SETMASK, &old_, nullptr);
}

TempFile createTempFile(const std::string &pattern)
{
    TempFile file;
    if (pattern.size() >= kTempPathMax) {
        file.error = ENAMETOOLONG;
        return file;
    }
    SignalBlock block;
    const auto free = std::find(g_tempActive.begin(), g_tempActive.end(), 0);
    if (free == g_tempActive.end()) {
        file.error = EMFILE; // more files open than a batch holds: cannot happen
        return file;
    }
    const auto slot = std::size_t(free - g_tempActive.begin());
    char *path = g_tempPaths[slot].data();
    std::memcpy(path, pattern.c_str(), pattern.size() + 1);
    file.fd = ::mkostemp(path, O_CLOEXEC);
    if (file.fd < 0) {
        file.error = errno;
        return file;
    }
    file.path = path;
    file.slot = int(slot);
    g_tempActive[slot] = 1;
    return file;
}

void releaseTempFile(int slot, const std::string &path, bool removeFile)
{
    SignalBlock block;
    if (removeFile)
        ::unlink(path.c_str());
    if (slot >= 0)
        g_tempActive[std::size_t(slot)] = 0;
}

} // namespace wsstool
