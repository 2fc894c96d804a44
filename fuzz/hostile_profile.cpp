#include "fuzz/hostile_profile.h"

#include <cstdint>

#include "model/settings.h"

namespace taravin::fuzz {

namespace {

ProfileKey keyOf(const IntSetting& setting) {
    return {std::string(setting.section), std::string(setting.key)};
}
ProfileKey keyOf(const StringSetting& setting) {
    return {std::string(setting.section), std::string(setting.key)};
}

std::vector<ProfileKey> collectKeys() {
    std::vector<ProfileKey> keys{
        keyOf(kRowsSetting),
        keyOf(kColumnsSetting),
        keyOf(kRedLocationsSetting),
        keyOf(kBlueLocationsSetting),
        keyOf(kArrowLocationsSetting),
        keyOf(kMarkLastMoveSetting),
        keyOf(kLastMoveOptionSetting),
        keyOf(kAutoGameStartSetting),
        keyOf(kSoundSetting),
        keyOf(kColor1CodeSetting),
        keyOf(kColor2CodeSetting),
        keyOf(kBkgColorCodeSetting),
        keyOf(kFileDlgDirectorySetting),
        keyOf(kWindowTopSetting),
        keyOf(kWindowLeftSetting),
        keyOf(kWindowBottomSetting),
        keyOf(kWindowRightSetting),
        keyOf(kWindowResolutionSetting),
    };
    for (const SideKeys* side : {&kRedKeys, &kBlueKeys}) {
        for (const IntSetting* setting :
             {&side->type, &side->searchAlgorithm, &side->evaluationFunction, &side->moveTimeout}) {
            keys.push_back(keyOf(*setting));
        }
        keys.push_back(keyOf(side->name));
        for (std::string_view count : side->depthCounts) {
            keys.push_back({std::string(kSettingsSection), std::string(count)});
        }
    }
    for (int i = 0; i < kCustomColorCount; ++i) {
        keys.push_back({std::string(kCustomColorsSection), customColorKey(i)});
    }
    return keys;
}

// FNV-1a: cheap, and a one-byte change of a name moves it to another key.
uint32_t nameHash(std::string_view name) {
    uint32_t hash = 2166136261u;
    for (const char c : name) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return hash;
}

const ProfileKey& keyNamed(std::string_view name) {
    const std::vector<ProfileKey>& keys = profileKeys();
    for (const ProfileKey& key : keys) {
        if (key.name == name) {
            return key;
        }
    }
    return keys[nameHash(name) % keys.size()];
}

}  // namespace

const std::vector<ProfileKey>& profileKeys() {
    static const std::vector<ProfileKey> keys = collectKeys();
    return keys;
}

void storeHostileProfile(std::string_view input, MemoryProfile& profile) {
    while (!input.empty()) {
        const std::size_t lineEnd = input.find('\n');
        const std::string_view line = input.substr(0, lineEnd);
        input = lineEnd == std::string_view::npos ? std::string_view() : input.substr(lineEnd + 1);
        const std::size_t equals = line.find('=');
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
        const ProfileKey& key = keyNamed(line.substr(0, equals));
        profile.writeString(key.section, key.name, value);
    }
}

}  // namespace taravin::fuzz
