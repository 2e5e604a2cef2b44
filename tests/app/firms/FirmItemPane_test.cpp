// The grid and the form below it: the cursor's item is shown below, and what the bidder typed in
// the form is stored before the cursor or a tick moves on; a refusal keeps both where they are.
#include "app/firms/FirmItemEntries.h"
#include "app/firms/FirmItemPane.h"
#include "app/views/DVBlank.h"
#include "tests/app/firms/FirmTestSupport.h"

namespace {

// Stands for the firm item form: it remembers what the grid asked of it.
class RecordingItemForm : public CDV_Blank, public CFirmItemPane {
    DECLARE_DYNCREATE(RecordingItemForm)
public:
    void ShowFirmItem(int item) override { m_shown.push_back(item); }
    void RefreshFirmItem() override { ++m_refreshes; }
    bool StoreTypedValues() override
    {
        ++m_stores;
        ++s_allStores;
        return !m_refuse;
    }

    std::vector<int> m_shown;
    int m_refreshes = 0;
    int m_stores = 0;
    bool m_refuse = false;
    // Counts on after the form is gone.
    static inline int s_allStores = 0;
};

IMPLEMENT_DYNCREATE(RecordingItemForm, CDV_Blank)

class FirmItemPaneTest : public FirmGridTest {
protected:
    // The firm's grid with the recording form in the lower pane.
    void ShowWithForm(int firm)
    {
        m_grid = ShowFirmItems(firm);
        ASSERT_NE(m_grid, nullptr);
        CDBEItemSplitter* splitter = Frame().GetSplitter().GetFirmItemSplitter();
        m_form = dynamic_cast<RecordingItemForm*>(
            splitter->ReplaceView(1, 0, RUNTIME_CLASS(RecordingItemForm), CSize(100, 100)));
        ASSERT_NE(m_form, nullptr);
        ASSERT_EQ(m_grid->GetFirmItemView(), m_form);
        m_grid->GetCellArea()->SetFocus();
        Settle();
    }
    void Key(Qt::Key key)
    {
        QTest::keyClick(m_grid->GetCellArea()->GetWidget(), key);
        Settle();
    }

    CDBEItemGrid* m_grid = nullptr;
    RecordingItemForm* m_form = nullptr;
};

} // namespace

TEST_F(FirmItemPaneTest, TheFormBelowFollowsTheCursor)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    ShowWithForm(0);
    m_grid->GotoRow(2);
    Settle();
    m_form->m_shown.clear();

    Key(Qt::Key_Down);
    ASSERT_EQ(m_grid->GetCurrentRow(), 3);
    ASSERT_FALSE(m_form->m_shown.empty());
    EXPECT_EQ(m_form->m_shown.back(), m_grid->GetDataSource().ItemOfRow(3));
    EXPECT_GE(m_form->m_stores, 1);
}

TEST_F(FirmItemPaneTest, ARefusedValueKeepsTheCursorOnItsItem)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    ShowWithForm(0);
    m_grid->GotoRow(2);
    Settle();
    m_form->m_refuse = true;
    m_form->m_shown.clear();

    Key(Qt::Key_Down);
    EXPECT_EQ(m_grid->GetCurrentRow(), 2);
    EXPECT_TRUE(m_form->m_shown.empty());

    m_form->m_refuse = false;
    Key(Qt::Key_Down);
    EXPECT_EQ(m_grid->GetCurrentRow(), 3);
}

TEST_F(FirmItemPaneTest, ATickWaitsForWhatWasTypedBelow)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    ShowWithForm(1);
    const int row = UncommittedRow(*m_grid);
    ASSERT_GE(row, 0);
    m_grid->GotoRow(row);
    Settle();

    m_form->m_refuse = true;
    ClickUseBox(*m_grid, row);
    EXPECT_FALSE(Ticked(*m_grid, row));
    EXPECT_EQ(FindFirmItemEntry(*Prop(), FIRM_DBE, 1, row), nullptr);
    EXPECT_EQ(m_form->m_refreshes, 0);

    m_form->m_refuse = false;
    ClickUseBox(*m_grid, row);
    EXPECT_TRUE(Ticked(*m_grid, row));
    EXPECT_NE(FindFirmItemEntry(*Prop(), FIRM_DBE, 1, row), nullptr);
    EXPECT_EQ(m_form->m_refreshes, 1);
}

TEST_F(FirmItemPaneTest, LeavingTheNodeStoresWhatWasTypedBelow)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    ShowWithForm(0);
    const int before = RecordingItemForm::s_allStores;

    ASSERT_TRUE(Tree().SelectNode({NODE_PROPOSAL, 0}));
    Settle();
    EXPECT_EQ(Frame().GetSplitter().GetFirmItemSplitter(), nullptr);
    EXPECT_EQ(RecordingItemForm::s_allStores, before + 1);
}
