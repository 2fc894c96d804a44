#include "search/worker_pool.h"

#include <algorithm>

namespace taravin {

namespace {

// The fewest items claimed at a time. A claim moves the shared counter's cache line between
// cores, so chunks grow with the batch: about four claims per participant.
constexpr int kChunkItems = 8;
constexpr int kClaimsPerParticipant = 4;
// Polls for the next batch before a helper sleeps: a node's batches follow each other within
// microseconds, faster than a sleeping thread wakes.
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
        stopping_.store(true, std::memory_order_release);
        generation_.fetch_add(1, std::memory_order_release);
    }
    started_.notify_all();
    for (std::thread& thread : threads_) {
        thread.join();
    }
}

void WorkerPool::takeChunks(Batch& batch, int participant, int count) {
    const int chunk = std::max(kChunkItems, count / (participants() * kClaimsPerParticipant));
    bool begun = false;
    for (;;) {
        const int first = nextItem_.fetch_add(chunk, std::memory_order_relaxed);
        if (first >= count) {
            return;
        }
        if (!begun) {
            batch.begin(participant);
            begun = true;
        }
        for (int item = first; item < std::min(first + chunk, count); ++item) {
            batch.run(participant, item);
        }
    }
}

void WorkerPool::run(Batch& batch, int count) {
    if (threads_.empty() || count <= kChunkItems) {
        for (int item = 0; item < count; ++item) {
            if (item == 0) {
                batch.begin(0);
            }
            batch.run(0, item);
        }
        return;
    }
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        batch_ = &batch;
        count_ = count;
        nextItem_.store(0, std::memory_order_relaxed);
        open_.store(true, std::memory_order_seq_cst);
        generation_.fetch_add(1, std::memory_order_release);
        wake = sleepers_ > 0;
    }
    if (wake) {
        started_.notify_all();
    }
    takeChunks(batch, 0, count);
    // Helpers that came in before the close finish their chunks; later ones stay out.
    open_.store(false, std::memory_order_seq_cst);
    while (inside_.load(std::memory_order_seq_cst) != 0) {
        std::this_thread::yield();
    }
}

void WorkerPool::waitForBatch(uint64_t seen) {
    for (int poll = 0; poll < kSpinPolls; ++poll) {
        if (generation_.load(std::memory_order_acquire) != seen) {
            return;
        }
        std::this_thread::yield();
    }
    std::unique_lock lock(mutex_);
    ++sleepers_;
    started_.wait(lock, [&] { return generation_.load(std::memory_order_acquire) != seen; });
    --sleepers_;
}

void WorkerPool::work(int participant) {
    uint64_t seen = 0;
    for (;;) {
        waitForBatch(seen);
        seen = generation_.load(std::memory_order_acquire);
        inside_.fetch_add(1, std::memory_order_seq_cst);
        if (open_.load(std::memory_order_seq_cst) &&
            generation_.load(std::memory_order_seq_cst) == seen) {
            takeChunks(*batch_, participant, count_);
        }
        inside_.fetch_sub(1, std::memory_order_seq_cst);
        if (stopping_.load(std::memory_order_acquire)) {
            return;
        }
    }
}

int machineThreadCount() {
    return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace taravin
