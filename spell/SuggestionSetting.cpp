#include "spell/SuggestionSetting.h"

#include "app/SettingsStore.h"
#include "app/ZendalError.h"

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
