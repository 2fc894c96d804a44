#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "cli/child_process.h"

namespace taravin::testing {

// What a finished run of taravin-cli printed (standard output and error together).
struct CliRun {
    int exitCode = -1;
    std::string output;
};

// Runs `taravin-cli ARGUMENTS` (shell words) with the given input; fails the test when it
// runs longer than `limit`.
CliRun runCli(const std::string& arguments, const std::string& input = {},
              std::chrono::milliseconds limit = std::chrono::seconds(60));

// taravin-cli started for a conversation over its pipes.
std::unique_ptr<cli::ChildProcess> startCli(const std::string& arguments);

// A folder of its own for one test, removed with everything in it at the end.
class TemporaryFolder {
  public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    // Writes the text to the named file and returns its path.
    std::string write(const std::string& name, const std::string& text) const;
    std::string read(const std::string& name) const;

  private:
    std::filesystem::path folder_;
};

// A path in shell quotes.
std::string quoted(const std::string& path);

}  // namespace taravin::testing
