#pragma once

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace taravin::cli {

// A program spoken to line by line over two pipes: its standard input and output. It runs in
// a process group of its own, so that killing it also ends what it started; standard error
// is shared with this process. Destroying the object closes its input, gives it a moment to
// end and then kills it; the child is always reaped. Writing to a child that has gone fails
// instead of raising SIGPIPE, which this process ignores from the first start on.
class ChildProcess {
  public:
    // Starts `/bin/sh -c "exec COMMAND"`, so the command is split and quoted as a shell
    // does. Nothing, with a message in `error`, when the pipes or the process cannot be made.
    static std::unique_ptr<ChildProcess> start(const std::string& command, std::string& error);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Sends the line and its line end; false when the child no longer reads.
    bool writeLine(const std::string& line);
    // Ends the child's input (it reads end of file).
    void closeInput();

    enum class ReadStatus { kLine, kTimeout, kClosed };
    // The next line of the child's output without its line end, waiting at most `timeout`.
    // kClosed once the output has ended and every line was read.
    ReadStatus readLine(std::string& line, std::chrono::milliseconds timeout);

    // Kills the child's process group and reaps the child.
    void kill();
    // Waits at most `timeout` for the child to end by itself: its exit code, or 128 plus the
    // signal that ended it; nothing when it still runs.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);

    pid_t pid() const { return pid_; }

  private:
    ChildProcess(pid_t pid, int input, int output) : pid_(pid), input_(input), output_(output) {}

    pid_t pid_;
    int input_;
    int output_;
    std::optional<int> exitCode_;
    std::string buffer_;
    bool outputEnded_ = false;
};

}  // namespace taravin::cli
