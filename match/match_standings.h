#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace taravin {

// An Elo difference estimated from a score over some games, with its 95 % margin. A score
// of all or nothing has no finite difference; a margin that reaches past one is unbounded.
struct EloEstimate {
    double difference = 0;
    double margin = 0;
    bool finiteDifference = true;
    bool finiteMargin = true;
};
EloEstimate eloEstimate(int32_t wins, int32_t losses);
// "+190.8 +/- 350.2", "+inf", "-inf +/- inf".
std::string eloText(const EloEstimate& estimate);

// The results of a match or a round robin (Amazons has no draws): each player's wins and
// losses as Red and as Blue, and every pairing's score.
class MatchStandings {
  public:
    explicit MatchStandings(std::vector<std::string> names);

    void record(std::size_t red, std::size_t blue, bool redWon);

    int32_t wins(std::size_t player) const;
    int32_t games(std::size_t player) const;
    // "3.0/4": the player's score so far.
    std::string scoreText(std::size_t player) const;
    // The players by score, the best first (on equal scores in the order given).
    std::vector<std::size_t> ranking() const;

    // The final table: rank, name, score, wins and losses by colour and the Elo difference
    // against the rest of the field, then one column a player in rank order holding the
    // row's wins against that player. With two players, a line with the Elo difference of
    // the first against the second follows.
    std::string table() const;

  private:
    struct ColourRecord {
        int32_t wins = 0;
        int32_t losses = 0;
    };
    struct Standing {
        std::string name;
        ColourRecord asRed;
        ColourRecord asBlue;
    };

    std::vector<Standing> standings_;
    // pairWins_[a][b]: the games a won against b.
    std::vector<std::vector<int32_t>> pairWins_;
};

}  // namespace taravin
