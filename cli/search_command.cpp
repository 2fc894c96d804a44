#include <cstdio>
#include <limits>
#include <mutex>
#include <sstream>

#include "cli/commands.h"
#include "cli/position_argument.h"
#include "headless/synchronous_search.h"
#include "model/mt19937.h"
#include "search/memory_status.h"
#include "search/search_tables.h"

namespace taravin::cli {

namespace {

std::optional<DepthCountSettings> parseCounts(const std::string& text) {
    std::istringstream input(text);
    std::string field;
    std::vector<int32_t> values;
    while (std::getline(input, field, ',')) {
        const auto value = parseInteger(field, -1000000, 1000000);
        if (!value) {
            return std::nullopt;
        }
        values.push_back(static_cast<int32_t>(*value));
    }
    if (values.size() != 4) {
        return std::nullopt;
    }
    return DepthCountSettings{values[0], values[1], values[2], values[3]};
}

}  // namespace

int runSearch(const std::vector<std::string>& words) {
    const Arguments arguments(words, {"log"});
    std::vector<std::string> known = positionOptionNames();
    known.insert(known.end(), {"algorithm", "evaluation", "depth", "timeout", "counts",
                               "table-memory", "threads", "playouts", "log"});
    if (const auto unknown = arguments.unknownOptions(known); !unknown.empty()) {
        return usageError("search", "unknown option " + unknown.front());
    }
    SearchRequest request;
    if (const auto text = arguments.value("algorithm")) {
        const auto value = parseInteger(*text, 0, kSearchAlgorithmNames.size() - 1);
        if (!value) {
            return usageError("search", "--algorithm must be 0..5");
        }
        request.algorithm = static_cast<int32_t>(*value);
    }
    if (const auto text = arguments.value("evaluation")) {
        const auto value = parseInteger(*text, 0, 5);
        if (!value) {
            return usageError("search", "--evaluation must be 0..5");
        }
        request.evaluationCode = static_cast<int32_t>(*value);
    }
    if (const auto text = arguments.value("depth")) {
        const auto value = parseInteger(*text, 1, kDeepestIteration);
        if (!value) {
            return usageError("search", "--depth must be 1..19");
        }
        request.lastIteration = static_cast<int32_t>(*value);
        request.useTimeout = false;
    }
    if (const auto text = arguments.value("timeout")) {
        const auto value = parseInteger(*text, 0, 3600);
        if (!value) {
            return usageError("search", "--timeout must be 0..3600 seconds");
        }
        request.timeout = static_cast<int32_t>(*value);
        request.useTimeout = true;
    }
    if (const auto text = arguments.value("playouts")) {
        const auto value = parseInteger(*text, 1, std::numeric_limits<int32_t>::max());
        if (!value) {
            return usageError("search", "--playouts must be a positive number");
        }
        request.playoutBudget = *value;
        request.useTimeout = arguments.value("timeout").has_value();
    }
    if (const auto text = arguments.value("counts")) {
        const auto counts = parseCounts(*text);
        if (!counts) {
            return usageError("search", "--counts must be TOP,SECOND,DECREASE,MIN");
        }
        request.depthCounts = *counts;
    }
    if (const auto text = arguments.value("threads")) {
        const auto value = parseInteger(*text, 1, kMaxSearchThreads);
        if (!value) {
            return usageError("search",
                              "--threads must be 1.." + std::to_string(kMaxSearchThreads));
        }
        request.threads = static_cast<int32_t>(*value);
    }
    std::unique_ptr<MemoryStatus> memory = std::make_unique<SystemMemoryStatus>();
    if (const auto text = arguments.value("table-memory")) {
        const auto bytes = parseInteger(*text, 0, std::numeric_limits<long long>::max());
        if (!bytes) {
            return usageError("search", "--table-memory must be a number of bytes");
        }
        memory = std::make_unique<FixedMemoryStatus>(memory->totalBytes(),
                                                     static_cast<uint64_t>(*bytes));
    }
    std::string error;
    auto position = positionFromArguments(arguments, error);
    if (!position) {
        return usageError("search", error);
    }
    const bool log = arguments.flag("log");
    Mt19937 generator;
    SearchTables tables(*memory, generator, position->board->rows(), position->board->columns());
    position->board->setHashKeys(tables.hashKeys());
    position->board->recomputeHash();
    if (log) {
        std::printf("%s\n", tables.memoryLogLine().c_str());
    }

    request.board = position->board.get();
    request.side = position->sideToMove;
    request.moveNumber = position->moveNumber;
    request.logOpen = log;
    request.table = &tables.table();
    std::mutex printing;
    const SearchResult result = *searchToEnd(request, [&](const SearchReport& report) {
        std::lock_guard lock(printing);
        for (const std::string& line : informationLines(report)) {
            std::printf("%s\n", line.c_str());
        }
    });

    if (result.outcome == SearchOutcome::kMoveFound) {
        std::printf("bestmove %s-%s (%s) score %d depth %d nodes %d\n",
                    squareName(result.from).c_str(), squareName(result.to).c_str(),
                    squareName(result.arrow).c_str(), result.score, result.depthReached,
                    result.nodeCount);
    } else {
        std::printf("bestmove none\n");
    }
    return result.outcome == SearchOutcome::kMemoryFailure ? 1 : 0;
}

}  // namespace taravin::cli
