#include "search/worker_pool.h"

#include <algorithm>

namespace taravin {

namespace {

// Below this many items a batch costs less on the caller alone than waking the others.
constexpr int kMinItemsToShare = 8;
// Polls of the shared counters before a participant sleeps: a node's batches follow each other
// within microseconds, faster than a sleeping thread wakes.
constexpr int kSpinPolls = 20000;

}  // namespace

WorkerPool::WorkerPool(int participants) {
    for (int participant = 1; participant < std::max(participants, 1); ++participant) {
        threads_.emplace_back([this, participant] { work(participant); });
    }
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        generation_.fetch_add(1, std::memory_order_release);
    }
    started_.notify_all();
    for (std::thread& thread : threads_) {
        thread.join();
    }
}

void WorkerPool::take(Batch& batch, int participant, int count) {
    // Contiguous shares keep each participant's items in increasing order.
    const int participants = this->participants();
    const int first = static_cast<int>(int64_t{count} * participant / participants);
    const int end = static_cast<int>(int64_t{count} * (participant + 1) / participants);
    for (int item = first; item < end; ++item) {
        if (item == first) {
            batch.begin(participant);
        }
        batch.run(participant, item);
    }
}

void WorkerPool::run(Batch& batch, int count) {
    if (threads_.empty() || count < kMinItemsToShare) {
        for (int item = 0; item < count; ++item) {
            if (item == 0) {
                batch.begin(0);
            }
            batch.run(0, item);
        }
        return;
    }
    {
        std::lock_guard lock(mutex_);
        batch_ = &batch;
        count_ = count;
        busy_.store(static_cast<int>(threads_.size()), std::memory_order_relaxed);
        generation_.fetch_add(1, std::memory_order_release);
    }
    started_.notify_all();
    take(batch, 0, count);
    for (int poll = 0; poll < kSpinPolls && busy_.load(std::memory_order_acquire) != 0; ++poll) {
        std::this_thread::yield();
    }
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return busy_.load(std::memory_order_acquire) == 0; });
}

void WorkerPool::work(int participant) {
    uint64_t seen = 0;
    for (;;) {
        for (int poll = 0;
             poll < kSpinPolls && generation_.load(std::memory_order_acquire) == seen; ++poll) {
            std::this_thread::yield();
        }
        Batch* batch = nullptr;
        int count = 0;
        {
            std::unique_lock lock(mutex_);
            started_.wait(lock, [&] { return generation_.load(std::memory_order_acquire) != seen; });
            if (stopping_) {
                return;
            }
            seen = generation_.load(std::memory_order_acquire);
            batch = batch_;
            count = count_;
        }
        take(*batch, participant, count);
        if (busy_.fetch_sub(1, std::memory_order_acq_rel) == 1) {
            std::lock_guard lock(mutex_);
            finished_.notify_one();
        }
    }
}

int machineThreadCount() {
    return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace taravin
