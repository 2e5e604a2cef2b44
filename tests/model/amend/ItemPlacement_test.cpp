// Whether an amendment list's new rows all find their places, worked out before anything
// changes: named cases where only the order of deletions and insertions decides, and random
// hostile lists, placed and applied, checked against applying the rows one by one to a copy.
#include "model/amend/ItemPlacement.h"
#include "model/amend/StagedChange.h"
#include "model/records/RecordText.h"
#include "tests/model/support/Amendments.h"
#include "tests/model/support/ItemTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>

namespace {

std::string Anchored(const std::string& line, const std::string& anchor) { return line + kAnchorSeparator + anchor; }

std::unique_ptr<CItem> Deletion(std::string line, bool section = false)
{
    auto marker = section ? MakeSection(std::move(line)) : MakeItem(std::move(line));
    ChangeFlagBit(&marker->m_wFlags, ITEM_TO_DELETE, 1);
    return marker;
}

std::unique_ptr<CItem> AfterSection(std::string line, const std::string& anchor)
{
    auto row = MakeItem(Anchored(line, anchor));
    ChangeFlagBit(&row->m_wFlags, ITEM_ANCHOR_IS_SECTION, 1);
    return row;
}

CItemArray Schedule()
{
    CItemArray list;
    list.Add(MakeSection("0100"));
    list.Add(MakeItem("0010"));
    list.Add(MakeItem("0020"));
    list.Add(MakeItem("0020")); // a line number twice, as hostile files have it
    list.Add(MakeSection("0200"));
    list.Add(MakeItem("0030"));
    return list;
}

struct Placement {
    const char* m_case;
    std::function<void(CItemArray& amendment)> m_rows;
    bool m_placed;
};

std::ostream& operator<<(std::ostream& out, const Placement& placement) { return out << placement.m_case; }

class NewRowPlacement : public AmendmentLogTest, public ::testing::WithParamInterface<Placement> {};

} // namespace

TEST_P(NewRowPlacement, IsDecidedBeforeAnythingChanges)
{
    CItemArray list = Schedule();
    CItemArray amendment;
    GetParam().m_rows(amendment);
    const std::vector<std::string> listBefore = Lines(list);
    const std::vector<std::string> amendmentBefore = Lines(amendment);
    ASSERT_EQ(CanPlaceNewRows(list, amendment), GetParam().m_placed);
    EXPECT_EQ(Lines(list), listBefore);
    EXPECT_EQ(Lines(amendment), amendmentBefore);
    if (GetParam().m_placed) {
        EXPECT_NO_THROW(list.ApplyItemChanges(amendment, nullptr));
        return;
    }
    LogAmendmentChange("from an earlier file", LOG_PROPOSAL_DATA);
    EXPECT_THROW(list.ApplyItemChanges(amendment, nullptr), CAmendmentError);
    EXPECT_EQ(Lines(list), listBefore) << "not even the deletions ahead of the failing row";
    EXPECT_EQ(Lines(amendment), amendmentBefore);
    EXPECT_EQ(GetAmendmentChangeCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NewRowPlacement,
    ::testing::Values(
        Placement{"after a row the list holds", [](CItemArray& a) { a.Add(MakeItem(Anchored("0015", "0010"))); }, true},
        Placement{"after a line the list lacks", [](CItemArray& a) { a.Add(MakeItem(Anchored("0015", "0011"))); }, false},
        Placement{"after a section row", [](CItemArray& a) { a.Add(AfterSection("0005", "0200")); }, true},
        Placement{"after an item row named like a section row",
                  [](CItemArray& a) { a.Add(MakeItem(Anchored("0005", "0200"))); }, false},
        Placement{"at the top with an empty anchor", [](CItemArray& a) { a.Add(MakeItem(Anchored("0001", ""))); }, true},
        Placement{"at the top without an anchor", [](CItemArray& a) { a.Add(MakeItem("0001")); }, true},
        Placement{"after a row the same amendment deletes",
                  [](CItemArray& a) {
                      a.Add(MakeItem(Anchored("0035", "0030")));
                      a.Add(Deletion("0030"));
                  },
                  false},
        Placement{"after one of two equal rows when one is deleted",
                  [](CItemArray& a) {
                      a.Add(Deletion("0020"));
                      a.Add(MakeItem(Anchored("0025", "0020")));
                  },
                  true},
        Placement{"after equal rows all deleted",
                  [](CItemArray& a) {
                      a.Add(Deletion("0020"));
                      a.Add(Deletion("0020"));
                      a.Add(Deletion("0020"));
                      a.Add(MakeItem(Anchored("0025", "0020")));
                  },
                  false},
        Placement{"after a row a deletion of the other kind leaves",
                  [](CItemArray& a) {
                      a.Add(Deletion("0030", true));
                      a.Add(MakeItem(Anchored("0035", "0030")));
                  },
                  true},
        Placement{"after a row inserted earlier",
                  [](CItemArray& a) {
                      a.Add(MakeItem(Anchored("0040", "0030")));
                      a.Add(MakeItem(Anchored("0050", "0040")));
                  },
                  true},
        Placement{"after a row inserted later",
                  [](CItemArray& a) {
                      a.Add(MakeItem(Anchored("0050", "0040")));
                      a.Add(MakeItem(Anchored("0040", "0030")));
                  },
                  false},
        Placement{"after a row inserted and deleted again: deletions come first",
                  [](CItemArray& a) {
                      a.Add(MakeItem(Anchored("0040", "0030")));
                      a.Add(Deletion("0040"));
                      a.Add(MakeItem(Anchored("0050", "0040")));
                  },
                  true},
        Placement{"an inserted marker line number is no anchor",
                  [](CItemArray& a) {
                      a.Add(MakeItem(Anchored(std::string(kUnchangedText), "0010")));
                      a.Add(MakeItem(Anchored("0012", std::string(kUnchangedText))));
                  },
                  false},
        Placement{"empty slots are skipped",
                  [](CItemArray& a) {
                      a.Add(nullptr);
                      a.Add(MakeItem(Anchored("0015", "0010")));
                  },
                  true}));

TEST(NewRowPlacementOfAChange, AListRowWithTheWholeAnchoredLineNumberIsChangedNotAdded)
{
    CItemArray list = Schedule();
    list.Add(MakeItem(Anchored("0099", "7777")));
    CItemArray amendment;
    amendment.Add(MakeItem(Anchored("0099", "7777"), "CHANGED"));
    EXPECT_TRUE(CanPlaceNewRows(list, amendment));
}

namespace {

// Line numbers from a small alphabet so that rows meet, with anchors, kinds, markers and gaps.
class HostileLists {
public:
    explicit HostileLists(unsigned seed) : m_rng(seed) {}

    CItemArray Make(int rows, bool amendment)
    {
        CItemArray list;
        for (int i = 0; i < rows; ++i) {
            if (Pick(12) == 0) {
                list.Add(nullptr);
                continue;
            }
            auto row = Pick(3) == 0 ? MakeSection(Line()) : MakeItem(Line());
            row->m_strItemNum = (amendment ? "NEW" : "OLD") + std::to_string(i);
            if (amendment && Pick(2) == 0)
                row->m_strLineNum += kAnchorSeparator + (Pick(5) == 0 ? std::string() : Line());
            for (int bit : {ITEM_ANCHOR_IS_SECTION, ITEM_TO_DELETE})
                if (amendment && Pick(4) == 0)
                    ChangeFlagBit(&row->m_wFlags, bit, 1);
            list.Add(std::move(row));
        }
        return list;
    }

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_rng); }

    std::string Line()
    {
        static const char* const lines[] = {"0010", "0020", "0030", "0040", "\x01", ""};
        return lines[Pick(6)];
    }

    std::mt19937 m_rng;
};

// Rows with what tells them apart after a change: the item number comes with the amendment.
std::vector<std::string> Rows(const CItemArray& list)
{
    std::vector<std::string> rows = Lines(list);
    for (int i = 0; i < list.GetSize(); ++i)
        if (list[i])
            rows[size_t(i)] += "/" + list[i]->m_strItemNum;
    return rows;
}

// The rows applied one at a time to a copy, each looked up by walking the list: deletions, then
// changes in place or insertions; nothing at the first row with nowhere to go.
std::optional<std::vector<std::string>> ApplyOneByOne(const CItemArray& original, const CItemArray& amendmentRows)
{
    CItemArray list, amendment;
    list.CopyFrom(original);
    amendment.CopyFrom(amendmentRows);
    for (const auto& marker : amendment) {
        int index = -1;
        if (marker && TestFlagBit(marker->m_wFlags, ITEM_TO_DELETE) && list.FindItem(*marker, &index, 0))
            list.DeleteAt(index);
    }
    for (const auto& change : amendment) {
        if (!change || TestFlagBit(change->m_wFlags, ITEM_TO_DELETE))
            continue;
        if (CItem* row = list.FindItem(*change, nullptr, 0)) {
            row->ExchangeWithLog(*change);
            continue;
        }
        const int position = FindInsertPosition(list, *change);
        if (position < 0)
            return std::nullopt;
        auto added = std::make_unique<CItem>();
        added->CopyFrom(*change);
        added->StripUnchangedMarkers();
        list.InsertAt(position, std::move(added));
    }
    return Rows(list);
}

} // namespace

TEST(NewRowPlacementAtRandom, AgreesWithApplyingTheRowsOneByOne)
{
    int refused = 0;
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        HostileLists lists(seed);
        CItemArray list = lists.Make(int(seed % 9), false);
        CItemArray amendment = lists.Make(int(seed % 7) + 1, true);
        const auto expected = ApplyOneByOne(list, amendment);
        ASSERT_EQ(CanPlaceNewRows(list, amendment), expected.has_value()) << "seed " << seed;
        if (!expected) {
            ++refused;
            continue;
        }
        list.ApplyItemChanges(amendment, nullptr);
        ASSERT_EQ(Rows(list), *expected) << "seed " << seed;
    }
    EXPECT_GT(refused, 300) << "the lists must also try the refusals";
}
