#include "model/settings.h"

#include <limits>
#include <utility>

#include "model/square.h"

namespace taravin {

int32_t guardedMoveTimeout(int32_t stored) {
    return stored < kMinMoveTimeout || stored > kMaxMoveTimeout ? kDefaultMoveTimeout : stored;
}

namespace {

// The depth counts in the order they are stored, so that reading and writing walk one list.
std::array<int32_t, 4> asList(const StoredDepthCounts& counts) {
    return {counts.top, counts.second, counts.decrease, counts.minimum};
}

// Window placement keys in their writing order, beside the field each one holds.
struct PlacementField {
    const IntSetting* setting;
    int32_t WindowPlacement::*field;
};
constexpr std::array<PlacementField, 5> kPlacementFields{{
    {&kWindowTopSetting, &WindowPlacement::top},
    {&kWindowLeftSetting, &WindowPlacement::left},
    {&kWindowBottomSetting, &WindowPlacement::bottom},
    {&kWindowRightSetting, &WindowPlacement::right},
    {&kWindowResolutionSetting, &WindowPlacement::resolution},
}};

struct ResolutionStep {
    int32_t heightAbove;
    int32_t sizeClass;
};
constexpr std::array<ResolutionStep, 5> kResolutionSteps{{
    {1024, 5},
    {864, 4},
    {768, 3},
    {600, 2},
    {480, 1},
}};

}  // namespace

int32_t readSetting(const Profile& profile, const IntSetting& setting) {
    return profile.readInt(setting.section, setting.key, setting.defaultValue);
}

std::string readSetting(const Profile& profile, const StringSetting& setting) {
    std::string text = profile.readString(setting.section, setting.key);
    return text.empty() ? std::string(setting.defaultValue) : text;
}

void writeSetting(Profile& profile, const IntSetting& setting, int32_t value) {
    profile.writeInt(setting.section, setting.key, value);
}

void writeSetting(Profile& profile, const StringSetting& setting, std::string_view value) {
    profile.writeString(setting.section, setting.key, value);
}

BoardSetup readBoardSetup(const Profile& profile, StoredBoardSize sizes) {
    BoardSetup setup;
    setup.rows = readSetting(profile, kRowsSetting);
    setup.columns = readSetting(profile, kColumnsSetting);
    if (sizes == StoredBoardSize::kZeroMeansDefault && (setup.rows == 0 || setup.columns == 0)) {
        setup.rows = kDefaultBoardSize;
        setup.columns = kDefaultBoardSize;
    }
    setup.redLocations = readSetting(profile, kRedLocationsSetting);
    setup.blueLocations = readSetting(profile, kBlueLocationsSetting);
    setup.arrowLocations = readSetting(profile, kArrowLocationsSetting);
    return setup;
}

void writeBoardSetup(Profile& profile, const BoardSetup& setup) {
    writeSetting(profile, kArrowLocationsSetting, setup.arrowLocations);
    writeSetting(profile, kRedLocationsSetting, setup.redLocations);
    writeSetting(profile, kBlueLocationsSetting, setup.blueLocations);
    writeSetting(profile, kColumnsSetting, setup.columns);
    writeSetting(profile, kRowsSetting, setup.rows);
}

const SideKeys& sideKeys(Side side) {
    return side == Side::kRed ? kRedKeys : kBlueKeys;
}

PlayerSettings readPlayerSettings(const Profile& profile, Side side) {
    const SideKeys& keys = sideKeys(side);
    PlayerSettings player;
    player.type = readSetting(profile, keys.type);
    player.name = readSetting(profile, keys.name);
    player.searchAlgorithm = readSetting(profile, keys.searchAlgorithm);
    player.evaluationFunction = readSetting(profile, keys.evaluationFunction);
    player.moveTimeout = guardedMoveTimeout(readSetting(profile, keys.moveTimeout));
    return player;
}

void writePlayerSettings(Profile& profile, const PlayerSettings& red, const PlayerSettings& blue) {
    using IntField = std::pair<IntSetting SideKeys::*, int32_t PlayerSettings::*>;
    constexpr std::array<IntField, 4> kIntFieldOrder{{
        {&SideKeys::searchAlgorithm, &PlayerSettings::searchAlgorithm},
        {&SideKeys::evaluationFunction, &PlayerSettings::evaluationFunction},
        {&SideKeys::moveTimeout, &PlayerSettings::moveTimeout},
        {&SideKeys::type, &PlayerSettings::type},
    }};
    for (const auto& [key, field] : kIntFieldOrder) {
        writeSetting(profile, kRedKeys.*key, red.*field);
        writeSetting(profile, kBlueKeys.*key, blue.*field);
    }
    writeSetting(profile, kBlueKeys.name, blue.name);
    writeSetting(profile, kRedKeys.name, red.name);
}

StoredDepthCounts readDepthCounts(const Profile& profile, Side side,
                                  const StoredDepthCounts& defaults) {
    const auto& keys = sideKeys(side).depthCounts;
    const auto fallback = asList(defaults);
    std::array<int32_t, 4> counts{};
    for (std::size_t i = 0; i < counts.size(); ++i) {
        counts[i] = profile.readInt(kSettingsSection, keys[i], fallback[i]);
    }
    return {counts[0], counts[1], counts[2], counts[3]};
}

void writeDepthCounts(Profile& profile, Side side, const StoredDepthCounts& counts) {
    const auto& keys = sideKeys(side).depthCounts;
    const auto values = asList(counts);
    for (std::size_t i = 0; i < values.size(); ++i) {
        profile.writeInt(kSettingsSection, keys[i], values[i]);
    }
}

std::string customColorKey(int index) {
    return "CustomColor" + std::to_string(index);
}

CustomColors readCustomColors(const Profile& profile) {
    CustomColors colors{};
    for (int i = 0; i < kCustomColorCount; ++i) {
        colors[i] = profile.readInt(kCustomColorsSection, customColorKey(i), kDefaultCustomColor);
    }
    return colors;
}

void writeCustomColors(Profile& profile, const CustomColors& colors) {
    for (int i = 0; i < kCustomColorCount; ++i) {
        profile.writeInt(kCustomColorsSection, customColorKey(i), colors[i]);
    }
}

WindowPlacement readWindowPlacement(const Profile& profile) {
    WindowPlacement placement;
    for (const auto& [setting, field] : kPlacementFields) {
        placement.*field = readSetting(profile, *setting);
    }
    return placement;
}

void writeWindowPlacement(Profile& profile, const WindowPlacement& placement) {
    for (const auto& [setting, field] : kPlacementFields) {
        writeSetting(profile, *setting, placement.*field);
    }
}

int32_t resolutionClass(int32_t usableScreenHeight) {
    for (const ResolutionStep& step : kResolutionSteps) {
        if (usableScreenHeight > step.heightAbove) {
            return step.sizeClass;
        }
    }
    return 0;
}

bool storedPlacementApplies(const WindowPlacement& placement, int32_t currentResolutionClass) {
    for (const PlacementField& entry : kPlacementFields) {
        if (placement.*entry.field == kNoPlacement) {
            return false;
        }
    }
    const auto fitsAsSize = [](int32_t low, int32_t high) {
        const int64_t size = int64_t{high} - low;
        return size > 0 && size <= std::numeric_limits<int32_t>::max();
    };
    return placement.resolution == currentResolutionClass &&
           fitsAsSize(placement.left, placement.right) &&
           fitsAsSize(placement.top, placement.bottom);
}

int32_t readLastMoveOption(const Profile& profile) {
    return readSetting(profile, kLastMoveOptionSetting) == kBlackSquareOption
               ? kBlackSquareOption
               : kWhiteCellBorderOption;
}

}  // namespace taravin
