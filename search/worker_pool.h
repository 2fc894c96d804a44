#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace taravin {

// Work split over the participants of a pool. Each participant that takes part gets begin()
// once, before its first item, then a contiguous share of the items in increasing order.
class Batch {
  public:
    virtual ~Batch() = default;
    virtual void begin(int participant) = 0;
    virtual void run(int participant, int item) = 0;
};

// Threads kept for the pool's life that run one batch at a time together with the caller, who
// is participant 0. With one participant everything runs on the caller, in item order.
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
    void take(Batch& batch, int participant, int count);

    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable started_;
    std::condition_variable finished_;
    Batch* batch_ = nullptr;
    int count_ = 0;
    bool stopping_ = false;
    std::atomic<uint64_t> generation_{0};
    std::atomic<int> busy_{0};
};

// The participants a pool should have on this machine: one per hardware thread.
int machineThreadCount();

}  // namespace taravin
