// Saves and menus in the middle of typing (Ctrl+S, the question on the way out, a menu opened
// and closed): what was typed is kept, and the keys go on where they were.
#include "app/items/DVItemScheduleGrid.h"
#include "model/records/Item.h"
#include "platform/ui/dialogs/QtModalServices.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/app/grids/FocusKeyboard.h"
#include "tests/support/ModalSteps.h"

#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

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

TEST_F(SaveByKeys, AfterTheSaveQuestionOfExitIsCancelledTheKeysGoOnInTheGrid)
{
    StartOnSample();
    Activate();
    const CItem& item = FirstPricedItemShown();
    Type("12.5");

    platform::QtModalServices real;
    platform::ScopedModalServices installed(real);
    testsupport::ModalSteps cancel({{testsupport::OfClass<QMessageBox>(), [](QWidget* box) {
                                         ASSERT_TRUE(QTest::qWaitForWindowActive(box));
                                         QTest::keyClick(box, Qt::Key_Escape);
                                     }}});
    ChooseByKeys(Qt::Key_F, {Qt::Key_X});
    ASSERT_NE(Prop(), nullptr) << "the program went on";
    EXPECT_DOUBLE_EQ(item.m_fUnitPrice, 12.5);

    Enter("3");
    EXPECT_DOUBLE_EQ(item.m_fUnitPrice, 3);
}

TEST_F(SaveByKeys, AMenuOpenedAndClosedByKeysLeavesThePriceBeingTyped)
{
    StartOnSample();
    Activate();
    const CItem& item = FirstPricedItemShown();
    const double published = item.m_fUnitPrice;
    Type("12");

    QTest::keyClick(Frame().GetWidget(), Qt::Key_F, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_Escape);
    if (auto* bar = qobject_cast<QMenuBar*>(QApplication::focusWidget()))
        QTest::keyClick(bar, Qt::Key_Escape); // the menu bar lets go
    Activate(); // offscreen, a closed pop-up leaves no window active
    EXPECT_DOUBLE_EQ(item.m_fUnitPrice, published) << "nothing entered yet";

    Enter(".5");
    EXPECT_DOUBLE_EQ(item.m_fUnitPrice, 12.5);
}
