#include "formats/sgf_writer.h"

#include <string_view>

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
    int written = 0;
    for (const SgfMove& move : game.moves) {
        if (!move.squares) {
            continue;
        }
        out += written++ % kMovesPerLine == 0 ? "\n;" : ";";
        out += move.side == Side::kRed ? "B[" : "W[";
        out += sgfPoint(move.squares->from, game.rows) + sgfPoint(move.squares->to, game.rows) +
               sgfPoint(move.squares->arrow, game.rows);
        out += ']';
    }
    out += ")\n";
    return out;
}

}  // namespace taravin
