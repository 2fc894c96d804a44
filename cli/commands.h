#pragma once

#include <string>
#include <vector>

namespace taravin::cli {

// Each command takes the words after its name and returns the process exit code.
int runMoves(const std::vector<std::string>& words);
int runPerft(const std::vector<std::string>& words);
int runSearch(const std::vector<std::string>& words);
int runEval(const std::vector<std::string>& words);
int runPlay(const std::vector<std::string>& words);
int runBench(const std::vector<std::string>& words);
int runConvert(const std::vector<std::string>& words);
int runUci(const std::vector<std::string>& words);
int runMatch(const std::vector<std::string>& words);
int runReview(const std::vector<std::string>& words);
int runRegions(const std::vector<std::string>& words);
int runSolve(const std::vector<std::string>& words);

// Prints "taravin-cli <command>: <message>" to standard error and returns 2.
int usageError(const std::string& command, const std::string& message);

}  // namespace taravin::cli
