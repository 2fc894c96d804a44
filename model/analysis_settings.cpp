#include "model/analysis_settings.h"

namespace taravin {

int32_t readAnalysisMoves(const Profile& profile) {
    const int32_t moves = readSetting(profile, kAnalysisMovesSetting);
    return moves >= kMinAnalysisMoves && moves <= kMaxAnalysisMoves
               ? moves
               : kAnalysisMovesSetting.defaultValue;
}

int32_t readReviewPlayouts(const Profile& profile) {
    const int32_t playouts = readSetting(profile, kReviewPlayoutsSetting);
    return playouts >= kMinReviewPlayouts && playouts <= kMaxReviewPlayouts
               ? playouts
               : kReviewPlayoutsSetting.defaultValue;
}

bool validThresholds(const ReviewThresholds& thresholds) {
    return thresholds.inaccuracyPercent >= 1 &&
           thresholds.inaccuracyPercent <= thresholds.mistakePercent &&
           thresholds.mistakePercent <= thresholds.blunderPercent &&
           thresholds.blunderPercent <= 100;
}

ReviewThresholds readReviewThresholds(const Profile& profile) {
    const ReviewThresholds stored{readSetting(profile, kInaccuracySetting),
                                  readSetting(profile, kMistakeSetting),
                                  readSetting(profile, kBlunderSetting)};
    return validThresholds(stored) ? stored : ReviewThresholds{};
}

void writeReviewThresholds(Profile& profile, const ReviewThresholds& thresholds) {
    writeSetting(profile, kInaccuracySetting, thresholds.inaccuracyPercent);
    writeSetting(profile, kMistakeSetting, thresholds.mistakePercent);
    writeSetting(profile, kBlunderSetting, thresholds.blunderPercent);
}

}  // namespace taravin
