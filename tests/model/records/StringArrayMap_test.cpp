#include "model/records/StringArrayMap.h"

#include <gtest/gtest.h>

namespace {

CSAStringArray MakeList(std::initializer_list<const char*> texts)
{
    CSAStringArray list;
    for (const char* text : texts)
        list.Add(text);
    return list;
}

std::vector<std::string> Texts(const CSAStringArray& list) { return {list.begin(), list.end()}; }

} // namespace

TEST(PickLists, SortByWholeTextOrFromAColumn)
{
    auto list = MakeList({"b2", "a3", "c1", "x"});
    list.Sort(0);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"a3", "b2", "c1", "x"}));
    list.Sort(1);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"x", "c1", "b2", "a3"})) << "too short sorts as empty";
}

TEST(PickLists, ListsDifferByCountOrText)
{
    EXPECT_FALSE(MakeList({"a", ""}).IsDifferent(MakeList({"a", ""})));
    EXPECT_TRUE(MakeList({"a"}).IsDifferent(MakeList({"a", ""})));
    EXPECT_TRUE(MakeList({"a"}).IsDifferent(MakeList({"A"})));

    auto list = MakeList({"a"});
    list.Append(list);
    EXPECT_EQ(list.GetSize(), 2);
    EXPECT_THROW(list.SetAt(2, "c"), std::out_of_range);
    EXPECT_THROW(list.GetAt(-1), std::out_of_range);
}

TEST(PickLists, MapsCompareSwapAndCopyByName)
{
    CStringArrayMap mine, theirs;
    mine.NewList("Units")->Add("LF");
    theirs.NewList("Units")->Add("LF");
    EXPECT_FALSE(mine.HasDifferences(theirs));
    theirs.NewList("Units")->Add("SY");
    EXPECT_TRUE(mine.HasDifferences(theirs)) << "NewList replaced the list";
    theirs.NewList("Other");
    EXPECT_TRUE(mine.HasDifferences(theirs));

    CSAStringArray* theirUnits = theirs.Lookup("Units");
    mine.SwapContents(theirs);
    EXPECT_EQ(mine.Lookup("Units"), theirUnits) << "lists move, they are not copied";
    EXPECT_EQ(theirs.GetCount(), 1);

    CStringArrayMap copy;
    copy.CopyFrom(mine);
    EXPECT_FALSE(copy.HasDifferences(mine));
    EXPECT_NE(copy.Lookup("Units"), mine.Lookup("Units"));
    EXPECT_EQ(copy.Lookup("units"), nullptr);

    copy.NewList("Marked")->Add("\x01");
    copy.StripUnchangedMarkers();
    EXPECT_EQ(copy.Lookup("Marked")->GetAt(0), "");
}
