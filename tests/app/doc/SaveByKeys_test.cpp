// Ctrl+S in the middle of typing: what was typed is saved, and the keys go on where they were.
#include "app/items/DVItemScheduleGrid.h"
#include "model/records/Item.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/app/grids/FocusKeyboard.h"

namespace {

class SaveByKeys : public CommandTest, public FocusKeyboard {
protected:
    // The first item of the schedule that takes a price, its unit price cell current.
    const CItem& FirstPricedItemShown()
    {
        EXPECT_TRUE(Tree().SelectNode({NODE_SCHEDULE, 0}));
        Settle();
        auto* view = dynamic_cast<CDV_ItemScheduleGrid*>(Frame().GetSplitter().GetRightView());
        EXPECT_NE(view, nullptr);
        int index = 0;
        while (Prop()->m_items[index]->IsSection() || TestFlagBit(Prop()->m_items[index]->m_wFlags, ITEM_FIXED_PRICE))
            ++index;
        view->ShowItem(index);
        return *Prop()->m_items[index];
    }
};

} // namespace

TEST_F(SaveByKeys, APriceBeingTypedIsSavedAndTheKeysGoOnInTheGrid)
{
    Store("Misc", "FloppySave", "0");
    StartOnSample();
    Activate();
    const CItem& item = FirstPricedItemShown();
    QWidget* grid = Focus();
    ASSERT_NE(grid, nullptr);

    Type("12.5");
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(item.m_fUnitPrice, 12.5);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Focus(), grid);

    Enter("3");
    EXPECT_DOUBLE_EQ(item.m_fUnitPrice, 3);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}
