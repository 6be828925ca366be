#pragma once

namespace zendal {

class SettingsStore;

// Which suggestion list the spell checker offers: Software\VELQ\Zendal value `suggestions`,
// `classic` for the sound-alike list, `ranked` (the default, also for any other text) for the
// ranked one.
class SuggestionSetting {
  public:
    static constexpr const char* kKey = "Software\\VELQ\\Zendal";
    static constexpr const char* kValue = "suggestions";
    static constexpr const char* kClassic = "classic";
    static constexpr const char* kRanked = "ranked";

    // Whether the ranked list is wanted: true without a store, without the value, or when the
    // value cannot be read.
    static bool Ranked(SettingsStore* settings);
};

}  // namespace zendal
