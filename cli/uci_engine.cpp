#include "cli/uci_engine.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <sstream>

#include "cli/printable_text.h"
#include "formats/uci_notation.h"
#include "model/board_setup.h"
#include "model/move_record.h"
#include "model/mt19937.h"
#include "model/player_codes.h"
#include "search/memory_status.h"

namespace taravin::cli {

namespace {

constexpr int64_t kMaxMilliseconds = 1LL << 40;
// Without "movestogo", the clock is shared out as if this many moves were still to come.
constexpr int64_t kAssumedMovesToGo = 25;
// Part of a movetime kept back for answering, at most kMaxAnswerMargin milliseconds.
constexpr int64_t kAnswerMarginDivisor = 10;
constexpr int64_t kMaxAnswerMargin = 50;

struct SpinOption {
    const char* name;
    int64_t minimum;
    int64_t maximum;
    int64_t UciOptions::*value;
};

constexpr SpinOption kSpinOptions[] = {
    {"Algorithm", 0, kSearchAlgorithmNames.size() - 1, &UciOptions::algorithm},
    {"Evaluation", 0, kEvaluationFunctionNames.size() - 1, &UciOptions::evaluation},
    {"Hash", 1, 1 << 20, &UciOptions::hashMegabytes},
    {"DepthTopCount", 1, 10000, &UciOptions::depthTopCount},
    {"Depth2Count", 1, 10000, &UciOptions::depth2Count},
    {"DepthDecreaseCount", 0, 10000, &UciOptions::depthDecreaseCount},
    {"DepthMinCount", 1, 10000, &UciOptions::depthMinCount},
    {"Threads", 1, kMaxSearchThreads, &UciOptions::threads},
};

std::vector<std::string> splitWords(const std::string& line) {
    std::istringstream input(line);
    std::vector<std::string> words;
    for (std::string word; input >> word;) {
        words.push_back(word);
    }
    return words;
}

std::string joined(const std::vector<std::string>& words, std::size_t first, std::size_t last) {
    std::string text;
    for (std::size_t i = first; i < last; ++i) {
        text += (i > first ? " " : "") + words[i];
    }
    return text;
}

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::optional<int64_t> integer(const std::string& text, int64_t minimum, int64_t maximum) {
    int64_t value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (status != std::errc() || end != text.data() + text.size() || value < minimum ||
        value > maximum) {
        return std::nullopt;
    }
    return value;
}

// What a "go" asks for.
struct GoLimits {
    std::optional<int64_t> depth;
    std::optional<int64_t> moveTime;
    std::optional<int64_t> clock[2];
    int64_t increment[2] = {0, 0};
    int64_t movesToGo = kAssumedMovesToGo;
};

// The time for one move: a movetime less a margin for answering, or a share of the clock.
std::optional<int64_t> searchMilliseconds(const GoLimits& limits, Side side) {
    if (limits.moveTime) {
        const int64_t margin = std::min(*limits.moveTime / kAnswerMarginDivisor, kMaxAnswerMargin);
        return std::max<int64_t>(*limits.moveTime - margin, 1);
    }
    const int index = side == Side::kRed ? 0 : 1;
    if (!limits.clock[index]) {
        return std::nullopt;
    }
    const int64_t clock = *limits.clock[index];
    const int64_t share = clock / limits.movesToGo + limits.increment[index] * 3 / 4;
    return std::max<int64_t>(std::min(share, clock / 2), 1);
}

}  // namespace

UciEngine::UciEngine(LineOutput& output) : output_(output), host_(output), computer_(host_) {
    startPosition();
}

UciEngine::~UciEngine() {
    if (searching_) {
        computer_.flags().abortSearch = true;
        endSearch(false);
    }
}

void UciEngine::tell(const std::string& text) {
    output_.line("info string " + text);
}

void UciEngine::startPosition() {
    board_ = buildBoard(BoardSetup{});
    sideToMove_ = Side::kRed;
    moveNumber_ = 1;
}

void UciEngine::endSearch(bool stop) {
    if (!searching_) {
        return;
    }
    if (stop) {
        computer_.flags().moveNow = true;
    }
    host_.waitUntilFinished();
    computer_.searchEnded();
    moveTimer_.stop();
    searching_ = false;
}

bool UciEngine::handle(const std::string& line) {
    if (searching_ && host_.finished()) {
        endSearch(false);
    }
    const Words words = splitWords(line);
    if (words.empty()) {
        return true;
    }
    const std::string& command = words.front();
    if (command == "uci") {
        identify();
    } else if (command == "isready") {
        output_.line("readyok");
    } else if (command == "setoption") {
        endSearch(true);
        setOption(words);
    } else if (command == "position") {
        endSearch(true);
        setPosition(words);
    } else if (command == "ucinewgame") {
        endSearch(true);
        startPosition();
    } else if (command == "go") {
        if (searching_) {
            tell("a search is running; send stop first");
        } else {
            go(words);
        }
    } else if (command == "stop") {
        if (searching_) {
            computer_.flags().moveNow = true;
        }
    } else if (command == "quit") {
        return false;
    } else if (command != "debug" && command != "register" && command != "ponderhit") {
        tell("unknown command " + printableText(command));
    }
    return true;
}

void UciEngine::identify() {
    output_.line("id name Taravin " TARAVIN_VERSION_TEXT);
    output_.line("id author the Taravin developers");
    output_.line("option name UCI_Variant type combo default amazons var amazons");
    const UciOptions defaults;
    for (const SpinOption& option : kSpinOptions) {
        output_.line(std::string("option name ") + option.name + " type spin default " +
                     std::to_string(defaults.*option.value) + " min " +
                     std::to_string(option.minimum) + " max " + std::to_string(option.maximum));
    }
    output_.line("uciok");
}

void UciEngine::setOption(const Words& words) {
    const auto nameAt = std::find(words.begin(), words.end(), "name");
    const auto valueAt = std::find(words.begin(), words.end(), "value");
    if (nameAt == words.end() || nameAt > valueAt) {
        tell("setoption needs: setoption name NAME value VALUE");
        return;
    }
    const std::size_t first = static_cast<std::size_t>(nameAt - words.begin()) + 1;
    const std::size_t last = static_cast<std::size_t>(valueAt - words.begin());
    const std::string name = joined(words, first, last);
    const std::string value =
        valueAt == words.end() ? std::string() : joined(words, last + 1, words.size());
    if (sameName(name, "UCI_Variant")) {
        if (value != "amazons") {
            tell("UCI_Variant " + printableText(value) + " is not played here; only amazons");
        }
        return;
    }
    for (const SpinOption& option : kSpinOptions) {
        if (!sameName(name, option.name)) {
            continue;
        }
        if (const auto number = integer(value, option.minimum, option.maximum)) {
            options_.*option.value = *number;
        } else {
            tell(std::string(option.name) + " must be an integer from " +
                 std::to_string(option.minimum) + " to " + std::to_string(option.maximum));
        }
        return;
    }
    tell("unknown option " + printableText(name));
}

void UciEngine::setPosition(const Words& words) {
    const auto movesAt = std::find(words.begin(), words.end(), "moves");
    const std::size_t movesIndex = static_cast<std::size_t>(movesAt - words.begin());
    std::unique_ptr<Board> board;
    Side side = Side::kRed;
    int32_t moveNumber = 1;
    if (words.size() > 1 && words[1] == "startpos") {
        board = buildBoard(BoardSetup{});
        if (movesIndex > 2) {
            tell("ignored " + printableText(joined(words, 2, movesIndex)) + " after startpos");
        }
    } else if (words.size() > 1 && words[1] == "fen") {
        std::string error;
        const std::optional<FenPosition> position = parseFen(joined(words, 2, movesIndex), error);
        if (!position) {
            tell("bad FEN: " + printableText(error) + "; the position stays as it was");
            return;
        }
        board = buildFenBoard(*position);
        side = position->sideToMove;
        moveNumber = position->moveNumber;
    } else {
        tell("position needs startpos or fen FEN");
        return;
    }
    for (std::size_t i = movesIndex + 1; i < words.size(); ++i) {
        const std::optional<ScannedMove> move =
            parseUciMove(words[i], board->rows(), board->columns());
        MoveRecord check(side, board.get());
        if (!move || !check.isLegalMove(move->from, move->to, move->arrow)) {
            tell("illegal move " + printableText(words[i]) + "; the position is the one before it");
            break;
        }
        board->setContent(move->from, Content::kEmpty, true);
        board->setContent(move->to, contentOf(side), true);
        board->setContent(move->arrow, Content::kArrow, true);
        side = otherSide(side);
        ++moveNumber;
    }
    board_ = std::move(board);
    sideToMove_ = side;
    moveNumber_ = moveNumber;
}

void UciEngine::go(const Words& words) {
    GoLimits limits;
    const std::pair<const char*, std::optional<int64_t>*> valued[] = {
        {"depth", &limits.depth},
        {"movetime", &limits.moveTime},
        {"wtime", &limits.clock[0]},
        {"btime", &limits.clock[1]},
    };
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "infinite" || word == "ponder") {
            continue;
        }
        std::optional<int64_t>* target = nullptr;
        for (const auto& [name, field] : valued) {
            target = word == name ? field : target;
        }
        if (!target && word != "winc" && word != "binc" && word != "movestogo") {
            tell("go: ignored " + printableText(word));
            continue;
        }
        const std::optional<int64_t> number =
            i + 1 < words.size() ? integer(words[++i], -kMaxMilliseconds, kMaxMilliseconds)
                                 : std::nullopt;
        if (!number) {
            tell("go: " + word + " needs a number");
            continue;
        }
        const int64_t value = std::max<int64_t>(*number, word == "movestogo" ? 1 : 0);
        if (target) {
            *target = value;
        } else if (word == "movestogo") {
            limits.movesToGo = value;
        } else {
            limits.increment[word == "winc" ? 0 : 1] = value;
        }
    }

    if (!tables_ || tablesMegabytes_ != options_.hashMegabytes ||
        tables_->hashKeys()->cellCount != board_->cellCount()) {
        tables_.reset();
        Mt19937 generator;
        const FixedMemoryStatus memory(static_cast<uint64_t>(options_.hashMegabytes) << 20);
        tables_ =
            std::make_unique<SearchTables>(memory, generator, board_->rows(), board_->columns());
        tablesMegabytes_ = options_.hashMegabytes;
    }
    Board searched(*board_);
    searched.setHashKeys(tables_->hashKeys());
    searched.recomputeHash();

    SearchRequest request;
    request.board = &searched;
    request.side = sideToMove_;
    request.moveNumber = moveNumber_;
    request.algorithm = static_cast<int32_t>(options_.algorithm);
    request.evaluationCode = static_cast<int32_t>(options_.evaluation);
    request.depthCounts = DepthCountSettings{static_cast<int32_t>(options_.depthTopCount),
                                             static_cast<int32_t>(options_.depth2Count),
                                             static_cast<int32_t>(options_.depthDecreaseCount),
                                             static_cast<int32_t>(options_.depthMinCount)};
    request.logOpen = true;
    request.lastIteration = static_cast<int32_t>(
        std::clamp<int64_t>(limits.depth.value_or(kDeepestIteration), 1, kDeepestIteration));
    request.useTimeout = false;
    request.table = &tables_->table();
    request.threads = static_cast<int32_t>(options_.threads);
    host_.reset();
    searching_ = computer_.requestSearch(request);
    if (!searching_) {
        tell("the search could not start");
        output_.line("bestmove (none)");
        return;
    }
    if (const std::optional<int64_t> milliseconds = searchMilliseconds(limits, sideToMove_)) {
        moveTimer_.start(std::chrono::milliseconds(*milliseconds),
                         [this] { computer_.flags().moveNow = true; });
    }
}

}  // namespace taravin::cli
