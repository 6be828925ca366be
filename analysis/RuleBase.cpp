#include "analysis/RuleBase.h"

#include <array>

#include "base/ESettingsFailure.h"

namespace zendal {

namespace {

struct RuleValue {
    const char* name;
    const char* fallback;
    std::string RuleBaseBoxes::*box;
};

const std::array<RuleValue, 4> kRuleValues = {{
    {"keywords-r", "6", &RuleBaseBoxes::Edit1},
    {"bodychk", "1000", &RuleBaseBoxes::Edit2},
    {"keywords", "1000", &RuleBaseBoxes::Edit3},
    {"description", "200", &RuleBaseBoxes::Edit4},
}};

}  // namespace

RuleBaseBoxes RuleBase::getdefaults(SettingsStore& store) {
    RuleBaseBoxes boxes;
    if (!store.OpenKey(kKey)) {
        return boxes;
    }
    for (const RuleValue& value : kRuleValues) {
        if (store.ValueExists(kKey, value.name)) {
            std::string stored = store.ReadString(kKey, value.name);
            boxes.*value.box = stored == "0" ? value.fallback : stored;
        }
    }
    return boxes;
}

void RuleBase::setdefaults(SettingsStore& store, const RuleBaseBoxes& boxes,
                           MessagePort& messages) {
    if (!store.OpenKey(kKey)) {
        messages.Error(std::string("Failed to set data for '") + kRuleValues[0].name + "'");
        return;
    }
    try {
        for (const RuleValue& value : kRuleValues) {
            const std::string& text = boxes.*value.box;
            if (store.ValueExists(kKey, value.name) && !text.empty()) {
                store.WriteString(kKey, value.name, text);
            }
        }
    } catch (const ESettingsFailure& e) {
        messages.Error(e.Message());
        return;
    }
    messages.Message("Default Values Updated!");
}

}  // namespace zendal
