// The reader's duplicate-line check runs over a flat index; it must answer as the rule written
// plainly: the first row, from the top, that another row of its kind shares its line with.
#include "model/check/RecalcItems.h"
#include "model/records/ItemArray.h"
#include "tests/model/support/ItemTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::optional<std::string> PairwiseDuplicateLine(const CItemArray& items)
{
    for (int i = 0; i < items.GetSize(); ++i) {
        const CItem* a = items.GetAtOrNull(i);
        for (int j = 0; a && j < items.GetSize(); ++j) {
            const CItem* b = items.GetAtOrNull(j);
            if (j != i && b && b->IsSection() == a->IsSection() && b->m_strLineNum == a->m_strLineNum)
                return a->m_strLineNum;
        }
    }
    return std::nullopt;
}

// Few distinct lines, so that twins are common, some of them across the two kinds; emptied slots
// as amendments leave them.
CItemArray RandomRows(std::mt19937& random, int rows, int lines)
{
    CItemArray items;
    for (int row = 0; row < rows; ++row) {
        const std::string line = std::string(random() % 3, '0') + std::to_string(random() % unsigned(lines));
        items.Add(random() % 5 == 0 ? MakeSection(line) : MakeItem(line));
        if (random() % 17 == 0)
            items.DeleteAt(items.GetSize() - 1, false);
    }
    return items;
}

} // namespace

TEST(DuplicateLinesTest, FindsTheLineThePairwiseRuleFinds)
{
    int found = 0;
    for (uint32_t seed = 1; seed <= 400; ++seed) {
        std::mt19937 random(seed);
        const int rows = int(random() % 300);
        const CItemArray items = RandomRows(random, rows, 2 + rows * int(random() % 4));
        const auto expected = PairwiseDuplicateLine(items);
        EXPECT_EQ(FindDuplicateLineNumberIn(items), expected) << "seed " << seed;
        found += expected.has_value();
    }
    EXPECT_GT(found, 100);
    EXPECT_LT(found, 390) << "lists without twins are tried too";
}
