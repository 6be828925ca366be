#include "keywords/AttVal.h"

#include <gtest/gtest.h>

#include <string>

using zendal::AttVal;

namespace {

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
