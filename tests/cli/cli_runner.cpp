#include "cli_runner.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>

namespace taravin::testing {

CliRun runCli(const std::string& arguments, const std::string& input,
              std::chrono::milliseconds limit) {
    std::string error;
    const auto child =
        cli::ChildProcess::start(std::string(TARAVIN_CLI_PATH) + " " + arguments + " 2>&1", error);
    if (!child) {
        ADD_FAILURE() << error;
        return {};
    }
    child->writeLine(input);
    child->closeInput();
    CliRun run;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::string line;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const auto status = child->readLine(line, std::max(left, std::chrono::milliseconds(1)));
        if (status == cli::ChildProcess::ReadStatus::kLine) {
            run.output += line + "\n";
        } else {
            EXPECT_EQ(status, cli::ChildProcess::ReadStatus::kClosed)
                << "taravin-cli " << arguments << " ran too long";
            break;
        }
    }
    run.exitCode = child->waitForExit(limit).value_or(-1);
    return run;
}

std::unique_ptr<cli::ChildProcess> startCli(const std::string& arguments) {
    std::string error;
    auto child = cli::ChildProcess::start(std::string(TARAVIN_CLI_PATH) + " " + arguments, error);
    EXPECT_TRUE(child) << error;
    return child;
}

TemporaryFolder::TemporaryFolder() {
    static std::atomic<int> count{0};
    folder_ = std::filesystem::temp_directory_path() /
              ("taravin-cli-test-" + std::to_string(::getpid()) + "-" + std::to_string(++count));
    std::filesystem::create_directories(folder_);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string TemporaryFolder::write(const std::string& name, const std::string& text) const {
    std::ofstream(folder_ / name, std::ios::binary) << text;
    return path(name);
}

std::string TemporaryFolder::read(const std::string& name) const {
    std::ifstream file(folder_ / name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string quoted(const std::string& path) {
    std::string text = "'";
    for (const char c : path) {
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return text + "'";
}

}  // namespace taravin::testing
