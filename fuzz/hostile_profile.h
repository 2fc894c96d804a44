#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/memory_profile.h"

namespace taravin::fuzz {

struct ProfileKey {
    std::string section;
    std::string name;
};

// Every key the program keeps in its profile, taken from the names in model/settings.h.
const std::vector<ProfileKey>& profileKeys();

// Fills the profile from "Name=Value" lines. A name that is a key's exact name stands for that
// key; any other name picks a key by its hash, so that every line lands on a real key. The
// value is the rest of the line as bytes (NULs, signs, huge numbers and all); a line without
// '=' stores an empty value. A later line for the same key replaces the earlier one.
void storeHostileProfile(std::string_view input, MemoryProfile& profile);

}  // namespace taravin::fuzz
