// The bidder ID request: an answer that cannot be refused without allow-cancel, OK only with an
// ID, the company details shown on request and stored on OK.
#include "app/dialogs/BidderID.h"
#include "model/settings/BidderSettings.h"
#include "platform/core/SettingsStore.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/window/Menu.h"
#include "tests/app/dialogs/DialogTestSupport.h"

namespace {

using namespace dialogtest;

class BidderIdDialog : public DialogTest {
protected:
    BidderIdDialog()
    {
        auto bidder = std::make_unique<CBidderInfo>();
        bidder->Set(BIDDER_NAME, "Ace Paving & Grading, Inc.");
        bidder->Set(BIDDER_CITY, "Round Rock");
        bidder->Set(BIDDER_EMAIL, "bids@acepaving.example");
        SetBidderInfo(std::move(bidder));
    }
    ~BidderIdDialog() override { SetBidderInfo(nullptr); }

    static int Height(CDialog& dialog)
    {
        CRect window;
        dialog.GetWindowRect(&window);
        return window.Height();
    }

    CWnd* Item(CDialog& dialog, UINT id) { return dialog.GetDlgItem(id); }
};

} // namespace

TEST_F(BidderIdDialog, WithoutAllowCancelTheUserMustGiveAnId)
{
    CBidderID dialog(false);
    dialog.m_strAgency = "TXDOT";
    const int result = Run(dialog, [&] {
        EXPECT_FALSE(Item(dialog, IDCANCEL)->IsWindowVisible());
        EXPECT_FALSE(dialog.CanClose());
        EXPECT_EQ(dialog.GetSystemMenu(false)->GetMenuState(SC_CLOSE, MF_BYCOMMAND), UINT(-1));
        EXPECT_EQ(Item(dialog, CBidderID::IDC_AGENCY)->GetWindowText(), "TXDOT");
        EXPECT_FALSE(Item(dialog, IDOK)->IsWindowEnabled());

        QWidget* window = dialog.ModalWindow();
        QTest::keyClick(window, Qt::Key_Escape);
        window->close();
        QTest::keyClick(Item(dialog, CBidderID::IDC_BIDDER_ID)->GetWidget(), Qt::Key_Return);
        EXPECT_FALSE(dialog.HasEnded());

        QWidget* id = Item(dialog, CBidderID::IDC_BIDDER_ID)->GetWidget();
        QTest::keyClicks(id, "V0042917X");
        EXPECT_TRUE(Item(dialog, IDOK)->IsWindowEnabled());
        QTest::keyClick(id, Qt::Key_Backspace);
        Click(Item(dialog, IDOK));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_strBidderID, "V0042917");
}

TEST_F(BidderIdDialog, TheDetailsComeAndGoAndAnEmptyIdTakesOkAway)
{
    CBidderID dialog(true);
    dialog.m_strBidderID = "V";
    const int result = Run(dialog, [&] {
        CWnd* button = Item(dialog, CBidderID::IDC_MORE_DETAILS);
        CWnd* company = Item(dialog, 300);
        EXPECT_EQ(Height(dialog), dialog.m_iFullHeight - CBidderID::kDetailsHeight);
        EXPECT_FALSE(company->IsWindowVisible());
        EXPECT_TRUE(Item(dialog, IDCANCEL)->IsWindowVisible());

        Click(button);
        EXPECT_EQ(button->GetWindowText(), "&Less Details");
        EXPECT_EQ(Height(dialog), dialog.m_iFullHeight);
        EXPECT_TRUE(company->IsWindowVisible());
        EXPECT_EQ(company->GetWindowText(), "Ace Paving & Grading, Inc.");
        EXPECT_EQ(dynamic_cast<CEdit*>(Item(dialog, 306))->GetLimitText(), 13u);

        Click(button);
        EXPECT_EQ(button->GetWindowText(), "&More Details...");
        EXPECT_EQ(Height(dialog), dialog.m_iFullHeight - CBidderID::kDetailsHeight);
        EXPECT_FALSE(company->IsWindowVisible());
        EXPECT_TRUE(Item(dialog, IDCANCEL)->IsWindowVisible());

        QTest::keyClick(Item(dialog, CBidderID::IDC_BIDDER_ID)->GetWidget(), Qt::Key_Backspace);
        EXPECT_FALSE(Item(dialog, IDOK)->IsWindowEnabled());
        QTest::keyClick(dialog.ModalWindow(), Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_strBidderID, "V");
}

TEST_F(BidderIdDialog, OkStoresTheDetailsInTheBidderRecordAndTheSettings)
{
    CBidderID dialog(true);
    dialog.m_strBidderID = "V7";
    Run(dialog, [&] {
        Click(Item(dialog, CBidderID::IDC_MORE_DETAILS));
        Item(dialog, 303)->SetWindowText("");
        QTest::keyClicks(Item(dialog, 303)->GetWidget(), "Georgetown");
        QTest::keyClicks(Item(dialog, 305)->GetWidget(), "TX");
        Click(Item(dialog, IDOK));
    });
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_CITY), "Georgetown");
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_STATE), "TX");

    SetBidderInfo(nullptr);
    CProfileStore store;
    LoadBidderInfo(store, DefaultsPolicy::InMemory);
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_NAME), "Ace Paving & Grading, Inc.");
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_CITY), "Georgetown");
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_EMAIL), "bids@acepaving.example");
}

TEST_F(BidderIdDialog, WithoutABidderRecordWhatIsTypedIsKept)
{
    SetBidderInfo(nullptr);
    CBidderID dialog(true);
    dialog.m_strBidderID = "V7";
    Run(dialog, [&] {
        EXPECT_EQ(Item(dialog, 300)->GetWindowText(), "");
        QTest::keyClicks(Item(dialog, 300)->GetWidget(), "New Co");
        Click(Item(dialog, IDOK));
    });
    ASSERT_NE(GetBidderInfo(), nullptr);
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_NAME), "New Co");
}
