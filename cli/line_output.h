#pragma once

#include <cstdio>
#include <mutex>
#include <string>

namespace taravin::cli {

// Whole lines to a stream from any thread, each flushed at once.
class LineOutput {
  public:
    explicit LineOutput(std::FILE* stream) : stream_(stream) {}

    void line(const std::string& text) {
        std::lock_guard lock(mutex_);
        std::fputs(text.c_str(), stream_);
        std::fputc('\n', stream_);
        std::fflush(stream_);
    }

  private:
    std::mutex mutex_;
    std::FILE* stream_;
};

}  // namespace taravin::cli
