#include "formats/sgf_tree.h"

#include <cstddef>

namespace taravin {

namespace {

bool isBlank(char c) {
    return kSgfBlanks.find(c) != std::string_view::npos;
}

// A value from its '[' at `position`, which then moves past its ']'; escapes resolved, an
// escaped line break removed. Nothing when the text ends inside the value.
std::optional<std::string> readValue(std::string_view text, std::size_t& position) {
    std::string value;
    for (std::size_t i = position + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ']') {
            position = i + 1;
            return value;
        }
        if (c != '\\' || i + 1 == text.size()) {
            value += c;
            continue;
        }
        const char escapedChar = text[++i];
        if (escapedChar == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        } else if (escapedChar != '\n' && escapedChar != '\r') {
            value += escapedChar;
        }
    }
    return std::nullopt;
}

// Walks the tree once. The main line is every node up to the first ')', since it always goes
// on into the first '(' that follows a node. From there the text holds the other variations
// and the ends of the main line's variations: a variation at the outermost level beside the
// one that just ended branches off at that one's first node. Characters that belong to no
// property are skipped.
class MainLineWalk {
  public:
    explicit MainLineWalk(std::string_view text) : text_(text) {}

    std::optional<SgfMainLine> read(std::string& error) {
        position_ = text_.find('(') + 1;
        while (position_ < text_.size()) {
            const char c = text_[position_];
            if (c == '[') {
                if (!readProperty()) {
                    if (inMainLine_) {
                        error = "The SGF file ends inside a property value.";
                        return std::nullopt;
                    }
                    break;
                }
                continue;
            }
            ++position_;
            if (c >= 'A' && c <= 'Z') {
                name_ += c;
                inValueList_ = false;
                continue;
            }
            if ((c >= 'a' && c <= 'z' && !name_.empty()) || isBlank(c)) {
                // Older files spell identifiers out ("AddBlack"); only the capitals count.
                continue;
            }
            name_.clear();
            inValueList_ = false;
            if (c == ';') {
                startNode();
            } else if (c == '(') {
                startVariation();
            } else if (c == ')' && !endVariation()) {
                break;
            }
        }
        line_.alternatives.resize(line_.nodes.size());
        return std::move(line_);
    }

  private:
    bool readProperty() {
        std::optional<std::string> value = readValue(text_, position_);
        if (!value) {
            return false;
        }
        if (!node_) {
            return true;
        }
        if (!name_.empty()) {
            node_->push_back({std::move(name_), {std::move(*value)}});
            name_.clear();
            inValueList_ = true;
        } else if (inValueList_) {
            node_->back().values.push_back(std::move(*value));
        }
        return true;
    }

    void startNode() {
        if (inMainLine_) {
            node_ = &line_.nodes.emplace_back();
        } else if (depthInAlternative_ == 1 && awaitingAlternative_ &&
                   branchNode_ < line_.nodes.size()) {
            node_ = &line_.alternatives[branchNode_].emplace_back();
            awaitingAlternative_ = false;
        } else {
            node_ = nullptr;
        }
    }

    void startVariation() {
        if (inMainLine_) {
            openVariations_.push_back(line_.nodes.size());
            return;
        }
        node_ = nullptr;
        awaitingAlternative_ = depthInAlternative_++ == 0;
    }

    // False when the game's tree has ended.
    bool endVariation() {
        node_ = nullptr;
        if (inMainLine_) {
            inMainLine_ = false;
            line_.alternatives.resize(line_.nodes.size());
        } else if (depthInAlternative_ > 0) {
            --depthInAlternative_;
            return true;
        }
        branchNode_ = openVariations_.back();
        openVariations_.pop_back();
        return !openVariations_.empty();
    }

    std::string_view text_;
    std::size_t position_ = 0;
    SgfMainLine line_;
    SgfNode* node_ = nullptr;
    std::string name_;
    bool inValueList_ = false;
    bool inMainLine_ = true;
    // The first node of each open variation of the main line; the game's tree is the first.
    std::vector<std::size_t> openVariations_{0};
    std::size_t branchNode_ = 0;
    std::size_t depthInAlternative_ = 0;
    bool awaitingAlternative_ = false;
};

}  // namespace

std::optional<SgfMainLine> readSgfMainLine(std::string_view text, std::string& error) {
    return MainLineWalk(text).read(error);
}

}  // namespace taravin
