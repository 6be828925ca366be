#pragma once

#include <string>

#include "base/MessagePort.h"
#include "base/SettingsStore.h"

namespace zendal {

// The texts of the rule base window's four boxes.
struct RuleBaseBoxes {
    std::string Edit1;  // keywords-r, "Repeated Key Words Allowed"
    std::string Edit2;  // bodychk, "Body Check Count"
    std::string Edit3;  // keywords, "Key Word check"
    std::string Edit4;  // description, "Description Check"
    bool operator==(const RuleBaseBoxes&) const = default;
};

// The four analysis settings as the rule base window reads and stores them.
class RuleBase {
  public:
    static constexpr const char* kKey = "Software\\VELQ\\rodoru";

    // Each existing value as stored, its default when stored as "0"; a missing value leaves its
    // box empty.
    static RuleBaseBoxes getdefaults(SettingsStore& store);
    // "&Update": writes each box that is not empty over its value when the value exists, in the
    // order keywords-r, bodychk, keywords, description, then shows "Default Values Updated!". A
    // refused write shows the store's message and stops there.
    static void setdefaults(SettingsStore& store, const RuleBaseBoxes& boxes,
                            MessagePort& messages);
};

}  // namespace zendal
