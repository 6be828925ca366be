#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keywords/AttVal.h"
#include "keywords/ECoreError.h"
#include "keywords/TCore.h"

using zendal::AttVal;
using zendal::ECoreError;
using zendal::TCore;

namespace {

TEST(TCore, DescriptionOfACode) {
    struct Row {
        std::int32_t code;
        const char* description;
    };
    for (const Row& row : std::vector<Row>{{0, "Ok"},
                                           {12001, "[12001] (no description available)."},
                                           {-1, "[65535] (no description available)."},
                                           {65537, "[1] (no description available)."}}) {
        EXPECT_EQ(TCore::Description(row.code), row.description) << row.code;
    }
}

TEST(TCore, SettingAnErrorRaisesItByDefault) {
    TCore core;
    EXPECT_TRUE(core.RaiseErrors());
    try {
        core.SetError(7, "broken");
        FAIL() << "no exception";
    } catch (const ECoreError& e) {
        EXPECT_EQ(e.Code(), 7);
        EXPECT_STREQ(e.what(), "7: broken");
    }
    EXPECT_EQ(core.ErrorCode(), 7);
    EXPECT_EQ(core.ErrorText(), "broken");
}

TEST(TCore, AnEmptyTextStandsForTheCodesDescription) {
    TCore core;
    core.SetRaiseErrors(false);
    core.SetError(42, "");
    EXPECT_EQ(core.ErrorCode(), 42);
    EXPECT_EQ(core.ErrorText(), "[42] (no description available).");

    // Code 0 is no error and changes nothing.
    core.SetError(0, "ignored");
    EXPECT_EQ(core.ErrorCode(), 42);
    EXPECT_EQ(core.ErrorText(), "[42] (no description available).");
}

TEST(TCore, NotifyReachesTheBoundHandlerAndCloneCopiesIt) {
    TCore source;
    source.Notify(1, 2);  // unbound: nothing happens
    std::vector<std::pair<int, int>> seen;
    source.OnErrorNotify = [&](TCore& sender, int first, int second) {
        EXPECT_EQ(&sender, &source);
        seen.emplace_back(first, second);
    };
    source.Notify(3, 4);
    TCore copy;
    copy.CloneFromComponent(source);
    ASSERT_TRUE(copy.OnErrorNotify);
    EXPECT_TRUE(copy.Initialize());
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{3, 4}}));
}

TEST(AttVal, HoldsSixtyThreePairsAndClearsThem) {
    AttVal list;
    for (int i = 0; i < AttVal::kMaxPairs; ++i) {
        ASSERT_TRUE(list.Add("n" + std::to_string(i), "v" + std::to_string(i)));
    }
    EXPECT_FALSE(list.Add("full", "x"));
    EXPECT_EQ(list.Count(), 63);
    EXPECT_EQ(list.Name(62), "n62");
    EXPECT_EQ(list.Value(62), "v62");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(list.Add("a", ""));
    EXPECT_EQ(list.Name(0), "a");
    EXPECT_EQ(list.Value(0), "");
}

}  // namespace
