#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>&);
};

constexpr Command kCommands[] = {
    {"moves", taravin::cli::runMoves},     {"perft", taravin::cli::runPerft},
    {"search", taravin::cli::runSearch},   {"eval", taravin::cli::runEval},
    {"play", taravin::cli::runPlay},       {"bench", taravin::cli::runBench},
    {"convert", taravin::cli::runConvert}, {"uci", taravin::cli::runUci},
    {"match", taravin::cli::runMatch},     {"regions", taravin::cli::runRegions},
    {"review", taravin::cli::runReview},   {"solve", taravin::cli::runSolve},
};

void printUsage() {
    std::puts(
        "usage: taravin-cli <command> [options]\n"
        "  moves   [POSITION]          legal moves of the side to move, one a line\n"
        "  perft D [POSITION]          number of legal move sequences of D plies\n"
        "  search  [POSITION] --algorithm 0..5 --evaluation 0..5 [--depth D] [--timeout S]\n"
        "          [--counts TOP,SECOND,DECREASE,MIN] [--table-memory BYTES] [--threads N]\n"
        "          [--playouts N] [--log]\n"
        "                              the computer player's move; last line \"bestmove ...\"\n"
        "                              (algorithm 5, Monte Carlo: --playouts fixes its work,\n"
        "                              and without it --depth D means D thousand playouts)\n"
        "  eval    [POSITION] --function 0..5|quick [--side red|blue] [--move-number N]\n"
        "                              the evaluation of the position\n"
        "  play    [--red ALG:EVAL:TIMEOUT] [--blue ALG:EVAL:TIMEOUT] [--depth D] [--out FILE]\n"
        "                              a whole game computer against computer (SGF for .sgf)\n"
        "  bench                       speed figures of the engine\n"
        "  convert IN OUT              a game file as SGF (OUT is *.sgf) or native text\n"
        "  uci                         the engine over the UCI protocol on standard input\n"
        "  match   PLAYER PLAYER... [--games N] [--depth D | --movetime MS] [--concurrency K]\n"
        "          [--out DIR] [--limit MS] [--hash MB] [--opening-plies N]\n"
        "          [--first-game F] [POSITION options]\n"
        "                              a match, or a round robin of N games a pairing;\n"
        "                              --opening-plies: each colour pair of games\n"
        "                              starts after N random moves of its own;\n"
        "                              --first-game: play games F to F+N-1 of a\n"
        "                              longer match\n"
        "                              PLAYER: ALG:EVAL or uci:COMMAND\n"
        "  review  GAME [--playouts N | --movetime MS] [--out FILE.sgf]\n"
        "                              every move of the game against the best move found:\n"
        "                              chances before and after, its class, the better move;\n"
        "                              then each side's counts; --out: the annotated SGF\n"
        "  regions [POSITION]          each region (squares joined by king steps) with the\n"
        "                              moves its side can make in it, the totals, the winner\n"
        "                              when every region is closed\n"
        "  solve   [POSITION] [--timeout S]\n"
        "                              the proven result of an endgame, its line and the\n"
        "                              winner's spare moves (default 10 s)\n"
        "POSITION: a game file, native or SGF (its setup, then its moves replayed), or\n"
        "          --rows R --columns C --red LIST --blue LIST --arrows LIST\n"
        "          (default: the standard 10 x 10 start position)");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
        printUsage();
        return argc < 2 ? 2 : 0;
    }
    const std::vector<std::string> words(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) == 0) {
            return command.run(words);
        }
    }
    std::fprintf(stderr, "taravin-cli: unknown command '%s'\n", argv[1]);
    printUsage();
    return 2;
}
