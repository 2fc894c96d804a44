#pragma once

#include <csignal>

#include <sys/resource.h>

namespace taravin {

// Simulates a full disk for this process: writes past `bytes` fail with EFBIG instead of
// raising SIGXFSZ. Works without privileges or a mount, so it runs on any test machine; the
// limit holds for every file the process writes, output redirected to a file included.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) : previousSignal_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit previous_{};
    void (*previousSignal_)(int);
};

}  // namespace taravin
