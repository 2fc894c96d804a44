#include "formats/review_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace taravin {

namespace {

int32_t wholePercent(double chance) {
    return static_cast<int32_t>(std::lround(std::clamp(chance, 0.0, 1.0) * 100.0));
}

std::string percentText(double chance) {
    return std::to_string(wholePercent(chance)) + "%";
}

// Reads the text as reviewText writes it, from the front.
class ReviewTextCursor {
  public:
    ReviewTextCursor(std::string_view text, int32_t rows, int32_t columns)
        : text_(text), rows_(rows), columns_(columns) {}

    bool atEnd() const { return text_.empty(); }

    bool literal(std::string_view expected) {
        if (!text_.starts_with(expected)) {
            return false;
        }
        text_.remove_prefix(expected.size());
        return true;
    }

    // A move as moveText writes it.
    std::optional<BoardMove> move() {
        BoardMove read;
        if (square(read.from) && literal("-") && square(read.to) && literal(" (") &&
            square(read.arrow) && literal(")")) {
            return read;
        }
        return std::nullopt;
    }

    // "43%": a whole percent from 0 to 100, as a chance.
    std::optional<double> chance() {
        int32_t percent = 0;
        if (!number(percent, 3) || percent > 100 || !literal("%")) {
            return std::nullopt;
        }
        return percent / 100.0;
    }

    std::optional<MoveClass> moveClass() {
        for (int32_t code = 0; code < kMoveClassCount; ++code) {
            const auto candidate = static_cast<MoveClass>(code);
            if (literal(moveClassName(candidate))) {
                return candidate;
            }
        }
        return std::nullopt;
    }

  private:
    // A square as squareName writes it, on the board.
    bool square(Square& read) {
        if (text_.empty() || text_.front() < 'A' || text_.front() >= 'A' + columns_) {
            return false;
        }
        read.column = text_.front() - 'A' + 1;
        text_.remove_prefix(1);
        return number(read.row, 2) && read.row >= 1 && read.row <= rows_;
    }

    // Up to `maxDigits` digits without a leading zero (0 itself excepted).
    bool number(int32_t& value, std::size_t maxDigits) {
        std::size_t digits = 0;
        value = 0;
        while (digits < maxDigits && digits < text_.size() && text_[digits] >= '0' &&
               text_[digits] <= '9') {
            value = value * 10 + (text_[digits] - '0');
            ++digits;
        }
        if (digits == 0 || (digits > 1 && text_.front() == '0')) {
            return false;
        }
        text_.remove_prefix(digits);
        return true;
    }

    std::string_view text_;
    int32_t rows_;
    int32_t columns_;
};

}  // namespace

std::string percentTenthsText(double fraction) {
    const long tenths = std::lround(fraction * 1000.0);
    std::string text = tenths < 0 ? "-" : "";
    text += std::to_string(std::labs(tenths) / 10);
    text += '.';
    text += static_cast<char>('0' + std::labs(tenths) % 10);
    return text;
}

std::string moveText(const BoardMove& move) {
    return squareName(move.from) + "-" + squareName(move.to) + " (" + squareName(move.arrow) + ")";
}

bool hasBetterMove(const MoveReview& review) {
    return review.moveClass != MoveClass::kBest && review.best && *review.best != review.played;
}

std::string reviewText(const MoveReview& review) {
    std::string text = std::string(sideName(review.mover)) + ": " + moveText(review.played) + " " +
                       percentText(review.chanceBefore) + " -> " + percentText(review.chanceAfter) +
                       " " + moveClassName(review.moveClass);
    if (hasBetterMove(review)) {
        text += ", best " + moveText(*review.best) + " " + percentText(review.chanceBefore);
    }
    return text;
}

std::string reviewLine(int32_t moveNumber, const MoveReview& review) {
    return std::to_string(moveNumber) + ". " + reviewText(review);
}

std::string betterMoveText(const MoveReview& review) {
    return "Better: " + moveText(review.best.value_or(review.played)) + " " +
           percentText(review.chanceBefore);
}

std::string sideSummaryLine(Side side, const SideReviewSummary& summary) {
    std::string line = std::string(sideName(side)) + ":";
    for (int32_t code = 0; code < kMoveClassCount; ++code) {
        line += std::string(code == 0 ? " " : ", ") + moveClassName(static_cast<MoveClass>(code)) +
                " " + std::to_string(summary.counts[static_cast<std::size_t>(code)]);
    }
    return line + ", mean loss " + percentTenthsText(summary.meanLoss) + "%";
}

std::optional<MoveReview> reviewFromText(std::string_view text, Side mover, const BoardMove& played,
                                         int32_t rows, int32_t columns) {
    ReviewTextCursor cursor(text, rows, columns);
    MoveReview review;
    review.mover = mover;
    review.played = played;
    std::optional<double> before;
    std::optional<double> after;
    std::optional<MoveClass> moveClass;
    if (!cursor.literal(sideName(mover)) || !cursor.literal(": ") || cursor.move() != played ||
        !cursor.literal(" ") || !(before = cursor.chance()) || !cursor.literal(" -> ") ||
        !(after = cursor.chance()) || !cursor.literal(" ") || !(moveClass = cursor.moveClass()) ||
        !(cursor.atEnd() || cursor.literal(","))) {
        return std::nullopt;
    }
    review.chanceBefore = *before;
    review.chanceAfter = *after;
    review.moveClass = *moveClass;
    if (review.moveClass == MoveClass::kBest) {
        review.best = played;
        return review;
    }
    if (cursor.literal(" best ")) {
        const std::optional<BoardMove> best = cursor.move();
        if (best && *best != played && cursor.literal(" ") && cursor.chance() && cursor.atEnd()) {
            review.best = best;
        }
    }
    return review;
}

}  // namespace taravin
