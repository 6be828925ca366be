#include "base/FieldLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "base/FieldTable.h"

using zendal::FieldLists;
using List = std::vector<std::string>;

namespace {

// The entries that stand more than once, with their counts.
std::map<std::string, int> Repeated(const List& list) {
    std::map<std::string, int> counts;
    for (const std::string& entry : list) {
        ++counts[entry];
    }
    std::erase_if(counts, [](const auto& entry) { return entry.second < 2; });
    return counts;
}

TEST(FieldLists, TheSortedListsStartEmptyAndRepeatOnlyWhatTheyAlwaysHave) {
    struct Case {
        const char* field;
        const List& list;
        std::map<std::string, int> repeated;
    };
    for (const Case& c : {Case{"robots", FieldLists::Robots(), {}},
                          Case{"distribution", FieldLists::Distribution(), {}},
                          Case{"rating", FieldLists::Rating(), {}},
                          // The language list has always offered en and sr twice.
                          Case{"language", FieldLists::Language(), {{"en", 2}, {"sr", 2}}}}) {
        SCOPED_TRACE(c.field);
        ASSERT_FALSE(c.list.empty());
        EXPECT_EQ(c.list.front(), "");
        EXPECT_TRUE(std::is_sorted(c.list.begin(), c.list.end()));
        EXPECT_EQ(Repeated(c.list), c.repeated);
    }
}

// The classifications keep the order in which the field has always offered them, between two
// empty entries.
TEST(FieldLists, TheClassificationsStandBetweenTwoEmptyEntries) {
    const List& list = FieldLists::Classification();
    ASSERT_GE(list.size(), 3u);
    EXPECT_EQ(list.front(), "");
    EXPECT_EQ(list.back(), "");
    EXPECT_EQ(Repeated(list), (std::map<std::string, int>{{"", 2}}));
    EXPECT_FALSE(std::is_sorted(list.begin(), list.end()));
}

TEST(FieldLists, EachDropDownFieldStartsAtAValueOfItsList) {
    const zendal::WizardFields atStart;
    int dropDowns = 0;
    for (const zendal::WizardField& field : zendal::FieldTable::Fields()) {
        if (field.list == nullptr) {
            continue;
        }
        ++dropDowns;
        const List& list = field.list();
        EXPECT_NE(std::find(list.begin(), list.end(), atStart.*field.text), list.end())
            << field.control;
    }
    EXPECT_EQ(dropDowns, 5);
}

}  // namespace
