#pragma once

#include <cstdint>
#include <string>

#include "model/player_codes.h"
#include "model/profile.h"
#include "model/square.h"

namespace taravin {

// Who plays one side, with that side's game clock and the text of its last move.
class PlayerRecord {
  public:
    // Clock 0, no last move.
    PlayerRecord(int32_t type, std::string name, Side side, int32_t algorithm, int32_t evaluation,
                 int32_t timeout);
    PlayerRecord(const PlayerRecord&) = default;
    PlayerRecord& operator=(const PlayerRecord&) = default;
    virtual ~PlayerRecord() = default;

    // The values of a game file's player lines, taken as they are except that a negative
    // clock counts as 0. The side is kept; the last-move text is cleared.
    void set(std::string name, int32_t type, int32_t algorithm, int32_t evaluation, int32_t timeout,
             int32_t clock);

    int32_t type() const { return type_; }
    int32_t clock() const { return clock_; }
    Side side() const { return side_; }
    int32_t timeout() const { return timeout_; }
    int32_t algorithm() const { return algorithm_; }
    int32_t evaluation() const { return evaluation_; }
    const std::string& name() const { return name_; }
    const std::string& lastMoveText() const { return lastMoveText_; }
    bool isComputer() const { return type_ != kHumanPlayer; }

    void setSide(Side side) { side_ = side; }
    void setLastMoveText(std::string text) { lastMoveText_ = std::move(text); }
    // One more second on the clock; it stops at the largest value instead of overflowing.
    void tick();

    // "Red  - Human Player", "Blue - Computer (QScout/Min. Distance (array)) (30s)".
    std::string description() const;
    // "type:algorithm:evaluation:timeout:name", with "Computer" as the name of a computer.
    // A name is written only up to a line break, so it cannot break the file's lines.
    std::string serialised() const;
    // "Red  - 01:02:05"; the hours widen past 99.
    std::string clockText() const;
    std::string hoursText() const;
    std::string minutesText() const;
    std::string secondsTensText() const;
    std::string secondsUnitsText() const;

  private:
    int32_t type_;
    int32_t clock_ = 0;
    Side side_;
    int32_t timeout_;
    int32_t algorithm_;
    int32_t evaluation_;
    std::string name_;
    std::string lastMoveText_;
};

// The record of Red or Blue from the stored player settings, clock 0.
PlayerRecord readPlayerRecord(const Profile& profile, Side side);

// Switch Sides: each colour takes the other's record (clock and last move included), with
// its own side.
void switchSides(PlayerRecord& red, PlayerRecord& blue);

}  // namespace taravin
