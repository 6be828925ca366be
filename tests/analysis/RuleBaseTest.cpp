#include "analysis/RuleBase.h"

#include <gtest/gtest.h>

#include "support/MemorySettingsStore.h"
#include "support/ScriptedMessagePort.h"

using namespace zendal;
using zendal::test::MemorySettingsStore;
using zendal::test::ScriptedMessagePort;

namespace {

const std::string kKey = RuleBase::kKey;

MemorySettingsStore StoreWith(const std::string& keywordsR, const std::string& bodychk,
                              const std::string& keywords, const std::string& description) {
    MemorySettingsStore store;
    store.values = {{{kKey, "keywords-r"}, keywordsR},
                    {{kKey, "bodychk"}, bodychk},
                    {{kKey, "keywords"}, keywords},
                    {{kKey, "description"}, description}};
    return store;
}

}  // namespace

TEST(RuleBase, BoxesShowStoredTextsWithDefaultsForZero) {
    struct Case {
        MemorySettingsStore store;
        RuleBaseBoxes boxes;
    };
    std::vector<Case> cases = {
        {StoreWith("0", "0", "0", "0"), {"6", "1000", "1000", "200"}},
        {StoreWith("", "500", "x", "150"), {"", "500", "x", "150"}},
        {MemorySettingsStore{}, {}},
    };
    for (Case& c : cases) {
        EXPECT_EQ(RuleBase::getdefaults(c.store), c.boxes);
    }
}

TEST(RuleBase, UpdateWritesOnlyExistingValuesFromFilledBoxes) {
    MemorySettingsStore store = StoreWith("6", "1000", "1000", "200");
    store.values.erase({kKey, "description"});
    ScriptedMessagePort messages;
    RuleBase::setdefaults(store, {"12", "", "abc", "99"}, messages);
    EXPECT_EQ(store.values.at({kKey, "keywords-r"}), "12");
    EXPECT_EQ(store.values.at({kKey, "bodychk"}), "1000");     // empty box: left as it was
    EXPECT_EQ(store.values.at({kKey, "keywords"}), "abc");     // stored unchanged, not checked
    EXPECT_EQ(store.values.count({kKey, "description"}), 0u);  // never created
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Default Values Updated!"});
}

TEST(RuleBase, RefusedWriteStopsAndReportsTheValue) {
    MemorySettingsStore store = StoreWith("6", "1000", "1000", "200");
    store.refusedWrites = {"bodychk"};
    ScriptedMessagePort messages;
    RuleBase::setdefaults(store, {"7", "8", "9", "10"}, messages);
    EXPECT_EQ(store.values.at({kKey, "keywords-r"}), "7");
    EXPECT_EQ(store.values.at({kKey, "keywords"}), "1000");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Failed to set data for 'bodychk'");
    EXPECT_EQ(messages.shown[0].outcome, MessagePort::Outcome::Failure);
}
