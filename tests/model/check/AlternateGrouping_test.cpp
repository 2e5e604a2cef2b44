// A chooser keeps which rows form which entries and groups from one choice to the next; after any
// change of the rows it must choose as a chooser that sees them for the first time.
#include "tests/model/support/BidTestSupport.h"

#include "bench/generator/ProposalFiles.h"
#include "model/check/AlternateChoice.h"
#include "model/check/Recalc.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

namespace {

class ChoiceRows {
public:
    ChoiceRows(uint32_t seed, bool sections) : m_random(seed), m_sections(sections)
    {
        for (int row = 0; row < 40; ++row)
            Insert(row);
    }

    // One change of a row: added, removed, its code, its kind or its value.
    void Edit()
    {
        const size_t row = size_t(Pick(int(m_items.size())));
        CItem& item = *m_items[row];
        switch (Pick(6)) {
        case 0: Insert(int(row)); break;
        case 1:
            if (m_items.size() > 1)
                m_items.erase(m_items.begin() + std::ptrdiff_t(row));
            break;
        case 2: item.m_strAltCode = Code(); break;
        case 3: SetKind(item); break;
        default: SetValue(item); break;
        }
    }

    std::vector<ChoiceRow> Rows() const
    {
        std::vector<ChoiceRow> rows;
        for (const auto& item : m_items)
            rows.push_back({item.get(), m_sections && IsEvalValueValid(item->m_fExtension)});
        return rows;
    }

    CItem& Row(size_t row) { return *m_items[row]; }
    int Pick(int n) { return int(m_random() % unsigned(n)); }
    void SetValue(CItem& item)
    {
        item.m_fExtension = Pick(5) == 0 ? MakeEvalErrorValue() : double(Pick(4) * 10 + Pick(3));
    }

private:
    std::string Code()
    {
        static const char* const kCodes[] = {"01A", "01B", "01C", "01a", "02A", "02B", "S1A", "S1B", "01", ""};
        return kCodes[Pick(int(std::size(kCodes)))];
    }

    void SetKind(CItem& item)
    {
        const int kind = Pick(4);
        ChangeFlagBit(&item.m_wFlags, ITEM_IS_ALTERNATE, kind == 0 || kind == 3);
        ChangeFlagBit(&item.m_wFlags, ITEM_IS_OPTION, kind == 1);
        ChangeFlagBit(&item.m_wFlags, ITEM_NOT_IN_CHOICE, kind == 3 && Pick(2));
    }

    void Insert(int at)
    {
        auto item = std::make_unique<CItem>();
        ChangeFlagBit(&item->m_wFlags, ITEM_IS_SECTION, m_sections);
        item->m_strAltCode = Code();
        SetKind(*item);
        SetValue(*item);
        m_items.insert(m_items.begin() + at, std::move(item));
    }

    std::mt19937 m_random;
    bool m_sections;
    std::vector<std::unique_ptr<CItem>> m_items;
};

std::vector<int> ChosenBits(const std::vector<ChoiceRow>& rows)
{
    std::vector<int> bits;
    for (const ChoiceRow& row : rows)
        bits.push_back(TestFlagBit(row.m_row->m_wFlags, ITEM_CHOSEN));
    return bits;
}

// Of items and of sections, by total and by code: the kept chooser's counts and chosen bits, and
// its counts after one row's value changed, as a new chooser's.
TEST(AlternateGroupingTest, KeptChooserAfterRowChangesChoosesAsANewOne)
{
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        const bool sections = seed % 2 == 0;
        const bool byCode = seed % 4 < 2;
        ChoiceRows edited(seed, sections);
        CAlternateChooser kept;
        for (int edit = 0; edit < 60; ++edit) {
            edited.Edit();
            const std::vector<ChoiceRow> rows = edited.Rows();
            const std::vector<uint8_t> counts = kept.Choose(rows, byCode, sections).m_counts;
            const std::vector<int> bits = ChosenBits(rows);
            CAlternateChooser fresh;
            ASSERT_EQ(fresh.Choose(rows, byCode, sections).m_counts, counts) << "seed " << seed << " edit " << edit;
            ASSERT_EQ(ChosenBits(rows), bits) << "seed " << seed << " edit " << edit;

            const size_t changed = size_t(edited.Pick(int(rows.size())));
            edited.SetValue(edited.Row(changed));
            const std::vector<uint8_t> after = kept.CountsAfterChangeOf(rows, changed);
            ASSERT_EQ(after, CAlternateChooser().Choose(rows, byCode, sections).m_counts)
                << "seed " << seed << " edit " << edit << " row " << changed;
        }
    }
}

std::tuple<double, std::vector<std::tuple<int, double>>> Totals(const CProp& prop)
{
    std::vector<std::tuple<int, double>> rows;
    for (const auto& row : prop.m_items)
        if (row)
            rows.emplace_back(row->m_wFlags, row->m_fExtension);
    return {prop.m_dItemsTotal, rows};
}

// Amendments add and remove rows and change codes between two recalculations of a proposal with
// many alternate sections; each must total as a recalculation from scratch.
TEST(AlternateGroupingTest, RecalculationAfterAmendedRowsAsFromScratch)
{
    ProposalShape shape = SampleShape();
    shape.m_items = 600;
    const auto unrelated = GenerateProposal(SampleShape());
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&](int n) { return int(random() % unsigned(n)); };
        auto prop = GenerateProposal(shape);
        ChangeFlagBit(&prop->m_wFlags, PROP_ALT_SECTIONS_BY_CODE, seed % 2);
        RecalcBidTotals(prop.get());
        for (int edit = 0; edit < 30; ++edit) {
            const int row = pick(prop->m_items.GetSize());
            CItem& item = *prop->m_items[row];
            switch (pick(4)) {
            case 0: prop->m_items.DeleteAt(row); break;
            case 1: {
                auto copy = std::make_unique<CItem>();
                copy->CopyFrom(item);
                copy->m_strAltCode = item.IsSection() ? "S" + std::to_string(pick(10)) + "C" : "01C";
                prop->m_items.InsertAt(row, std::move(copy));
                break;
            }
            case 2: item.m_strAltCode = item.IsSection() ? "S" + std::to_string(pick(10)) + "A" : "02B"; break;
            default: item.m_fUnitPrice += 1; break;
            }
            RecalcBidTotals(prop.get());
            CProp copy;
            copy.CopyFrom(*prop);
            RecalcBidTotals(unrelated.get());
            RecalcBidTotals(&copy);
            ASSERT_EQ(Totals(*prop), Totals(copy)) << "seed " << seed << " edit " << edit;
        }
    }
}

} // namespace
