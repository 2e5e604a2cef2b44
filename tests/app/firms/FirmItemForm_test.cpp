// The firm item form under the firm item grid, driven by real clicks and Tab keys: what the bidder
// leaves as shown is not read back, so a commitment changes only by what was typed; and an item
// shared among firms is shared by the firm that commits it next.
#include "app/firms/FirmItemEntries.h"
#include "app/views/DVDBEItem.h"
#include "model/check/FirmCommitments.h"
#include "model/records/FormRows.h"
#include "model/records/Item.h"
#include "model/settings/UnitTable.h"
#include "model/text/FlagWord.h"
#include "platform/ui/controls/Button.h"
#include "tests/app/firms/FirmTestSupport.h"
#include "tests/app/grids/FocusKeyboard.h"

#include <iomanip>
#include <ostream>

namespace {

// Square yards shown for an item kept in square metres.
constexpr double kSquareYardsPerMetre = 1 / 0.83612736;
constexpr int kFirm = 1;

struct Commitment {
    double quantity;
    double price;
    double total;
    uint16_t flags;

    bool operator==(const Commitment&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Commitment& c)
    {
        return out << std::setprecision(17) << c.quantity << " at " << c.price << " = " << c.total << ", flags "
                   << c.flags;
    }
};

class FirmItemFormTest : public FirmGridTest, public FocusKeyboard {
protected:
    ~FirmItemFormTest() override { ClearUnitList(); }

    // The firm's grid in an active window with the item committed to the firm and shown below.
    void CommitItem()
    {
        ASSERT_NO_FATAL_FAILURE(OpenSample());
        Frame().GetWidget()->activateWindow();
        m_active = QTest::qWaitForWindowActive(Frame().GetWidget());
        m_grid = ShowFirmItems(kFirm);
        ASSERT_NE(m_grid, nullptr);
        m_item = UncommittedRow(*m_grid);
        ASSERT_GE(m_item, 0);
        ClickUseBox(*m_grid, m_item);
        ASSERT_NE(Entry(), nullptr);
        ASSERT_EQ(Form()->GetItemIndex(), m_item);
    }
    // The item's quantity and price in units the screen shows with a remainder.
    void ShowInSquareYards()
    {
        CItem& item = *Prop()->m_items[m_item];
        SetUnitList({CUnitRow{item.m_strUnit, "SY", "1/0.83612736", "", kSquareYardsPerMetre}});
        ChangeFlagBit(&Prop()->m_wFlags, PROP_SHOW_ALT_UNITS, 1);
        Form()->ShowFirmItem(m_item);
        Settle();
    }
    CDV_DBEItem* Form() const
    {
        return dynamic_cast<CDV_DBEItem*>(Frame().GetSplitter().GetFirmItemSplitter()->GetPane(1, 0));
    }
    CDBEItem* Entry() const { return FindFirmItemEntry(*Prop(), FIRM_DBE, kFirm, m_item); }
    Commitment Committed() const
    {
        const CDBEItem& entry = *Entry();
        return {entry.m_dQuantity, entry.m_dUnitPrice, entry.m_dExtension, entry.m_wEntryFlags};
    }
    CWnd* Field(UINT id) const { return Form()->GetDlgItem(id); }
    // A click into the field, then Tab on: nothing typed.
    void ClickAndTab(UINT id)
    {
        QTest::mouseClick(Field(id)->GetWidget(), Qt::LeftButton);
        Settle();
        ASSERT_EQ(Focus(), Field(id)->GetWidget());
        Key(Qt::Key_Tab);
        Settle();
    }
    // Typed over the field's text, then Tab on.
    void TypeAndTab(UINT id, const std::string& text)
    {
        QTest::mouseClick(Field(id)->GetWidget(), Qt::LeftButton);
        Key(Qt::Key_A, Qt::ControlModifier);
        Type(text);
        Key(Qt::Key_Tab);
        Settle();
    }

    CDBEItemGrid* m_grid = nullptr;
    int m_item = -1;
    bool m_active = false;
};

#define REQUIRE_ACTIVE_FRAME()                                                                     \
    if (!m_active)                                                                                 \
    GTEST_SKIP() << "the platform gives no window the focus"

} // namespace

TEST_F(FirmItemFormTest, InAlternateUnitsTabbingThroughTheFieldsChangesNothing)
{
    ASSERT_NO_FATAL_FAILURE(CommitItem());
    REQUIRE_ACTIVE_FRAME();
    ShowInSquareYards();
    const Commitment before = Committed();
    Doc().SetModifiedFlag(false);

    for (UINT id : {CDV_DBEItem::IDC_QUANTITY, CDV_DBEItem::IDC_UNIT_PRICE, CDV_DBEItem::IDC_TOTAL})
        ASSERT_NO_FATAL_FAILURE(ClickAndTab(id));
    EXPECT_EQ(Committed(), before);
    EXPECT_FALSE(Field(CDV_DBEItem::IDC_OVER_COMMITTED)->IsWindowVisible());
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(FirmItemFormTest, ATypedTotalStaysWhenTheQuantityIsTabbedThrough)
{
    ASSERT_NO_FATAL_FAILURE(CommitItem());
    REQUIRE_ACTIVE_FRAME();
    TypeAndTab(CDV_DBEItem::IDC_TOTAL, "1000");
    ASSERT_DOUBLE_EQ(Entry()->m_dExtension, 1000);
    const Commitment typed = Committed();

    ASSERT_NO_FATAL_FAILURE(ClickAndTab(CDV_DBEItem::IDC_QUANTITY));
    ASSERT_NO_FATAL_FAILURE(ClickAndTab(CDV_DBEItem::IDC_UNIT_PRICE));
    EXPECT_EQ(Committed(), typed);
}

TEST_F(FirmItemFormTest, ATypedQuantityIsReadInTheUnitShownAndThePriceStaysAsItWas)
{
    ASSERT_NO_FATAL_FAILURE(CommitItem());
    REQUIRE_ACTIVE_FRAME();
    ShowInSquareYards();
    const double price = Entry()->m_dUnitPrice;

    TypeAndTab(CDV_DBEItem::IDC_QUANTITY, "100");
    EXPECT_NEAR(Entry()->m_dQuantity, 100 / kSquareYardsPerMetre, 1e-9);
    EXPECT_EQ(Entry()->m_dUnitPrice, price);
    EXPECT_NEAR(Entry()->m_dExtension, Entry()->m_dQuantity * price, 1e-9);
    EXPECT_TRUE(Doc().IsModified());
}

// "12,5" would commit 125 and "ten" was kept as "not entered" without a word: each is refused with
// the reason, the field keeps the text for correcting and the commitment stays as it was.
TEST_F(FirmItemFormTest, AnAmountThatCannotBeReadIsRefusedWithItsReasonAndTheTextStays)
{
    ASSERT_NO_FATAL_FAILURE(CommitItem());
    REQUIRE_ACTIVE_FRAME();
    const std::pair<UINT, std::string> typed[] = {{CDV_DBEItem::IDC_QUANTITY, "12,5"},
                                                  {CDV_DBEItem::IDC_UNIT_PRICE, "ten"}};
    for (const auto& [id, text] : typed) {
        const Commitment before = Committed();
        Doc().SetModifiedFlag(false);
        const size_t boxes = m_script.MessageBoxes().size();
        m_script.AnswerMessageBox(IDOK);
        TypeAndTab(id, text);
        ASSERT_EQ(m_script.MessageBoxes().size(), boxes + 1) << text;
        const std::string field = id == CDV_DBEItem::IDC_QUANTITY ? "Quantity" : "Unit Price";
        EXPECT_EQ(m_script.MessageBoxes().back().caption, "Invalid " + field);
        EXPECT_NE(m_script.MessageBoxes().back().text.find("\"" + text + "\": "), std::string::npos);
        EXPECT_EQ(Field(id)->GetWindowText(), text);
        EXPECT_EQ(Focus(), Field(id)->GetWidget());
        EXPECT_EQ(Committed(), before);
        EXPECT_FALSE(Doc().IsModified());
        Key(Qt::Key_A, Qt::ControlModifier);
        Type(id == CDV_DBEItem::IDC_QUANTITY ? "12.5" : "4");
        Key(Qt::Key_Tab);
        Settle();
    }
    EXPECT_NE(m_script.MessageBoxes().front().text.find("\"12,5\": a comma may only separate groups of three "
                                                        "digits before the decimal point.\nThe Quantity of line " +
                                                        Prop()->m_items[m_item]->m_strLineNum +
                                                        " for this firm stays as it was."),
              std::string::npos);
    EXPECT_EQ(Committed().quantity, 12.5);
    EXPECT_EQ(Committed().price, 4);
    EXPECT_TRUE(m_script.AllAnswered());
}

// The grid asks the form before its cursor leaves the item: one click is told once, and the
// cursor stays until the text is corrected.
TEST_F(FirmItemFormTest, ARefusedAmountKeepsTheGridOnItsItemWithOneMessage)
{
    ASSERT_NO_FATAL_FAILURE(CommitItem());
    REQUIRE_ACTIVE_FRAME();
    m_script.AnswerMessageBox(IDOK);
    TypeAndTab(CDV_DBEItem::IDC_TOTAL, "1.234,50");
    ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
    int column = CDBEItemDataSource::LINE;
    int row = m_item + 1;
    CRect rect;
    ASSERT_EQ(m_grid->GetCellRect(&column, &row, &rect), 0);
    m_script.AnswerMessageBox(IDOK);
    QTest::mouseClick(m_grid->GetCellArea()->GetWidget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(rect.CenterPoint().x, rect.CenterPoint().y));
    Settle();
    EXPECT_EQ(m_script.MessageBoxes().size(), 2u);
    EXPECT_EQ(m_grid->GetCurrentRow(), m_item);
    EXPECT_EQ(Form()->GetItemIndex(), m_item);
    EXPECT_EQ(Field(CDV_DBEItem::IDC_TOTAL)->GetWindowText(), "1.234,50");
    EXPECT_EQ(Focus(), Field(CDV_DBEItem::IDC_TOTAL)->GetWidget());
    EXPECT_TRUE(m_script.AllAnswered());
}

namespace {

// Second proposal flag word: the agency lets several firms share one item.
constexpr int kMultipleParticipantsAllowed = 6;

class SharedItemTest : public FirmItemFormTest {
protected:
    // An item no firm of any kind has committed to yet.
    int FreeItem() const
    {
        for (int index = 0; index < Prop()->m_items.GetSize(); ++index) {
            const CItem* item = Prop()->m_items[index];
            const auto untouched = [&](int kind) { return Prop()->GetUncommittedQuantity(item, kind) == item->m_fQuan; };
            if (!item->IsSection() && item->m_fQuan > 0 && untouched(FIRM_DBE) && untouched(FIRM_MBE))
                return index;
        }
        return -1;
    }
    bool Shared(int firm) const
    {
        const CDBEItem* entry = FindFirmItemEntry(*Prop(), FIRM_DBE, firm, m_item);
        return entry && TestFlagBit(entry->m_wEntryFlags, DBEITEM_NOT_COUNTED);
    }
    int MultipleTicked() const { return static_cast<CButton*>(Field(CDV_DBEItem::IDC_MULTIPLE))->GetCheck(); }
};

} // namespace

TEST_F(SharedItemTest, TheNextFirmToCommitASharedItemSharesItToo)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    ChangeFlagBit(&Prop()->m_wFlags2, kMultipleParticipantsAllowed, 1);
    m_item = FreeItem();
    ASSERT_GE(m_item, 0);
    const CItem& item = *Prop()->m_items[m_item];
    m_grid = ShowFirmItems(0);
    ASSERT_NE(m_grid, nullptr);
    ClickUseBox(*m_grid, m_item);
    ASSERT_TRUE(Field(CDV_DBEItem::IDC_MULTIPLE)->IsWindowVisible());
    QTest::mouseClick(Field(CDV_DBEItem::IDC_MULTIPLE)->GetWidget(), Qt::LeftButton);
    Settle();
    ASSERT_TRUE(Shared(0));

    m_grid = ShowFirmItems(kFirm);
    ASSERT_NE(m_grid, nullptr);
    ClickUseBox(*m_grid, m_item);
    ASSERT_NE(FindFirmItemEntry(*Prop(), FIRM_DBE, kFirm, m_item), nullptr);
    EXPECT_EQ(MultipleTicked(), BST_CHECKED);
    EXPECT_TRUE(Shared(kFirm));
    // Neither firm's share counts against the item: the whole of it is left for another firm.
    EXPECT_DOUBLE_EQ(Prop()->GetUncommittedQuantity(&item, FIRM_DBE), item.m_fQuan);
    EXPECT_FALSE(Field(CDV_DBEItem::IDC_OVER_COMMITTED)->IsWindowVisible());

    // Unticked, the item is no longer shared by either.
    QTest::mouseClick(Field(CDV_DBEItem::IDC_MULTIPLE)->GetWidget(), Qt::LeftButton);
    Settle();
    EXPECT_EQ(MultipleTicked(), BST_UNCHECKED);
    EXPECT_FALSE(Shared(0));
    EXPECT_FALSE(Shared(kFirm));
}

TEST_F(SharedItemTest, AnEntryOfASharedItemSavedUnsharedIsSharedOnceShown)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    ChangeFlagBit(&Prop()->m_wFlags2, kMultipleParticipantsAllowed, 1);
    m_item = FreeItem();
    ASSERT_GE(m_item, 0);
    for (int firm : {0, kFirm})
        ASSERT_TRUE(SetItemCommitted(*Prop(), FIRM_DBE, firm, m_item, true));
    ChangeFlagBit(&FindFirmItemEntry(*Prop(), FIRM_DBE, 0, m_item)->m_wEntryFlags, DBEITEM_NOT_COUNTED, 1);
    ASSERT_FALSE(Shared(kFirm));

    m_grid = ShowFirmItems(kFirm);
    ASSERT_NE(m_grid, nullptr);
    m_grid->GotoRow(m_item);
    Settle();
    ASSERT_EQ(Form()->GetItemIndex(), m_item);
    EXPECT_EQ(MultipleTicked(), BST_CHECKED);
    EXPECT_TRUE(Shared(kFirm));
}
