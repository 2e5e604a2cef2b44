#include "platform/core/RecentFileList.h"

#include "tests/support/TestEnvironment.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

using platform::MemoryProfileStore;

namespace {

std::vector<std::string> Paths(const CRecentFileList& list)
{
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < list.GetCount(); ++i)
        paths.push_back(list[i]);
    return paths;
}

} // namespace

TEST(RecentFileList, AddMovesToTheFrontKeepsNineAndRemoveDropsOne)
{
    CRecentFileList list;
    for (int i = 1; i <= 10; ++i)
        list.Add("/bids/p" + std::to_string(i) + ".tvb");
    ASSERT_EQ(list.GetCount(), 9u);
    EXPECT_EQ(list[0], "/bids/p10.tvb");
    EXPECT_EQ(list[8], "/bids/p2.tvb");

    list.Add("/BIDS/P5.TVB"); // the same file in other letters moves, and takes the new spelling
    EXPECT_EQ(list.GetCount(), 9u);
    EXPECT_EQ(list[0], "/BIDS/P5.TVB");
    EXPECT_EQ(list[1], "/bids/p10.tvb");
    const auto paths = Paths(list);
    EXPECT_EQ(std::count(paths.begin(), paths.end(), "/bids/p5.tvb"), 0);

    list.Remove(1);
    list.Remove(9); // no such entry
    EXPECT_EQ(list.GetCount(), 8u);
    EXPECT_EQ(list[1], "/bids/p9.tvb");
}

TEST(RecentFileList, RoundTripsThroughTheProfile)
{
    MemoryProfileStore store;
    CRecentFileList list;
    list.Add("/x/one.tvb");
    list.Add("/x/two.tvb");
    store.WriteString("Recent File List", "File5", "/stale.tvb");
    ASSERT_TRUE(list.WriteList(store));
    EXPECT_EQ(store.ReadString("Recent File List", "File1"), "/x/two.tvb");
    EXPECT_FALSE(store.ReadString("Recent File List", "File5")); // unused entries are removed

    CRecentFileList again;
    again.ReadList(store);
    EXPECT_EQ(Paths(again), Paths(list));
}

TEST(RecentFileList, ReadingIgnoresEntriesThatCannotBePaths)
{
    MemoryProfileStore store;
    const std::string section = "Recent File List";
    store.WriteString(section, "File1", "");
    store.WriteString(section, "File2", "/ok.tvb");
    store.WriteString(section, "File3", "/bad\nline");
    store.WriteString(section, "File4", std::string(CRecentFileList::kMaxStoredPath + 1, 'a'));
    store.WriteString(section, "File5", "/OK.TVB");
    store.WriteString(section, "File6", std::string("/nul\0x", 6));
    store.WriteString(section, "File9", "/last.tvb");
    store.WriteString(section, "File10", "/beyond.tvb");
    CRecentFileList list;
    list.ReadList(store);
    EXPECT_EQ(Paths(list), (std::vector<std::string>{"/ok.tvb", "/last.tvb"}));
}

TEST(RecentFileList, MenuTextNumbersEscapesAndAbbreviates)
{
    CRecentFileList list;
    list.Add("/home/estimator/bids/2024/march/county-road-resurfacing.tvb");
    list.Add("/tmp/R&D.tvb");
    EXPECT_EQ(list.GetMenuText(0), "&1 /tmp/R&&D.tvb");
    EXPECT_EQ(list.GetMenuText(1), "&2 /home/.../county-road-resurfacing.tvb");
    EXPECT_EQ(list.GetMenuText(2), "");
}

// A file named from a terminal by a relative path is kept by its whole path: started from another
// folder, the list still names that file and no other.
TEST(RecentFileList, RelativePathsAreKeptFromTheRoot)
{
    testsupport::TempFolder folder;
    std::string current;
    MemoryProfileStore store;
    {
        const testsupport::ScopedCurrentFolder here(folder.Path());
        current = std::filesystem::current_path().string();
        CRecentFileList list;
        list.Add("work/s1/sample.tvb");
        list.Add("./work/s1//sample.tvb"); // the same file
        EXPECT_EQ(Paths(list), std::vector<std::string>{current + "/work/s1/sample.tvb"});
        list.WriteList(store);
        // A relative entry an older program stored is taken as the folder it was read in names it.
        store.WriteString("Recent File List", "File2", "old/bid.tvb");
        list.ReadList(store);
        EXPECT_EQ(Paths(list), (std::vector<std::string>{current + "/work/s1/sample.tvb", current + "/old/bid.tvb"}));
    }
    EXPECT_EQ(store.ReadString("Recent File List", "File1"), current + "/work/s1/sample.tvb");
}
