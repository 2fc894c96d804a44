#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <thread>

#include "cli/child_process.h"

namespace taravin {
namespace {

using namespace std::chrono_literals;
using cli::ChildProcess;

std::unique_ptr<ChildProcess> start(const std::string& command) {
    std::string error;
    auto child = ChildProcess::start(command, error);
    EXPECT_TRUE(child) << error;
    return child;
}

bool reaped(pid_t pid) {
    return ::waitpid(pid, nullptr, WNOHANG) < 0 && errno == ECHILD;
}

// Whether the process has ended: gone, or a zombie waiting for whoever adopted it.
bool endedWithin(pid_t pid, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        const std::size_t state = text.rfind(')');
        if (!stat || (state != std::string::npos && text.compare(state, 3, ") Z") == 0)) {
            return true;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(10ms);
    }
}

TEST(ChildProcess, LinesBothWaysAndTheEndOfOutput) {
    const auto child = start("cat");
    ASSERT_TRUE(child->writeLine("hello"));
    ASSERT_TRUE(child->writeLine("world\r"));
    std::string line;
    EXPECT_EQ(child->readLine(line, 5s), ChildProcess::ReadStatus::kLine);
    EXPECT_EQ(line, "hello");
    EXPECT_EQ(child->readLine(line, 5s), ChildProcess::ReadStatus::kLine);
    EXPECT_EQ(line, "world") << "a CR before the line end is dropped";
    EXPECT_EQ(child->readLine(line, 20ms), ChildProcess::ReadStatus::kTimeout);
    child->closeInput();
    EXPECT_EQ(child->readLine(line, 5s), ChildProcess::ReadStatus::kClosed);
    EXPECT_EQ(child->waitForExit(5s), 0);
    EXPECT_TRUE(reaped(child->pid()));
}

TEST(ChildProcess, KillEndsTheWholeGroupAndReapsTheChild) {
    const auto child = start("sh -c 'sleep 30 & echo $!; wait'");
    std::string line;
    ASSERT_EQ(child->readLine(line, 5s), ChildProcess::ReadStatus::kLine);
    const pid_t grandchild = static_cast<pid_t>(std::stol(line));
    child->kill();
    EXPECT_TRUE(reaped(child->pid()));
    EXPECT_EQ(child->waitForExit(0ms), 128 + SIGKILL);
    EXPECT_TRUE(endedWithin(grandchild, 5s)) << "what the child started ends with it";
}

TEST(ChildProcess, AHungChildIsKilledOnDestructionAndAGoneOneCannotBreakUs) {
    pid_t pid = 0;
    {
        const auto hung = start("sh -c 'trap \"\" TERM; while :; do sleep 1; done'");
        pid = hung->pid();
    }
    EXPECT_TRUE(reaped(pid));

    const auto gone = start("true");
    EXPECT_EQ(gone->waitForExit(5s), 0);
    EXPECT_FALSE(gone->writeLine("anyone there?")) << "no SIGPIPE, just a failed write";

    const auto missing = start("/nonexistent/engine");
    std::string line;
    EXPECT_EQ(missing->readLine(line, 5s), ChildProcess::ReadStatus::kClosed);
    EXPECT_EQ(missing->waitForExit(5s), 127);
}

}  // namespace
}  // namespace taravin
