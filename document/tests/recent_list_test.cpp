#include "recent_list.h"

#include <gtest/gtest.h>

namespace mixora::document {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentListTest, TheMostRecentComesFirstAndAPathIsListedOnceWhateverItsCase) {
    RecentList list;
    list.add("C:\\设计\\C30梁.mixora");
    list.add("D:\\b.mixora");
    list.add("c:\\设计\\c30梁.MIXORA"); // the same file: moves to the front, new spelling
    list.add("");                       // ignored
    EXPECT_EQ(list.entries(), (Paths{"c:\\设计\\c30梁.MIXORA", "D:\\b.mixora"}));
}

TEST(RecentListTest, AtMostEightAreKeptAndTheOldestGoes) {
    RecentList list;
    for (int i = 1; i <= 10; ++i)
        list.add("p" + std::to_string(i));
    EXPECT_EQ(list.entries(), (Paths{"p10", "p9", "p8", "p7", "p6", "p5", "p4", "p3"}));
    list.add("P5");
    EXPECT_EQ(list.entries(), (Paths{"P5", "p10", "p9", "p8", "p7", "p6", "p4", "p3"}));
}

TEST(RecentListTest, RemoveTakesOutOnlyThatPath) {
    RecentList list(Paths{"a", "B", "c"});
    list.remove("b");
    list.remove("missing");
    EXPECT_EQ(list.entries(), (Paths{"a", "c"}));
}

TEST(RecentListTest, StoredEntriesAreCleanedAsAddingWould) {
    const RecentList list(Paths{"a", "", "b", "A", "c", "d", "e", "f", "g", "h", "i"});
    EXPECT_EQ(list.entries(), (Paths{"a", "b", "c", "d", "e", "f", "g", "h"}));
}

} // namespace
} // namespace mixora::document
