// The check and the bid caps take shortcuts for speed; these compare them with the plain way on
// random and generated proposals.
#include "tests/model/support/BidTestSupport.h"

#include "bench/generator/ProposalGenerator.h"
#include "model/check/BidCapLimits.h"
#include "model/check/BidErrors.h"
#include "model/check/CheckBid.h"
#include "model/check/ItemKeys.h"
#include "model/check/Recalc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <span>
#include <tuple>

namespace {

struct Identical {
    std::vector<bool> m_marks;
    std::vector<std::string> m_messages;
};

// The rule as written: from every unmarked item that is not fixed-price, compare with every
// later item.
Identical PairwiseIdenticalItems(const CProp& prop)
{
    const int rows = prop.m_items.GetSize();
    Identical result{std::vector<bool>(size_t(rows)), {}};
    for (int i = 0; i < rows; ++i) {
        const CItem& a = *prop.m_items[i];
        if (a.IsSection() || TestFlagBit(a.m_wFlags, ITEM_FIXED_PRICE) || result.m_marks[size_t(i)])
            continue;
        for (int j = i + 1; j < rows; ++j) {
            const CItem& b = *prop.m_items[j];
            if (b.IsSection() || !IsSameItem(a, b, prop))
                continue;
            result.m_marks[size_t(j)] = a.m_fUnitPrice != b.m_fUnitPrice;
            if (result.m_marks[size_t(j)])
                result.m_messages.push_back("Item Error : Line# " + b.m_strLineNum + " has identical item at Line# "
                                            + a.m_strLineNum + " with differing Unit Price.");
        }
    }
    return result;
}

std::unique_ptr<CProp> RandomProposal(std::mt19937& random)
{
    auto prop = MakeBidProp();
    ChangeFlagBit(&prop->m_wFlags2, PROP2_IDENTICAL_ITEM_RULE, 1);
    prop->m_wDisplayFormatFlags = uint16_t(random() % 32);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    for (int row = 0; row < 60; ++row) {
        if (pick(10) == 0) {
            AddSection(*prop, "S" + std::to_string(row));
            continue;
        }
        CItem& item = AddItem(*prop, std::to_string(row), 1 + pick(3), pick(6) == 0 ? -1 : 1 + pick(3));
        item.m_strItemNum = "N" + std::to_string(pick(5));
        item.m_strShortDesc = pick(2) ? "a" : "b";
        item.m_strAltCode = pick(3) ? "" : "01A";
        ChangeFlagBit(&item.m_wFlags, ITEM_FIXED_PRICE, pick(5) == 0);
        ChangeFlagBit(&item.m_wFlags, ITEM_LUMP_SUM, pick(4) == 0);
    }
    return prop;
}

TEST(CheckEquivalenceTest, IdenticalItemsAsThePairwiseRule)
{
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        std::mt19937 random(seed);
        auto prop = RandomProposal(random);
        RecalcBidTotals(prop.get());
        CheckBid(prop.get(), true);
        const Identical expected = PairwiseIdenticalItems(*prop);
        std::vector<std::string> messages;
        for (const CBidError& entry : GetBidErrorList())
            if (entry.m_strText.find("identical item") != std::string::npos)
                messages.push_back(entry.m_strText);
        ASSERT_EQ(messages, expected.m_messages) << "seed " << seed;
        for (int row = 0; row < prop->m_items.GetSize(); ++row)
            ASSERT_EQ((GetItemCheckWord(*prop, row) >> CHECK_IDENTICAL_ITEM) & 1, int(expected.m_marks[size_t(row)]))
                << "seed " << seed << " row " << row;
    }
    ResetBidErrors(true);
}

// Past the cut-off of the list the rule's messages are still counted, every one of them.
TEST(CheckEquivalenceTest, IdenticalItemMessagesPastTheCutOffAllCount)
{
    auto prop = MakeBidProp();
    ChangeFlagBit(&prop->m_wFlags2, PROP2_IDENTICAL_ITEM_RULE, 1);
    AddSection(*prop, "S");
    for (int row = 0; row < 300; ++row)
        AddItem(*prop, std::to_string(row), 1, 1 + row % 2).m_strItemNum = "SAME";
    const Identical expected = PairwiseIdenticalItems(*prop);
    ASSERT_GT(expected.m_messages.size(), size_t(kMaxBidErrors));
    RecalcBidTotals(prop.get());
    CheckBid(prop.get(), true);
    const auto& list = GetBidErrorList();
    ASSERT_EQ(list.size(), size_t(kMaxBidErrors) + 1);
    for (int k = 0; k < kMaxBidErrors; k += 997)
        EXPECT_EQ(list[size_t(k)].m_strText, expected.m_messages[size_t(k)]);
    int errors = 0;
    GetBidErrorCounts(&errors);
    EXPECT_EQ(errors, int(expected.m_messages.size()) + 1) << "and the section's own";
    ResetBidErrors(true);
}

// All a check leaves behind.
struct CheckOutcome {
    std::vector<std::string> m_messages;
    std::vector<int> m_words;
    uint16_t m_flags = 0;
    uint16_t m_flags2 = 0;

    bool operator==(const CheckOutcome&) const = default;
};

CheckOutcome CheckAndRecord(CProp& prop)
{
    RecalcBidTotals(&prop);
    CheckBid(&prop, true);
    CheckOutcome outcome{{}, {}, prop.m_wFlags, prop.m_wFlags2};
    for (const CBidError& entry : GetBidErrorList())
        outcome.m_messages.push_back(entry.m_strText);
    for (int row = 0; row < prop.m_items.GetSize(); ++row)
        outcome.m_words.push_back(GetItemCheckWord(prop, row));
    return outcome;
}

// One change to what decides which items are the same or have a cap.
void EditKeys(CProp& prop, std::mt19937& random)
{
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const int row = pick(prop.m_items.GetSize());
    CItem* item = prop.m_items.GetAtOrNull(row);
    switch (pick(9)) {
    case 8: prop.m_items.DeleteAt(row, false); break; // leaves an empty slot
    case 0: prop.m_wDisplayFormatFlags = uint16_t(pick(32)); break;
    case 1:
        if (pick(2)) {
            CBidCap* cap = prop.GetOrCreateBidCap("N" + std::to_string(pick(5)));
            cap->m_iRuleCount = 1;
            cap->m_strMaximum[0] = std::to_string(1 + pick(3));
        } else {
            prop.m_bidCaps.RemoveKey("N" + std::to_string(pick(5)));
        }
        break;
    case 2:
        if (item)
            ChangeFlagBit(&item->m_wFlags, ITEM_IS_SECTION, !item->IsSection());
        break;
    case 3:
        if (item)
            ChangeFlagBit(&item->m_wFlags, ITEM_FIXED_PRICE, pick(2));
        break;
    case 4:
        if (item)
            item->m_strShortDesc = pick(2) ? "a" : "b";
        break;
    case 5:
        if (item)
            item->m_strAltCode = pick(2) ? "" : "01A";
        break;
    default:
        if (item)
            item->m_strItemNum = "N" + std::to_string(pick(5));
        break;
    }
}

// What a check works out from the rows' texts is kept for the next check; after any such change
// the next check must give what a check from scratch gives.
TEST(CheckEquivalenceTest, ChecksAfterEditsAsChecksFromScratch)
{
    auto unrelated = MakeBidProp();
    AddItem(*unrelated, "0010", 1, 1);
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        auto prop = RandomProposal(random);
        prop->GetOrCreateBidCap("N1")->m_strMaximum[0] = "2";
        prop->GetOrCreateBidCap("N3")->m_strMinimum[0] = "2.5";
        prop->GetOrCreateBidCap("N4")->m_strMaximum[0] = "@TOTAL / 40";
        for (const auto& [name, cap] : prop->m_bidCaps)
            cap->m_iRuleCount = 1;
        CheckAndRecord(*prop);
        for (int edit = 0; edit < 40; ++edit) {
            EditKeys(*prop, random);
            const CheckOutcome afterEdit = CheckAndRecord(*prop);
            CProp copy;
            copy.CopyFrom(*prop);
            copy.m_pBidder = std::make_unique<CBidderInfo>();
            copy.m_pBidder->Set(BIDDER_ID, prop->m_pBidder->Get(BIDDER_ID));
            CheckAndRecord(*unrelated); // leaves nothing of the proposal's to reuse
            const CheckOutcome fromScratch = CheckAndRecord(copy);
            ASSERT_EQ(afterEdit.m_messages, fromScratch.m_messages) << "seed " << seed << " edit " << edit;
            ASSERT_EQ(afterEdit, fromScratch) << "seed " << seed << " edit " << edit;
        }
    }
    ResetBidErrors(true);
}

// As a check brings them up to date: an update, then every row confirmed, and another update
// when one was not.
void BringUpToDate(CItemKeys& keys, std::span<CItem* const> rows, const CProp& prop, const CBidCapLimits& caps)
{
    keys.Update(rows, IdentitySelection(prop), caps);
    for (size_t row = 0; row < rows.size(); ++row) {
        if (!keys.Confirm(int(row), rows[row])) {
            keys.Update(rows, IdentitySelection(prop), caps);
            return;
        }
    }
}

// The same items, bid caps and section rows as worked out from the rows each time, through any
// sequence of edits.
TEST(CheckEquivalenceTest, ItemKeysAsWorkedOutFromScratch)
{
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        auto prop = RandomProposal(random);
        prop->GetOrCreateBidCap("N1")->m_iRuleCount = 1;
        CItemKeys keys;
        for (int edit = 0; edit < 40; ++edit) {
            EditKeys(*prop, random);
            RecalcBidTotals(prop.get());
            std::vector<CItem*> rows;
            std::vector<int> sections;
            for (const auto& row : prop->m_items) {
                if (row && row->IsSection())
                    sections.push_back(int(rows.size()));
                rows.push_back(row.get());
            }
            const CBidCapLimits caps(*prop);
            BringUpToDate(keys, rows, *prop, caps);
            ASSERT_TRUE(std::ranges::equal(keys.SectionRows(), sections)) << "seed " << seed << " edit " << edit;
            int classes = 0;
            for (size_t i = 0; i < rows.size(); ++i) {
                const bool none = !rows[i] || rows[i]->IsSection();
                ASSERT_EQ(keys.CapOf(int(i)), none ? -1 : caps.FindCap(*rows[i])) << "seed " << seed << " row " << i;
                if (none) {
                    ASSERT_EQ(keys.ClassOf(int(i)), -1);
                    continue;
                }
                // Classes are numbered in row order.
                if (keys.ClassOf(int(i)) == classes)
                    ++classes;
                ASSERT_LT(keys.ClassOf(int(i)), classes);
                for (size_t j = 0; j < i; ++j) {
                    if (!rows[j] || rows[j]->IsSection() || !IsEvalValueValid(rows[i]->m_fExtension)
                        || !IsEvalValueValid(rows[j]->m_fExtension))
                        continue;
                    ASSERT_EQ(keys.ClassOf(int(i)) == keys.ClassOf(int(j)), IsSameItem(*rows[i], *rows[j], *prop))
                        << "seed " << seed << " rows " << j << ", " << i;
                }
            }
            ASSERT_EQ(keys.ClassCount(), classes);
            std::vector<int> rowsOfClass(static_cast<size_t>(classes));
            for (size_t i = 0; i < rows.size(); ++i)
                if (keys.ClassOf(int(i)) >= 0)
                    ++rowsOfClass[size_t(keys.ClassOf(int(i)))];
            for (int c = 0; c < classes; ++c)
                ASSERT_EQ(keys.IsClassShared(c), rowsOfClass[size_t(c)] > 1) << "seed " << seed << " class " << c;
        }
    }
}

// The plain way: price the item at 0 and recalculate everything.
double ItemsTotalWithout(const CProp& prop, int row)
{
    CProp copy;
    copy.CopyFrom(prop);
    copy.m_items[row]->m_fUnitPrice = 0;
    RecalcBidTotals(&copy);
    return copy.m_dItemsTotal;
}

// Flags, price and totals of every row.
std::vector<std::tuple<int, double, double, double>> RowStates(const CProp& prop)
{
    std::vector<std::tuple<int, double, double, double>> states;
    for (const auto& row : prop.m_items)
        states.emplace_back(row->m_wFlags, row->m_fUnitPrice, row->m_fExtension, row->m_fExtension2);
    return states;
}

TEST(CheckEquivalenceTest, BidCapTotalWithoutTheItemAsAFullRecalculation)
{
    for (uint32_t seed : {1u, 2u, 3u}) {
        ProposalShape shape;
        shape.m_items = 600;
        shape.m_itemsPerSection = 12;
        shape.m_seed = seed;
        shape.m_bidCapEvery = 0;
        auto prop = GenerateProposal(shape);
        ChangeFlagBit(&prop->m_wFlags, PROP_ALT_ITEMS_BY_CODE, seed == 2);
        // Every section of the generator chooses among alternate items; every third here does not.
        int sections = 0;
        for (const auto& row : prop->m_items) {
            sections += row->IsSection();
            if (!row->IsSection() && sections % 3 == 0)
                ChangeFlagBit(&row->m_wFlags, ITEM_IS_ALTERNATE, 0);
        }
        std::vector<int> capped;
        for (int row = 0; row < prop->m_items.GetSize(); row += 7) {
            CItem& item = *prop->m_items[row];
            if (item.IsSection() || !IsEvalValueValid(item.m_fUnitPrice))
                continue;
            item.m_strItemNum = "CAP" + std::to_string(row);
            CBidCap* cap = prop->GetOrCreateBidCap(item.m_strItemNum);
            cap->m_iRuleCount = 1;
            cap->m_strMinimum[0] = "@TOTAL";
            capped.push_back(row);
        }
        RecalcBidTotals(prop.get());
        const auto rowsBefore = RowStates(*prop);
        const double itemsTotal = prop->m_dItemsTotal;
        // Alone, and as the check uses them, told the section rows and caps.
        std::vector<int> sectionRows;
        std::vector<int> capOfRow;
        CBidCapLimits plain(*prop);
        for (int row = 0; row < prop->m_items.GetSize(); ++row) {
            const CItem& item = *prop->m_items[row];
            if (item.IsSection())
                sectionRows.push_back(row);
            capOfRow.push_back(item.IsSection() ? -1 : plain.FindCap(item));
        }
        CBidCapLimits told(*prop);
        told.UseKnownRows(sectionRows, capOfRow);
        for (CBidCapLimits* limits : {&plain, &told}) {
            for (int row : capped) {
                const auto& violations = limits->GetViolations(row);
                ASSERT_EQ(violations.size(), 1u) << "seed " << seed << " row " << row;
                ASSERT_EQ(violations[0].m_bound, ItemsTotalWithout(*prop, row)) << "seed " << seed << " row " << row;
            }
        }
        EXPECT_EQ(prop->m_dItemsTotal, itemsTotal);
        EXPECT_EQ(RowStates(*prop), rowsBefore) << "seed " << seed << ": the limits leave every row as it was";
    }
}

} // namespace
