#include "worker_thread.h"

#include <algorithm>
#include <memory>
#include <system_error>

#include <sys/mman.h>
#include <unistd.h>

namespace wss {

namespace {

// Room for a handler that removes files and raises a signal, and for a sanitizer's report.
constexpr std::size_t kAlternateStack = std::size_t(64) << 10;

extern "C" void *runBody(void *arg)
{
    const std::unique_ptr<std::function<void()>> body(static_cast<std::function<void()> *>(arg));
    const AlternateSignalStack alternate;
    (*body)();
    return nullptr;
}

sigset_t faultsOnly()
{
    sigset_t set;
    sigfillset(&set);
    for (const int fault : kFaultSignals)
        sigdelset(&set, fault);
    return set;
}

} // namespace

AlternateSignalStack::AlternateSignalStack()
{
    size_ = std::max(kAlternateStack, std::size_t(std::max(::sysconf(_SC_SIGSTKSZ), 0L)));
    void *memory = ::mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
    if (memory == MAP_FAILED)
        return; // the handlers then run on the thread's own stack, as they would without
    stack_t stack{};
    stack.ss_sp = memory;
    stack.ss_size = size_;
    if (::sigaltstack(&stack, &old_) != 0) {
        ::munmap(memory, size_);
        return;
    }
    memory_ = memory;
}

AlternateSignalStack::~AlternateSignalStack()
{
    if (!memory_)
        return;
    ::sigaltstack(&old_, nullptr);
    ::munmap(memory_, size_);
}

WorkerThread::WorkerThread(std::size_t stackBytes, std::function<void()> body)
    : WorkerThread(stackBytes, std::move(body), faultsOnly())
{ }

WorkerThread::WorkerThread(std::size_t stackBytes, std::function<void()> body, const sigset_t &mask)
{
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, std::max<std::size_t>(stackBytes, PTHREAD_STACK_MIN));
    // Set before the thread's first instruction, so that no signal it must not take reaches it.
    pthread_attr_setsigmask_np(&attr, &mask);
    auto arg = std::make_unique<std::function<void()>>(std::move(body));
    const int err = pthread_create(&thread_, &attr, runBody, arg.get());
    pthread_attr_destroy(&attr);
    if (err != 0)
        throw std::system_error(err, std::generic_category());
    static_cast<void>(arg.release()); // the thread owns it now
    joinable_ = true;
}

WorkerThread::WorkerThread(WorkerThread &&other) noexcept
    : thread_(other.thread_)
    , joinable_(other.joinable_)
{
    other.joinable_ = false;
}

WorkerThread::~WorkerThread()
{
    join();
}

void WorkerThread::join()
{
    if (joinable_) {
        pthread_join(thread_, nullptr);
        joinable_ = false;
    }
}

} // namespace wss
