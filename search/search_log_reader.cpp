#include "search/search_log_reader.h"

#include <charconv>

namespace taravin {

namespace {

// Reads the line from left to right; every step fails once one has failed.
class LineReader {
  public:
    explicit LineReader(std::string_view line) : rest_(line) {}

    bool literal(std::string_view text) {
        ok_ = ok_ && rest_.starts_with(text);
        if (ok_) {
            rest_.remove_prefix(text.size());
        }
        return ok_;
    }

    int32_t integer() {
        int32_t value = 0;
        const auto [end, status] =
            std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
        ok_ = ok_ && status == std::errc();
        if (ok_) {
            rest_.remove_prefix(static_cast<std::size_t>(end - rest_.data()));
        }
        return value;
    }

    // "A7": a capital column letter and a row number.
    Square square() {
        ok_ = ok_ && !rest_.empty() && rest_.front() >= 'A' && rest_.front() <= 'Z';
        if (!ok_) {
            return {};
        }
        const int32_t column = rest_.front() - 'A' + 1;
        rest_.remove_prefix(1);
        return Square{integer(), column};
    }

    // "A7-C7 (C1)", as logMoveText writes a move.
    ScannedMove move() {
        ScannedMove move;
        move.from = square();
        literal("-");
        move.to = square();
        literal(" (");
        move.arrow = square();
        literal(")");
        return move;
    }

    bool startsWith(std::string_view text) const { return ok_ && rest_.starts_with(text); }
    bool atEnd() const { return ok_ && rest_.empty(); }
    bool ok() const { return ok_; }

  private:
    std::string_view rest_;
    bool ok_ = true;
};

}  // namespace

std::optional<LoggedVariation> readVariationLine(std::string_view line) {
    LineReader reader(line);
    LoggedVariation variation;
    do {
        variation.moves.push_back(reader.move());
        reader.literal(" ");
        if (reader.startsWith("<")) {
            reader.literal("<");
            reader.integer();
            reader.literal("> ");
        }
    } while (reader.ok() && !reader.startsWith("Eval: "));
    reader.literal("Eval: ");
    variation.score = reader.integer();
    reader.literal(" Depth: ");
    variation.depth = reader.integer();
    reader.literal(" Nodes: ");
    variation.nodes = reader.integer();
    if (!reader.atEnd()) {
        return std::nullopt;
    }
    return variation;
}

std::optional<CompletedDepth> readDepthCompleteLine(std::string_view line) {
    LineReader reader(line);
    CompletedDepth completed;
    reader.literal("Depth ");
    completed.depth = reader.integer();
    reader.literal(" complete: Best Move: ");
    completed.best = reader.move();
    reader.literal(", Eval: ");
    completed.score = reader.integer();
    reader.literal(" Nodes: ");
    completed.nodes = reader.integer();
    if (!reader.atEnd()) {
        return std::nullopt;
    }
    return completed;
}

}  // namespace taravin
