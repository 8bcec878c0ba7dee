#pragma once

// Threads with a stack of their own size and the signals they take set from the start. A thread
// made the usual way gets as much stack as RLIMIT_STACK says, so `ulimit -s 18` gave the coding
// threads 18 KiB; and a fault that used up a thread's stack could not even run its handler.

#include <csignal>
#include <cstddef>
#include <functional>

#include <pthread.h>

namespace wss {

// The signals a fault raises in the thread that causes it: they cannot be held back, only handled.
inline constexpr int kFaultSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGTRAP, SIGSYS, SIGABRT};

// Stack enough for the coding threads, whose deepest call (a lane kernel's tile) takes a few KiB.
inline constexpr std::size_t kWorkerStack = std::size_t(256) << 10;

// An alternate stack for signal handlers (sigaltstack) in the calling thread, for the object's
// life: a handler installed with SA_ONSTACK then runs even when the thread's own stack is used up.
class AlternateSignalStack
{
public:
    AlternateSignalStack();
    ~AlternateSignalStack();
    AlternateSignalStack(const AlternateSignalStack &) = delete;
    AlternateSignalStack &operator=(const AlternateSignalStack &) = delete;

private:
    void *memory_ = nullptr;
    std::size_t size_ = 0;
    stack_t old_{};
};

// A thread with `stackBytes` of stack and an alternate signal stack, running `body`, joined by the
// destructor. It takes only the faults (kFaultSignals), or the signals `mask` leaves unblocked.
// Throws std::system_error when it cannot be started.
class WorkerThread
{
public:
    WorkerThread(std::size_t stackBytes, std::function<void()> body);
    WorkerThread(std::size_t stackBytes, std::function<void()> body, const sigset_t &mask);
    ~WorkerThread();
    WorkerThread(WorkerThread &&other) noexcept;
    WorkerThread &operator=(WorkerThread &&) = delete;
    WorkerThread(const WorkerThread &) = delete;
    WorkerThread &operator=(const WorkerThread &) = delete;

    void join();

private:
    pthread_t thread_{};
    bool joinable_ = false;
};

} // namespace wss
