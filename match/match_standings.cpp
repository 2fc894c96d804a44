#include "match/match_standings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

namespace taravin {

namespace {

// The two-sided 95 % quantile of the normal distribution.
constexpr double kNormalQuantile95 = 1.959963984540054;
constexpr const char* kColumnGap = "  ";

double eloOfScore(double score) {
    return -400.0 * std::log10(1.0 / score - 1.0);
}

std::string formatted(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string winsAndLosses(int32_t wins, int32_t losses) {
    return std::to_string(wins) + "-" + std::to_string(losses);
}

// Rows of cells as text columns, each as wide as its widest cell.
std::string aligned(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) {
                line += std::string(widths[c] - row[c].size(), ' ') + kColumnGap;
            }
        }
        text += line + "\n";
    }
    return text;
}

}  // namespace

EloEstimate eloEstimate(int32_t wins, int32_t losses) {
    EloEstimate estimate;
    const int32_t games = wins + losses;
    if (games == 0) {
        estimate.finiteMargin = false;
        return estimate;
    }
    const double score = static_cast<double>(wins) / games;
    if (wins == 0 || losses == 0) {
        estimate.finiteDifference = false;
        estimate.finiteMargin = false;
        estimate.difference = wins == 0 ? -INFINITY : INFINITY;
        return estimate;
    }
    estimate.difference = eloOfScore(score);
    const double spread = kNormalQuantile95 * std::sqrt(score * (1.0 - score) / games);
    const double low = score - spread;
    const double high = score + spread;
    if (low <= 0.0 || high >= 1.0) {
        estimate.finiteMargin = false;
        return estimate;
    }
    estimate.margin = (eloOfScore(high) - eloOfScore(low)) / 2.0;
    return estimate;
}

std::string eloText(const EloEstimate& estimate) {
    if (!estimate.finiteDifference) {
        return estimate.difference < 0 ? "-inf" : "+inf";
    }
    // An even score is written +0.0, never -0.0.
    const double difference = estimate.difference == 0 ? 0.0 : estimate.difference;
    return formatted("%+.1f", difference) + " +/- " +
           (estimate.finiteMargin ? formatted("%.1f", estimate.margin) : "inf");
}

MatchStandings::MatchStandings(std::vector<std::string> names)
    : pairWins_(names.size(), std::vector<int32_t>(names.size(), 0)) {
    for (std::string& name : names) {
        standings_.push_back({std::move(name), {}, {}});
    }
}

void MatchStandings::record(std::size_t red, std::size_t blue, bool redWon) {
    ++(redWon ? standings_[red].asRed.wins : standings_[red].asRed.losses);
    ++(redWon ? standings_[blue].asBlue.losses : standings_[blue].asBlue.wins);
    ++(redWon ? pairWins_[red][blue] : pairWins_[blue][red]);
}

int32_t MatchStandings::wins(std::size_t player) const {
    return standings_[player].asRed.wins + standings_[player].asBlue.wins;
}

int32_t MatchStandings::games(std::size_t player) const {
    const Standing& standing = standings_[player];
    return standing.asRed.wins + standing.asRed.losses + standing.asBlue.wins +
           standing.asBlue.losses;
}

std::string MatchStandings::scoreText(std::size_t player) const {
    return formatted("%.1f", wins(player)) + "/" + std::to_string(games(player));
}

std::vector<std::size_t> MatchStandings::ranking() const {
    std::vector<std::size_t> order(standings_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [this](std::size_t a, std::size_t b) { return wins(a) > wins(b); });
    return order;
}

std::string MatchStandings::table() const {
    const std::vector<std::size_t> order = ranking();
    std::vector<std::string> header{"Rank", "Player", "Score", "Red W-L", "Blue W-L", "Elo"};
    for (std::size_t rank = 1; rank <= order.size(); ++rank) {
        header.push_back(std::to_string(rank));
    }
    std::vector<std::vector<std::string>> rows{header};
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        const std::size_t player = order[rank];
        const Standing& standing = standings_[player];
        std::vector<std::string> row{
            std::to_string(rank + 1),
            standing.name,
            scoreText(player),
            winsAndLosses(standing.asRed.wins, standing.asRed.losses),
            winsAndLosses(standing.asBlue.wins, standing.asBlue.losses),
            eloText(eloEstimate(wins(player), games(player) - wins(player)))};
        for (const std::size_t opponent : order) {
            row.push_back(opponent == player ? "-"
                                             : winsAndLosses(pairWins_[player][opponent],
                                                             pairWins_[opponent][player]));
        }
        rows.push_back(std::move(row));
    }
    std::string text = aligned(rows);
    if (standings_.size() == 2) {
        text += "Elo difference of " + standings_[0].name + " against " + standings_[1].name +
                ": " + eloText(eloEstimate(wins(0), wins(1))) + "\n";
    }
    return text;
}

}  // namespace taravin
