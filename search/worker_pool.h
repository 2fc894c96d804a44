#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace taravin {

// Work split over the participants of a pool. A participant gets begin() before its first
// item and again before it goes back to an earlier one; between two begins its items come in
// increasing order. Every item runs exactly once.
class Batch {
  public:
    virtual ~Batch() = default;
    virtual void begin(int participant) = 0;
    virtual void run(int participant, int item) = 0;
};

// Threads kept for the pool's life that help the caller, participant 0, with one batch at a
// time. Participants claim chunks of items from a shared counter and take each item by
// stamping it. The caller never waits for a helper to come, and at the end it runs the items a
// helper claimed but has not begun, so it waits only for items a helper is running: on a busy
// machine a helper that lost its core holds up nothing. With one participant everything runs
// on the caller, in item order.
class WorkerPool {
  public:
    explicit WorkerPool(int participants);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    int participants() const { return static_cast<int>(threads_.size()) + 1; }
    // Runs every item of [0, count) and returns when all are done.
    void run(Batch& batch, int count);

  private:
    using Stamp = std::atomic<uint64_t>;

    void work(int participant);
    void waitForBatch(uint64_t seen);
    // Claims chunks of the batch of `generation` and runs the items it takes, until none is
    // left or the batch is over.
    void takeChunks(Batch& batch, int participant, int count, uint64_t generation, Stamp* stamps);
    Stamp* stampsFor(int count);

    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable started_;
    int sleepers_ = 0;
    std::atomic<bool> stopping_{false};
    // The batch helpers may join: written before openGeneration_ names it, so a helper that
    // reads them and then finds its generation still open has this batch's values.
    std::atomic<Batch*> batch_{nullptr};
    std::atomic<int> count_{0};
    std::atomic<Stamp*> stamps_{nullptr};
    std::atomic<uint64_t> openGeneration_{0};
    std::atomic<uint64_t> generation_{0};
    // Per item, 2g while a participant runs it in the batch of generation g and 2g + 1 once it
    // is done. Earlier arrays are kept: a helper late for its batch may still read one.
    std::vector<std::unique_ptr<Stamp[]>> stampArrays_;
    int stampCapacity_ = 0;
    // The batch's generation in the high half, the next unclaimed item in the low half.
    alignas(64) std::atomic<uint64_t> nextClaim_{0};
};

// The participants a pool should have on this machine: one per hardware thread.
int machineThreadCount();

}  // namespace taravin
