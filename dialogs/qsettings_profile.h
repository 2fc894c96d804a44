#pragma once

#include <QSettings>

#include "model/profile.h"

namespace taravin {

// The user's profile in the platform's settings store, under the organisation
// "Kestrow - Danlo Program" and the application "Taravin"; each section is one group. Every
// write is flushed at once, so nothing waits in a cache for the program's end.
class QSettingsProfile final : public Profile {
  public:
    QSettingsProfile();

  private:
    int32_t doReadInt(std::string_view section, std::string_view key,
                      int32_t defaultValue) const override;
    std::string doReadString(std::string_view section, std::string_view key,
                             std::string_view defaultValue) const override;
    void doWriteInt(std::string_view section, std::string_view key, int32_t value) override;
    void doWriteString(std::string_view section, std::string_view key,
                       std::string_view value) override;
    void write(std::string_view section, std::string_view key, const QVariant& value);

    QSettings settings_;
};

}  // namespace taravin
