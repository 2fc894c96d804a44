#include "search/worker_pool.h"

#include <algorithm>
#include <chrono>

namespace taravin {

namespace {

// The fewest items claimed at a time. A claim moves the shared counter's cache line between
// cores, so chunks grow with the batch: about four claims per participant.
constexpr int kChunkItems = 8;
constexpr int kClaimsPerParticipant = 4;
// How long a helper polls for the next batch before it sleeps: a node's batches follow each
// other within microseconds, faster than a sleeping thread wakes, but a helper that polls
// longer takes the core from others when the machine is busy.
constexpr std::chrono::microseconds kPollTime{50};
constexpr uint64_t kItemBits = 0xFFFFFFFFu;

// One poll's pause: the processor's spin-wait hint, which costs no system call.
void pauseBetweenPolls() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#else
    std::this_thread::yield();
#endif
}

uint64_t claimTag(uint64_t generation) {
    return (generation & kItemBits) << 32;
}

uint64_t runningStamp(uint64_t generation) {
    return 2 * generation;
}

// Takes the item for the caller unless a participant has taken it in this batch.
bool take(std::atomic<uint64_t>& stamp, uint64_t generation) {
    uint64_t seen = stamp.load(std::memory_order_acquire);
    while (seen < runningStamp(generation)) {
        if (stamp.compare_exchange_weak(seen, runningStamp(generation),
                                        std::memory_order_acq_rel)) {
            return true;
        }
    }
    return false;
}

}  // namespace

WorkerPool::WorkerPool(int participants) {
    for (int participant = 1; participant < std::max(participants, 1); ++participant) {
        threads_.emplace_back([this, participant] { work(participant); });
    }
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_.store(true);
        generation_.fetch_add(1);
    }
    started_.notify_all();
    for (std::thread& thread : threads_) {
        thread.join();
    }
}

WorkerPool::Stamp* WorkerPool::stampsFor(int count) {
    if (count > stampCapacity_) {
        stampCapacity_ = std::max(count, 2 * stampCapacity_);
        // Value-initialised: stamp 0 belongs to no batch.
        stampArrays_.push_back(std::make_unique<Stamp[]>(static_cast<std::size_t>(stampCapacity_)));
    }
    return stampArrays_.back().get();
}

void WorkerPool::takeChunks(Batch& batch, int participant, int count, uint64_t generation,
                            Stamp* stamps) {
    const int chunk = std::max(kChunkItems, count / (participants() * kClaimsPerParticipant));
    bool begun = false;
    for (;;) {
        uint64_t claim = nextClaim_.load();
        int first = 0;
        do {
            first = static_cast<int>(claim & kItemBits);
            if ((claim & ~kItemBits) != claimTag(generation) || first >= count) {
                return;
            }
        } while (!nextClaim_.compare_exchange_weak(claim, claim + static_cast<uint64_t>(chunk)));
        for (int item = first; item < std::min(first + chunk, count); ++item) {
            Stamp& stamp = stamps[item];
            if (!take(stamp, generation)) {
                continue;
            }
            if (!begun) {
                batch.begin(participant);
                begun = true;
            }
            batch.run(participant, item);
            stamp.store(runningStamp(generation) + 1, std::memory_order_release);
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
    uint64_t generation = 0;
    Stamp* stamps = nullptr;
    {
        std::lock_guard lock(mutex_);
        stamps = stampsFor(count);
        generation = generation_.load() + 1;
        batch_.store(&batch);
        count_.store(count);
        stamps_.store(stamps);
        nextClaim_.store(claimTag(generation));
        openGeneration_.store(generation);
        generation_.store(generation);
        wake = sleepers_ > 0;
    }
    if (wake) {
        started_.notify_all();
    }
    takeChunks(batch, 0, count, generation, stamps);
    openGeneration_.store(0);
    // Every item is claimed now: run those that no helper has begun, then wait for the others.
    bool restarted = false;
    for (int item = 0; item < count; ++item) {
        Stamp& stamp = stamps[item];
        if (take(stamp, generation)) {
            if (!restarted) {
                batch.begin(0);
                restarted = true;
            }
            batch.run(0, item);
            stamp.store(runningStamp(generation) + 1, std::memory_order_release);
        }
    }
    for (int item = 0; item < count; ++item) {
        while (stamps[item].load(std::memory_order_acquire) == runningStamp(generation)) {
            std::this_thread::yield();
        }
    }
}

void WorkerPool::waitForBatch(uint64_t seen) {
    const auto deadline = std::chrono::steady_clock::now() + kPollTime;
    for (int poll = 1;; ++poll) {
        if (generation_.load(std::memory_order_acquire) != seen) {
            return;
        }
        // The clock is read now and then; a pause is far shorter than a read.
        if (poll % 64 == 0 && std::chrono::steady_clock::now() > deadline) {
            break;
        }
        pauseBetweenPolls();
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
        // The generation first: read after the stop, it would be the stop's own, and the
        // next wait would never end.
        seen = generation_.load();
        if (stopping_.load()) {
            return;
        }
        Batch* batch = batch_.load();
        const int count = count_.load();
        Stamp* stamps = stamps_.load();
        if (openGeneration_.load() == seen) {
            takeChunks(*batch, participant, count, seen, stamps);
        }
    }
}

int machineThreadCount() {
    return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace taravin
