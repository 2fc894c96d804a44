#include "model/player_record.h"

#include <cstdio>
#include <limits>
#include <utility>

#include "model/settings.h"
#include "model/square.h"

namespace taravin {

namespace {

constexpr int32_t kSecondsPerHour = 3600;
constexpr int32_t kSecondsPerMinute = 60;

std::string formatted(const char* format, int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The side's prefix of every player text: "Red " or "Blue", both four characters wide.
const char* sidePrefix(Side side) {
    return side == Side::kRed ? "Red " : "Blue";
}

const char* algorithmPart(int32_t algorithm) {
    switch (algorithm) {
        case kAlgorithmMiniMax:
            return "(MiniMax/";
        case kAlgorithmAlphaBeta:
            return "(Alpha-Beta/";
        case kAlgorithmMtd:
            return "(MTD/";
        case kAlgorithmQScoutOlympiadBase:
            return "(QScout (base)/";
        case kAlgorithmMonteCarlo:
            return "(Monte Carlo/";
        default:
            return "(QScout/";
    }
}

const char* evaluationPart(int32_t evaluation) {
    switch (evaluation) {
        case kEvaluationSquareOwnership:
            return "Square Ownership)";
        case kEvaluationMinimumDistanceSeparateAmazons:
            return "Min. Distance (sep amazon))";
        case kEvaluationMinimumDistanceOlympiadBase:
            return "Min. Distance (base))";
        case kEvaluationMinimumDistanceSteps:
            return "Min. Distance (steps))";
        case kEvaluationMobility:
            return "Mobility)";
        default:
            return "Min. Distance (array))";
    }
}

}  // namespace

PlayerRecord::PlayerRecord(int32_t type, std::string name, Side side, int32_t algorithm,
                           int32_t evaluation, int32_t timeout)
    : type_(type),
      side_(side),
      timeout_(timeout),
      algorithm_(algorithm),
      evaluation_(evaluation),
      name_(std::move(name)) {}

void PlayerRecord::set(std::string name, int32_t type, int32_t algorithm, int32_t evaluation,
                       int32_t timeout, int32_t clock) {
    name_ = std::move(name);
    type_ = type;
    algorithm_ = algorithm;
    evaluation_ = evaluation;
    timeout_ = timeout;
    clock_ = clock < 0 ? 0 : clock;
    lastMoveText_.clear();
}

void PlayerRecord::tick() {
    if (clock_ < std::numeric_limits<int32_t>::max()) {
        ++clock_;
    }
}

std::string PlayerRecord::description() const {
    std::string text = sidePrefix(side_);
    if (!isComputer()) {
        return text + " - " + name_;
    }
    return text + " - Computer " + algorithmPart(algorithm_) + evaluationPart(evaluation_) +
           formatted(" (%ds)", timeout_);
}

std::string PlayerRecord::serialised() const {
    const std::string shownName =
        isComputer() ? "Computer" : name_.substr(0, name_.find_first_of("\r\n"));
    return std::to_string(type_) + ":" + std::to_string(algorithm_) + ":" +
           std::to_string(evaluation_) + ":" + std::to_string(timeout_) + ":" + shownName;
}

std::string PlayerRecord::clockText() const {
    return std::string(sidePrefix(side_)) + " - " + hoursText() + ":" + minutesText() + ":" +
           formatted("%02d", clock_ % kSecondsPerMinute);
}

std::string PlayerRecord::hoursText() const {
    return formatted("%02d", clock_ / kSecondsPerHour);
}

std::string PlayerRecord::minutesText() const {
    return formatted("%02d", clock_ % kSecondsPerHour / kSecondsPerMinute);
}

std::string PlayerRecord::secondsTensText() const {
    return formatted("%d", clock_ % kSecondsPerMinute / 10);
}

std::string PlayerRecord::secondsUnitsText() const {
    return formatted("%d", clock_ % 10);
}

PlayerRecord readPlayerRecord(const Profile& profile, Side side) {
    PlayerSettings stored = readPlayerSettings(profile, side);
    return PlayerRecord(stored.type, std::move(stored.name), side, stored.searchAlgorithm,
                        stored.evaluationFunction, stored.moveTimeout);
}

void switchSides(PlayerRecord& red, PlayerRecord& blue) {
    std::swap(red, blue);
    red.setSide(Side::kRed);
    blue.setSide(Side::kBlue);
}

}  // namespace taravin
