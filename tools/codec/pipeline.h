#pragma once

// Chunks of work on worker threads, handed back in the order they were made. A written-out queue
// rather than a library: what is needed is this one ordering rule, and the standard library has
// no thread pool.

#include "worker_thread.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <system_error>
#include <utility>
#include <vector>

namespace wss {

// Chunks go round a few slots: the caller's thread fills a slot (produce), a worker codes it
// (work), and the caller's thread empties the slots in the order it filled them (consume). With
// no workers, the caller's thread codes each chunk itself.
template <typename Slot> class Pipeline
{
public:
    Pipeline(unsigned workers, std::function<void(Slot &)> work)
        : work_(std::move(work))
        , slots_(workers == 0 ? 1 : 2 * std::size_t(workers) + 1)
    {
        // A thread that cannot be started is done without: fewer workers, or none, code the same.
        // The workers take no signal from outside (SIGINT, SIGTERM, ...): those reach the caller's
        // thread, whose handler and blocked steps (the tools' SignalBlock) then see them.
        try {
            for (unsigned i = 0; i < workers; ++i)
                threads_.emplace_back(kWorkerStack, [this] { serve(); });
        } catch (const std::system_error &) { }
    }

    ~Pipeline()
    {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        ready_.notify_all();
        for (auto &t : threads_)
            t.join();
    }

    Pipeline(const Pipeline &) = delete;
    Pipeline &operator=(const Pipeline &) = delete;

    // produce(slot) fills a slot and returns false when there is nothing more to code after it;
    // consume(slot) is called for each filled slot in order, and returns false to stop early.
    template <typename Produce, typename Consume> void run(Produce produce, Consume consume)
    {
        std::size_t next = 0, oldest = 0, inFlight = 0;
        bool more = true;
        while (more || inFlight > 0) {
            if (more && inFlight < slots_.size()) {
                Slot &slot = slots_[next % slots_.size()].slot;
                more = produce(slot);
                if (threads_.empty()) {
                    work_(slot);
                    if (!consume(slot))
                        return;
                    continue;
                }
                {
                    std::lock_guard lock(mutex_);
                    slots_[next % slots_.size()].done = false;
                    queue_.push_back(next % slots_.size());
                }
                ready_.notify_one();
                ++next;
                ++inFlight;
                continue;
            }
            Entry &e = slots_[oldest % slots_.size()];
            awaitDone(e);
            ++oldest;
            --inFlight;
            if (!consume(e.slot))
                return;
        }
    }

private:
    struct Entry
    {
        Slot slot;
        bool done = false;
    };

    // Waits for a slot to be worked, meanwhile working waiting slots itself (the oldest first,
    // which may be this one): the caller's thread codes instead of sleeping, so that one worker
    // fewer than the processors keeps them all busy, and the caller's thread, which reads and
    // writes, never waits for a processor behind the workers.
    void awaitDone(Entry &e)
    {
        std::unique_lock lock(mutex_);
        while (!e.done) {
            if (queue_.empty()) {
                done_.wait(lock);
                continue;
            }
            const std::size_t i = queue_.front();
            queue_.pop_front();
            lock.unlock();
            work_(slots_[i].slot);
            lock.lock();
            slots_[i].done = true;
        }
    }

    void serve()
    {
        for (;;) {
            std::size_t i;
            {
                std::unique_lock lock(mutex_);
                ready_.wait(lock, [&] { return stop_ || !queue_.empty(); });
                if (stop_)
                    return;
                i = queue_.front();
                queue_.pop_front();
            }
            work_(slots_[i].slot);
            {
                std::lock_guard lock(mutex_);
                slots_[i].done = true;
            }
            done_.notify_all();
        }
    }

    std::function<void(Slot &)> work_;
    std::vector<Entry> slots_;
    std::vector<WorkerThread> threads_;
    std::mutex mutex_;
    std::condition_variable ready_, done_;
    std::deque<std::size_t> queue_;
    bool stop_ = false;
};

} // namespace wss
