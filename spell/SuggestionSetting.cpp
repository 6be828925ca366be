#include "spell/SuggestionSetting.h"

#include "base/SettingsStore.h"
#include "base/ZendalError.h"

namespace zendal {

bool SuggestionSetting::Ranked(SettingsStore* settings) {
    if (settings == nullptr || !settings->OpenKey(kKey) || !settings->ValueExists(kKey, kValue)) {
        return true;
    }
    try {
        return settings->ReadString(kKey, kValue) != kClassic;
    } catch (const ZendalError&) {
        return true;
    }
}

}  // namespace zendal
