#include "model/records/DataArray.h"
#include "model/records/DataMap.h"
#include "model/text/FlagWord.h"
#include "tests/model/support/TestRecord.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

CDataArray<CTestRecord> MakeList(std::initializer_list<const char*> texts)
{
    CDataArray<CTestRecord> list;
    for (const char* text : texts)
        list.Add(std::make_unique<CTestRecord>(text));
    return list;
}

CDataMap<CTestRecord> MakeMap(std::initializer_list<const char*> names)
{
    CDataMap<CTestRecord> map;
    for (const char* name : names)
        map.SetAt(name, std::make_unique<CTestRecord>(name));
    return map;
}

} // namespace

TEST(DataArrayPairing, ReduceCountsEveryRecordWithoutCounterpart)
{
    auto newer = MakeList({"a", "b"});
    auto longerOlder = MakeList({"a", "b", "c", "d"});
    EXPECT_EQ(newer.ReduceToChanges(longerOlder), 2u);
    EXPECT_EQ(newer[0]->m_strText, kUnchangedText);

    auto longerNewer = MakeList({"a", "b", "c", "d"});
    auto shorterOlder = MakeList({"a", "x"});
    EXPECT_EQ(longerNewer.ReduceToChanges(shorterOlder), 1u + 2u);
    EXPECT_EQ(longerNewer[2]->m_strText, "c") << "a record without counterpart stays whole";
}

TEST(DataArrayPairing, ExchangeTakesValuesMovesSurplusAndKeepsOldValuesInAmendment)
{
    auto current = MakeList({"a", "b", "c"});
    auto amendment = MakeList({"a", "B", "c", "d", "e"});
    CTestRecord* fourth = amendment[3];

    EXPECT_EQ(current.ExchangeWithLog(amendment), 2u + 1u);
    ASSERT_EQ(current.GetSize(), 5);
    EXPECT_EQ(current[1]->m_strText, "B");
    EXPECT_EQ(current[3], fourth) << "surplus records move, they are not copied";
    ASSERT_EQ(amendment.GetSize(), 3);
    EXPECT_EQ(amendment[1]->m_strText, "b");

    auto shorter = MakeList({"a"});
    EXPECT_EQ(current.ExchangeWithLog(shorter), 4u);
    EXPECT_EQ(current.GetSize(), 1);
}

TEST(DataArrayPairing, EmptiedSlotsAreSkippedNeverDereferenced)
{
    auto current = MakeList({"a", "b", "c"});
    ASSERT_TRUE(current.DeleteAt(1, false));
    EXPECT_EQ(current.GetSize(), 3);
    EXPECT_EQ(current[1], nullptr);

    auto copy = MakeList({});
    copy.CopyFrom(current);
    EXPECT_EQ(copy[1], nullptr);
    EXPECT_EQ(copy.ReduceToChanges(current), 0u);

    auto older = MakeList({"a", "b", "c"});
    EXPECT_EQ(copy.ReduceToChanges(older), 1u) << "a record gone from its slot is one change";

    auto amendment = MakeList({"a", "new", "c"});
    ASSERT_TRUE(amendment.DeleteAt(2, false));
    EXPECT_EQ(current.ExchangeWithLog(amendment), 1u);
    EXPECT_EQ(current[1]->m_strText, "new") << "an emptied slot takes the amendment's record";
    EXPECT_EQ(current[2]->m_strText, "c") << "an emptied amendment slot leaves ours alone";

    auto withHoles = MakeList({"a", "x", "y"});
    withHoles.DeleteAt(2, false);
    EXPECT_EQ(current.ExchangeWithLog(withHoles), 1u);
}

TEST(DataArrayPairing, IndicesOutsideTheListAreRefused)
{
    auto list = MakeList({"a"});
    EXPECT_FALSE(list.DeleteAt(1, true));
    EXPECT_FALSE(list.DeleteAt(-1, false));
    EXPECT_EQ(list.GetAtOrNull(1), nullptr);
    EXPECT_EQ(list.GetAtOrNull(-5), nullptr);
    EXPECT_THROW(list.GetAt(1), std::out_of_range);
    EXPECT_THROW(list.InsertAt(2, std::make_unique<CTestRecord>()), std::out_of_range);
    EXPECT_THROW(list.Detach(-1), std::out_of_range);
    EXPECT_EQ(list.GetSize(), 1);
}

TEST(DataMapPairing, ExchangeLeavesExactlyTheAmendmentsNames)
{
    auto current = MakeMap({"Alpha", "Beta"});
    current.Lookup("Beta")->m_iNumber = 1;
    auto amendment = MakeMap({"Beta", "Gamma"});
    CTestRecord* gamma = amendment.Lookup("Gamma");
    ChangeFlagBit(&gamma->m_wFlags, kPairingFlagBit, 1); // as a hostile file may set it

    EXPECT_EQ(current.ExchangeWithLog(amendment), 1u + 1u + 1u);
    EXPECT_EQ(current.Lookup("Alpha"), nullptr);
    EXPECT_EQ(current.Lookup("Beta")->m_iNumber, 0);
    EXPECT_EQ(current.Lookup("Gamma"), gamma);
    EXPECT_EQ(current.GetCount(), 2);
    EXPECT_EQ(amendment.Lookup("Gamma"), nullptr);
    for (const auto& [name, record] : current)
        EXPECT_FALSE(TestFlagBit(record->m_wFlags, kPairingFlagBit)) << name;
}

TEST(DataMapPairing, ReduceCountsNamesOnOneSideOnlyAndClearsPairingMarks)
{
    auto newer = MakeMap({"Beta", "Gamma"});
    auto older = MakeMap({"Alpha", "Beta"});
    EXPECT_EQ(newer.ReduceToChanges(older), 2u);
    EXPECT_EQ(newer.Lookup("Beta")->m_strText, kUnchangedText);
    EXPECT_EQ(newer.Lookup("Gamma")->m_strText, "Gamma");
    for (const auto& [name, record] : older)
        EXPECT_FALSE(TestFlagBit(record->m_wFlags, kPairingFlagBit)) << name;
}

TEST(DataMapPairing, SetAtReplacesAndNullOnlyRemoves)
{
    auto map = MakeMap({"Alpha"});
    map.SetAt("Alpha", std::make_unique<CTestRecord>("second"));
    EXPECT_EQ(map.Lookup("Alpha")->m_strText, "second");
    EXPECT_EQ(map.SetAt("Alpha", nullptr), nullptr);
    EXPECT_EQ(map.GetCount(), 0);
    EXPECT_EQ(map.Lookup("alpha"), nullptr) << "names are case-sensitive";
}

TEST(UnchangedMarkers, KeepTheCurrentValuesAndNeverMoveOver)
{
    auto list = MakeList({"a"});
    auto listAmendment = MakeList({"a", "\x01"});
    listAmendment[1]->m_block.MarkUnchanged();
    list.ExchangeWithLog(listAmendment);
    EXPECT_EQ(list[1]->m_strText, "");
    EXPECT_FALSE(list[1]->m_block.IsUnchangedMarker());

    auto holes = MakeList({"a"});
    holes.DeleteAt(0, false);
    auto holeAmendment = MakeList({"\x01"});
    holes.ExchangeWithLog(holeAmendment);
    EXPECT_EQ(holes[0]->m_strText, "");

    CDataMap<CTestRecord> map;
    CDataMap<CTestRecord> mapAmendment;
    mapAmendment.SetAt("Gamma", std::make_unique<CTestRecord>("\x01"));
    map.ExchangeWithLog(mapAmendment);
    EXPECT_EQ(map.Lookup("Gamma")->m_strText, "");

    // A record that is exchanged keeps the current text and block.
    auto current = MakeList({"keep"});
    current[0]->m_block.Assign({1, 2, 3});
    auto amendment = MakeList({"\x01"});
    amendment[0]->m_block.MarkUnchanged();
    EXPECT_EQ(current.ExchangeWithLog(amendment), 0u);
    EXPECT_EQ(current[0]->m_strText, "keep");
    EXPECT_EQ(current[0]->m_block.GetLength(), 3u);
}
