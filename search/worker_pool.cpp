#include "search/worker_pool.h"

#include <algorithm>

namespace taravin {

WorkerPool::WorkerPool(int participants) {
    for (int participant = 1; participant < std::max(participants, 1); ++participant) {
        threads_.emplace_back([this, participant] { work(participant); });
    }
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    started_.notify_all();
    for (std::thread& thread : threads_) {
        thread.join();
    }
}

void WorkerPool::take(Batch& batch, int participant) {
    bool begun = false;
    for (int item = next_.fetch_add(1); item < count_; item = next_.fetch_add(1)) {
        if (!begun) {
            batch.begin(participant);
            begun = true;
        }
        batch.run(participant, item);
    }
}

void WorkerPool::run(Batch& batch, int count) {
    if (threads_.empty() || count <= 1) {
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
        next_.store(0);
        busy_ = static_cast<int>(threads_.size());
        ++generation_;
    }
    started_.notify_all();
    take(batch, 0);
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return busy_ == 0; });
    batch_ = nullptr;
}

void WorkerPool::work(int participant) {
    uint64_t seen = 0;
    for (;;) {
        Batch* batch = nullptr;
        {
            std::unique_lock lock(mutex_);
            started_.wait(lock, [&] { return stopping_ || generation_ != seen; });
            if (stopping_) {
                return;
            }
            seen = generation_;
            batch = batch_;
        }
        take(*batch, participant);
        {
            std::lock_guard lock(mutex_);
            --busy_;
        }
        finished_.notify_one();
    }
}

int machineThreadCount() {
    return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace taravin
