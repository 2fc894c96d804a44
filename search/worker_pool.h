#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace taravin {

// Work split over the participants of a pool. Each participant that takes part gets begin()
// once, before its first item, then items in increasing order.
class Batch {
  public:
    virtual ~Batch() = default;
    virtual void begin(int participant) = 0;
    virtual void run(int participant, int item) = 0;
};

// Threads kept for the pool's life that help the caller, participant 0, with one batch at a
// time. The caller never waits for a helper to start: it claims items in chunks from a shared
// counter and helpers join as they come, so on a busy machine the caller simply does more of
// the work. With one participant everything runs on the caller, in item order.
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
    void work(int participant);
    // Claims and runs chunks of the open batch until none is left.
    void takeChunks(Batch& batch, int participant, int count);
    void waitForBatch(uint64_t seen);

    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable started_;
    int sleepers_ = 0;
    std::atomic<bool> stopping_{false};
    // Set by the caller before it announces a batch through generation_; read by helpers only
    // while they are counted in inside_ and the batch is open.
    Batch* batch_ = nullptr;
    int count_ = 0;
    std::atomic<uint64_t> generation_{0};
    std::atomic<bool> open_{false};
    std::atomic<int> inside_{0};
    alignas(64) std::atomic<int> nextItem_{0};
};

// The participants a pool should have on this machine: one per hardware thread.
int machineThreadCount();

}  // namespace taravin
