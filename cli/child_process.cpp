#include "cli/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <thread>

extern char** environ;

namespace taravin::cli {

namespace {

// A line longer than this is handed over in pieces, so a child cannot fill the memory.
constexpr std::size_t kMaxLineLength = 1 << 20;
constexpr std::chrono::milliseconds kExitPoll{5};
constexpr std::chrono::milliseconds kGraceOnClose{500};

void ignoreBrokenPipes() {
    static std::once_flag once;
    std::call_once(once, [] { ::signal(SIGPIPE, SIG_IGN); });
}

void closeDescriptor(int& descriptor) {
    if (descriptor >= 0) {
        ::close(descriptor);
        descriptor = -1;
    }
}

int exitCodeOf(int status) {
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : status;
}

// Spawn settings: its own process group, default SIGPIPE and no blocked signals in the child.
class SpawnSettings {
  public:
    SpawnSettings(int childInput, int childOutput) {
        posix_spawn_file_actions_init(&actions_);
        posix_spawn_file_actions_adddup2(&actions_, childInput, STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions_, childOutput, STDOUT_FILENO);
        posix_spawnattr_init(&attributes_);
        posix_spawnattr_setflags(
            &attributes_, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
        posix_spawnattr_setpgroup(&attributes_, 0);
        sigset_t signals;
        sigemptyset(&signals);
        posix_spawnattr_setsigmask(&attributes_, &signals);
        sigaddset(&signals, SIGPIPE);
        posix_spawnattr_setsigdefault(&attributes_, &signals);
    }
    ~SpawnSettings() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    const posix_spawn_file_actions_t* actions() const { return &actions_; }
    const posix_spawnattr_t* attributes() const { return &attributes_; }

  private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

}  // namespace

std::unique_ptr<ChildProcess> ChildProcess::start(const std::string& command, std::string& error) {
    ignoreBrokenPipes();
    // Close-on-exec, so that no other child keeps these pipes open.
    int toChild[2];
    int fromChild[2];
    if (::pipe2(toChild, O_CLOEXEC) != 0) {
        error = std::string("cannot make a pipe: ") + std::strerror(errno);
        return nullptr;
    }
    if (::pipe2(fromChild, O_CLOEXEC) != 0) {
        error = std::string("cannot make a pipe: ") + std::strerror(errno);
        ::close(toChild[0]);
        ::close(toChild[1]);
        return nullptr;
    }
    const std::string script = "exec " + command;
    const char* arguments[] = {"sh", "-c", script.c_str(), nullptr};
    pid_t pid = 0;
    int status = 0;
    {
        const SpawnSettings settings(toChild[0], fromChild[1]);
        status = ::posix_spawn(&pid, "/bin/sh", settings.actions(), settings.attributes(),
                               const_cast<char* const*>(arguments), environ);
    }
    ::close(toChild[0]);
    ::close(fromChild[1]);
    if (status != 0) {
        error = "cannot start " + command + ": " + std::strerror(status);
        ::close(toChild[1]);
        ::close(fromChild[0]);
        return nullptr;
    }
    return std::unique_ptr<ChildProcess>(new ChildProcess(pid, toChild[1], fromChild[0]));
}

ChildProcess::~ChildProcess() {
    closeInput();
    if (!waitForExit(kGraceOnClose)) {
        kill();
    }
    closeDescriptor(output_);
}

bool ChildProcess::writeLine(const std::string& line) {
    if (input_ < 0) {
        return false;
    }
    const std::string text = line + "\n";
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(input_, text.data() + written, text.size() - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    return true;
}

void ChildProcess::closeInput() {
    closeDescriptor(input_);
}

ChildProcess::ReadStatus ChildProcess::readLine(std::string& line,
                                                std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const std::size_t end = buffer_.find('\n');
        if (end != std::string::npos || buffer_.size() >= kMaxLineLength ||
            (outputEnded_ && !buffer_.empty())) {
            const std::size_t length = std::min<std::size_t>({end, buffer_.size(), kMaxLineLength});
            line = buffer_.substr(0, length);
            buffer_.erase(0, end == std::string::npos ? length : end + 1);
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            return ReadStatus::kLine;
        }
        if (outputEnded_) {
            return ReadStatus::kClosed;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return ReadStatus::kTimeout;
        }
        pollfd ready{output_, POLLIN, 0};
        const int polled = ::poll(&ready, 1, static_cast<int>(left.count()));
        if (polled < 0 && errno != EINTR) {
            outputEnded_ = true;
        }
        if (polled <= 0) {
            continue;
        }
        char chunk[4096];
        const ssize_t count = ::read(output_, chunk, sizeof chunk);
        if (count > 0) {
            buffer_.append(chunk, static_cast<std::size_t>(count));
        } else if (count == 0 || errno != EINTR) {
            outputEnded_ = true;
        }
    }
}

void ChildProcess::kill() {
    if (exitCode_) {
        return;
    }
    ::kill(-pid_, SIGKILL);
    ::kill(pid_, SIGKILL);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    exitCode_ = exitCodeOf(status);
}

std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!exitCode_) {
        int status = 0;
        const pid_t reaped = ::waitpid(pid_, &status, WNOHANG);
        if (reaped == pid_) {
            exitCode_ = exitCodeOf(status);
        } else if (reaped < 0 && errno != EINTR) {
            exitCode_ = -1;
        } else if (std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        } else {
            std::this_thread::sleep_for(kExitPoll);
        }
    }
    return exitCode_;
}

}  // namespace taravin::cli
