#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "search/worker_pool.h"

namespace taravin {
namespace {

// Records who ran each item and checks the order promised to each participant.
class CountingBatch : public Batch {
  public:
    CountingBatch(int count, int participants)
        : runs_(static_cast<std::size_t>(count)), last_(static_cast<std::size_t>(participants)) {}

    void begin(int participant) override { last_[static_cast<std::size_t>(participant)].item = -1; }

    void run(int participant, int item) override {
        int& last = last_[static_cast<std::size_t>(participant)].item;
        if (item <= last) {
            outOfOrder_ = true;
        }
        last = item;
        // Helpers are slow now and then, as on a busy machine, so that the caller takes over
        // items they claimed.
        if (participant != 0 && item % 7 == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        // Each item takes a few microseconds, long enough for the helpers to join.
        const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(3);
        while (std::chrono::steady_clock::now() < until) {
        }
        runs_[static_cast<std::size_t>(item)].fetch_add(1);
    }

    bool eachRanOnce() const {
        for (const auto& runs : runs_) {
            if (runs.load() != 1) {
                return false;
            }
        }
        return true;
    }
    bool outOfOrder() const { return outOfOrder_; }

  private:
    struct alignas(64) Cursor {
        int item = -1;
    };
    std::vector<std::atomic<int>> runs_;
    std::vector<Cursor> last_;
    std::atomic<bool> outOfOrder_{false};
};

// More participants than this machine has cores: helpers come late or lose their core, and
// every item must still run exactly once, in increasing order between a participant's begins.
TEST(WorkerPool, RunsEveryItemOnceInOrderWhateverTheHelpersDo) {
    constexpr int kParticipants = 4;
    WorkerPool pool(kParticipants);
    for (int round = 0; round < 300; ++round) {
        const int count = (round * 37) % 700;
        CountingBatch batch(count, kParticipants);
        pool.run(batch, count);
        ASSERT_TRUE(batch.eachRanOnce()) << "batch of " << count;
        ASSERT_FALSE(batch.outOfOrder()) << "batch of " << count;
    }
}

}  // namespace
}  // namespace taravin
