// Random schedules and random agency edits: the amendment list made from the newer schedule,
// applied to the older one, must give back the newer schedule and log the right categories.
#include "tests/model/support/Amendments.h"
#include "tests/model/support/ItemTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <random>
#include <set>

namespace {

class ScheduleGenerator {
public:
    explicit ScheduleGenerator(unsigned seed) : m_rng(seed) {}

    CItemArray MakeSchedule()
    {
        CItemArray list;
        for (int i = Pick(0, 2); i > 0; --i)
            list.Add(NewItem()); // items ahead of the first section
        for (int s = Pick(1, 4); s > 0; --s) {
            list.Add(NewSection());
            for (int i = Pick(0, 6); i > 0; --i)
                list.Add(NewItem());
        }
        return list;
    }

    // Applies 1 to 6 random edits; `moved` tells whether a row changed its place.
    void Edit(CItemArray& list, bool& moved)
    {
        for (int edits = Pick(1, 6); edits > 0; --edits) {
            switch (Pick(0, 6)) {
            case 0: list.InsertAt(Pick(0, list.GetSize()), NewItem()); break;
            case 1: list.InsertAt(0, Pick(0, 1) ? NewItem() : NewSection()); break;
            case 2: InsertRun(list, Pick(0, list.GetSize()), false); break;
            case 3: InsertRun(list, Pick(0, list.GetSize()), true); break;
            case 4:
                if (list.GetSize() > 0)
                    list.DeleteAt(Pick(0, list.GetSize() - 1));
                break;
            case 5:
                if (list.GetSize() > 0)
                    ChangeRow(*list[Pick(0, list.GetSize() - 1)]);
                break;
            case 6:
                if (list.GetSize() > 1) {
                    auto row = list.Detach(Pick(0, list.GetSize() - 1));
                    list.InsertAt(Pick(0, list.GetSize()), std::move(row));
                    moved = true;
                }
                break;
            }
        }
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }

    std::string Text(const char* prefix) { return prefix + std::to_string(Pick(0, 3)); }

    // Line numbers are unique within each kind; sections and items share the same numbering,
    // so a section row and an item row often have one line number.
    static std::string LineNumber(int& counter)
    {
        char line[16];
        std::snprintf(line, sizeof line, "%04d", counter += 10);
        return line;
    }

    std::unique_ptr<CItem> NewItem()
    {
        auto item = MakeItem(LineNumber(m_itemLine), Text("IT"), Text("short"));
        item->m_fQuan = Pick(1, 500);
        item->m_fUnitPrice = Pick(0, 3) * 1.25;
        item->m_strAltCode = Pick(0, 2) ? "" : Text("A");
        for (int bit : {ITEM_FIXED_PRICE, ITEM_LUMP_SUM, ITEM_IS_ALTERNATE, ITEM_CHOSEN, ITEM_NOT_IN_CHOICE})
            ChangeFlagBit(&item->m_wFlags, bit, Pick(0, 3) == 0);
        return item;
    }

    std::unique_ptr<CItem> NewSection()
    {
        auto section = MakeSection(LineNumber(m_sectionLine), Text("Section "));
        ChangeFlagBit(&section->m_wFlags, ITEM_IS_OPTION, Pick(0, 3) == 0);
        return section;
    }

    void InsertRun(CItemArray& list, int at, bool withSection)
    {
        if (withSection)
            list.InsertAt(at++, NewSection());
        for (int i = Pick(1, 3); i > 0; --i)
            list.InsertAt(at++, NewItem());
    }

    // What an agency changes: always something the comparison sees.
    void ChangeRow(CItem& row)
    {
        row.m_strLongDesc += "*";
        if (row.IsSection())
            return;
        row.m_fQuan += 1;
        row.m_strUnit = Text("U");
        if (Pick(0, 1)) {
            ChangeFlagBit(&row.m_wFlags, ITEM_FIXED_PRICE, 2);
            row.m_fUnitPrice = Pick(1, 9);
        }
    }

    std::mt19937 m_rng;
    int m_itemLine = 0;
    int m_sectionLine = 0;
};

// Every value an amendment carries; the number, extension and second price are the
// recalculation's business.
std::string Fingerprint(const CItem& row)
{
    return row.m_strItemNum + "|" + row.m_strAltCode + "|" + row.m_strShortDesc + "|" + row.m_strLongDesc + "|" +
           std::to_string(row.m_fQuan) + "|" + row.m_strUnit + "|" + std::to_string(row.m_wFlags) + "|" +
           std::to_string(row.m_fUnitPrice);
}

void ExpectSameRows(const CItemArray& actual, const CItemArray& expected)
{
    ASSERT_EQ(Lines(actual), Lines(expected));
    for (int i = 0; i < actual.GetSize(); ++i)
        EXPECT_EQ(Fingerprint(*actual[i]), Fingerprint(*expected[i])) << "row " << i;
}

// Item rows (section rows are never logged) by line number.
std::map<std::string, std::string> ItemRows(const CItemArray& list)
{
    std::map<std::string, std::string> rows;
    for (const auto& row : list)
        if (!row->IsSection())
            rows[row->m_strLineNum] = Fingerprint(*row);
    return rows;
}

std::set<std::string> LoggedLines(int category)
{
    std::set<std::string> lines;
    for (const std::string& text : LoggedTexts(category))
        EXPECT_TRUE(lines.insert(text.substr(0, text.find("  "))).second) << "logged twice: " << text;
    return lines;
}

void ExpectLogMatches(const CItemArray& older, const CItemArray& newer, bool moved)
{
    const auto before = ItemRows(older);
    const auto after = ItemRows(newer);
    std::set<std::string> deleted, added, changed;
    for (const auto& [line, content] : before)
        if (!after.count(line))
            deleted.insert(line);
        else if (after.at(line) != content)
            changed.insert(line);
    for (const auto& [line, content] : after)
        if (!before.count(line))
            added.insert(line);

    const auto loggedDeleted = LoggedLines(LOG_ITEMS_DELETED);
    const auto loggedAdded = LoggedLines(LOG_ITEMS_ADDED);
    const auto loggedChanged = LoggedLines(LOG_ITEMS_CHANGED);
    // A lost price is told of only for a row the amendment changed.
    const auto loggedLostPrices = LoggedLines(LOG_ENTRIES_REMOVED);
    for (const auto& line : loggedLostPrices)
        EXPECT_TRUE(loggedChanged.count(line)) << line;
    EXPECT_EQ(GetAmendmentChangeCount(), static_cast<int>(loggedDeleted.size() + loggedAdded.size() +
                                                          loggedChanged.size() + loggedLostPrices.size()));
    if (!moved) {
        EXPECT_EQ(loggedDeleted, deleted);
        EXPECT_EQ(loggedAdded, added);
        EXPECT_EQ(loggedChanged, changed);
        return;
    }
    // A moved row may be deleted and added again instead of being matched.
    for (const auto& line : deleted)
        EXPECT_TRUE(loggedDeleted.count(line)) << line;
    for (const auto& line : added)
        EXPECT_TRUE(loggedAdded.count(line)) << line;
    for (const auto& line : changed)
        EXPECT_TRUE(loggedChanged.count(line) || (loggedDeleted.count(line) && loggedAdded.count(line))) << line;
    for (const auto& line : loggedChanged)
        EXPECT_TRUE(changed.count(line)) << line;
    for (const auto& line : loggedAdded)
        EXPECT_TRUE(added.count(line) || loggedDeleted.count(line)) << line;
    for (const auto& line : loggedDeleted)
        EXPECT_TRUE(deleted.count(line) || loggedAdded.count(line)) << line;
}

} // namespace

TEST(ItemAmendmentProperty, ReducingThenApplyingGivesBackTheNewerSchedule)
{
    constexpr unsigned kFirstSeed = 20240601;
    for (unsigned seed = kFirstSeed; seed < kFirstSeed + 1500; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        ScheduleGenerator generator(seed);
        const CItemArray older = generator.MakeSchedule();
        CItemArray newer;
        newer.CopyFrom(older);
        bool moved = false;
        generator.Edit(newer, moved);

        CItemArray current, olderCopy, changes;
        current.CopyFrom(older);
        olderCopy.CopyFrom(older);
        changes.CopyFrom(newer);
        changes.ReduceItemsToChanges(olderCopy);

        CreateAmendmentLog();
        current.ApplyItemChanges(changes, nullptr);
        ExpectSameRows(current, newer);
        ExpectLogMatches(older, newer, moved);
        DestroyAmendmentLog();
        if (HasFailure())
            break;
    }
}
