#pragma once

#include <cstdint>

#include "model/move_review.h"
#include "model/profile.h"
#include "model/settings.h"

namespace taravin {

inline constexpr IntSetting kAnalysisModeSetting{kSettingsSection, "AnalysisMode", 0};
inline constexpr IntSetting kAnalysisMovesSetting{kSettingsSection, "AnalysisMoves", 3};
inline constexpr IntSetting kInaccuracySetting{kSettingsSection, "InaccuracyPercent", 5};
inline constexpr IntSetting kMistakeSetting{kSettingsSection, "MistakePercent", 10};
inline constexpr IntSetting kBlunderSetting{kSettingsSection, "BlunderPercent", 20};

// The playouts the review gives each position (not in a dialog: a profile key for those who
// want a deeper or a quicker review).
inline constexpr IntSetting kReviewPlayoutsSetting{kSettingsSection, "ReviewPlayouts", 40'000};
inline constexpr int32_t kMinReviewPlayouts = 100;
inline constexpr int32_t kMaxReviewPlayouts = 100'000'000;

inline constexpr int32_t kMinAnalysisMoves = 1;
inline constexpr int32_t kMaxAnalysisMoves = 5;

// How many of the analysis's best moves the board shows; a value out of range reads as the
// default.
int32_t readAnalysisMoves(const Profile& profile);

// The review's playouts a position; a value out of range reads as the default.
int32_t readReviewPlayouts(const Profile& profile);

// Thresholds of 1 to 100 percent that do not fall from inaccuracy to blunder; anything else
// in the profile reads as the defaults.
ReviewThresholds readReviewThresholds(const Profile& profile);
bool validThresholds(const ReviewThresholds& thresholds);
void writeReviewThresholds(Profile& profile, const ReviewThresholds& thresholds);

}  // namespace taravin
