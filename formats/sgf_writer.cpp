#include "formats/sgf_writer.h"

#include <algorithm>
#include <string_view>

#include "formats/review_text.h"
#include "formats/text_encoding.h"

namespace taravin {

namespace {

constexpr int kMovesPerLine = 10;

// A property value in UTF-8: ']' and '\' escaped, line breaks and other control characters as
// blanks, so that every text stays on its line.
std::string escaped(std::string_view text) {
    std::string value;
    for (const char c : utf8FromUtf8OrLatin1(text)) {
        if (c == ']' || c == '\\') {
            value += '\\';
            value += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            value += ' ';
        } else {
            value += c;
        }
    }
    return value;
}

void appendProperty(std::string& out, std::string_view name, std::string_view value) {
    out.append(name);
    out += '[';
    out += escaped(value);
    out += ']';
}

// "AB[dj][gj]": a point list; an empty list is written "AB[]" so that it stays a setup.
void appendPoints(std::string& out, std::string_view name, const std::vector<Square>& points,
                  int32_t rows) {
    out.append(name);
    if (points.empty()) {
        out += "[]";
    }
    for (const Square& point : points) {
        out += '[';
        out += sgfPoint(point, rows);
        out += ']';
    }
}

std::string sizeValue(const SgfGame& game) {
    if (game.rows == game.columns) {
        return std::to_string(game.rows);
    }
    return std::to_string(game.columns) + ":" + std::to_string(game.rows);
}

void appendMove(std::string& out, Side side, const BoardMove& move, int32_t rows) {
    out += side == Side::kRed ? "B[" : "W[";
    out += sgfPoint(move.from, rows) + sgfPoint(move.to, rows) + sgfPoint(move.arrow, rows);
    out += ']';
}

// The class as SGF's move annotations (TE tesuji, DO doubtful, BM bad move; a good move has
// none), the value as Red's chance after the move less one half, and the review's text.
void appendReview(std::string& out, const MoveReview& review) {
    switch (review.moveClass) {
        case MoveClass::kBest:
            out += "TE[1]";
            break;
        case MoveClass::kGood:
            break;
        case MoveClass::kInaccuracy:
            out += "DO[]";
            break;
        case MoveClass::kMistake:
            out += "BM[1]";
            break;
        case MoveClass::kBlunder:
            out += "BM[2]";
            break;
    }
    const double redChance =
        review.mover == Side::kRed ? review.chanceAfter : 1.0 - review.chanceAfter;
    appendProperty(out, "V", percentTenthsText(std::clamp(redChance, 0.0, 1.0) - 0.5));
    appendProperty(out, "C", reviewText(review));
}

}  // namespace

std::string sgfPoint(const Square& square, int32_t rows) {
    std::string point;
    point += static_cast<char>('a' + square.column - 1);
    point += static_cast<char>('a' + rows - square.row);
    return point;
}

std::string writeSgf(const SgfGame& game) {
    std::string out = "(;FF[4]GM[18]AP[Taravin:" TARAVIN_VERSION_TEXT "]CA[UTF-8]";
    appendProperty(out, "SZ", sizeValue(game));
    out += '\n';
    appendPoints(out, "AB", game.redAmazons, game.rows);
    appendPoints(out, "AW", game.blueAmazons, game.rows);
    if (!game.arrows.empty()) {
        appendPoints(out, "AA", game.arrows, game.rows);
    }
    out += '\n';
    appendProperty(out, "PB", game.redName);
    appendProperty(out, "PW", game.blueName);
    if (!game.result.empty()) {
        appendProperty(out, "RE", game.result);
    }
    if (!game.date.empty()) {
        appendProperty(out, "DT", game.date);
    }
    // A reviewed move that was not the best opens a variation holding the rest of the game, so
    // that its better move can follow as the variation beside it.
    std::vector<const SgfMove*> betterMovesToFollow;
    int written = 0;
    for (const SgfMove& move : game.moves) {
        if (!move.squares) {
            continue;
        }
        const BoardMove played{move.squares->from, move.squares->to, move.squares->arrow};
        if (!move.review) {
            out += written++ % kMovesPerLine == 0 ? "\n;" : ";";
            appendMove(out, move.side, played, game.rows);
            continue;
        }
        const bool better = hasBetterMove(*move.review);
        out += better ? "\n(;" : "\n;";
        appendMove(out, move.side, played, game.rows);
        appendReview(out, *move.review);
        if (better) {
            betterMovesToFollow.push_back(&move);
        }
        written = 0;
    }
    for (auto move = betterMovesToFollow.rbegin(); move != betterMovesToFollow.rend(); ++move) {
        out += ")\n(;";
        appendMove(out, (*move)->side, *(*move)->review->best, game.rows);
        appendProperty(out, "C", betterMoveText(*(*move)->review));
        out += ')';
    }
    out += ")\n";
    return out;
}

}  // namespace taravin
