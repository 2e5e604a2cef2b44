// A bidder ID typed in lower case into the dialog that asks for it is the agency's ID in capitals
// everywhere from the moment it is given: stored, on the proposal's form and in the printed bid.
#include "app/options/OptionsSheet.h"
#include "app/views/DVProposal.h"
#include "model/reports/ReportPages.h"
#include "platform/core/PageSink.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/app/MenuKeys.h"
#include "tests/app/dialogs/DialogTestSupport.h"
#include "tests/app/options/OptionsTestSupport.h"

#include <sstream>

namespace {

constexpr const char* kTyped = "v0042917x";
constexpr const char* kAgencys = "V0042917X";

class BidderIdCase : public CommandTest {
protected:
    // The ID typed with the keys into the dialog that asks for it.
    void TypeIdWhenAsked()
    {
        m_script.AnswerDialog([](platform::ModalDialog& modal) {
            auto& dialog = dynamic_cast<CDialog&>(modal);
            dialogtest::Shown(dialog);
            QTest::keyClicks(dialog.GetDlgItem(kBidderIdEdit)->GetWidget(), kTyped);
            Click(dialog, IDOK);
        });
    }

    std::string ShownOnTheProposal()
    {
        EXPECT_TRUE(Tree().SelectNode({NODE_PROPOSAL, 0}));
        Settle();
        CView* view = Frame().GetSplitter().GetRightView();
        CWnd* id = view ? view->GetDlgItem(CDV_Proposal::IDC_BIDDER_ID) : nullptr;
        return id ? id->GetWindowText() : "<none>";
    }

    std::string PrintedBid()
    {
        CReportPages pages;
        EXPECT_FALSE(BuildReportPages(*Prop(), CReportRequest(), pages));
        std::ostringstream text;
        platform::StreamPageSink sink(text);
        EXPECT_TRUE(SendReportPages(pages, sink));
        return text.str();
    }

    void ExpectCapitalsEverywhere()
    {
        EXPECT_EQ(Prop()->m_pBidder->Get(BIDDER_ID), kAgencys);
        EXPECT_EQ(ShownOnTheProposal(), kAgencys);
        const std::string printed = PrintedBid();
        EXPECT_NE(printed.find(kAgencys), std::string::npos);
        EXPECT_EQ(printed.find(kTyped), std::string::npos);
        EXPECT_EQ(Stored("Bidder\\IDS", "DOT"), kAgencys);
    }
};

} // namespace

TEST_F(BidderIdCase, TypedInTheBidderIdDialogAtTheOpening)
{
    AnswerAmendmentReport();
    TypeIdWhenAsked();
    StartOn(InLetting("sample.tvb"));
    ASSERT_NE(Prop(), nullptr);
    ExpectCapitalsEverywhere();
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

// The first run: the welcome and the options with the company, then the sample opened with
// Ctrl+O asks for the agency's ID.
TEST_F(BidderIdCase, TypedAtTheFirstOpeningOfTheFirstRun)
{
    Store("Bidder", "Name", "Unknown");
    m_script.AnswerDialogWith(IDOK); // the welcome
    m_script.AnswerDialog([](platform::ModalDialog& modal) {
        auto& sheet = dynamic_cast<COptionsSheet&>(modal);
        dialogtest::Shown(sheet);
        CWnd* name = sheet.m_bidderInfoPage.GetDlgItem(300);
        name->SetWindowText("");
        QTest::keyClicks(name->GetWidget(), "Ridgeline Paving");
        optionstest::Press(sheet, QDialogButtonBox::Ok);
    });
    StartEmpty();
    m_script.AnswerFile(InLetting("sample.tvb"));
    AnswerAmendmentReport();
    TypeIdWhenAsked();
    ASSERT_TRUE(testsupport::Activate(Frame().GetWidget()));
    QTest::keyClick(Frame().GetWidget(), Qt::Key_O, Qt::ControlModifier);
    Settle();
    ASSERT_NE(Prop(), nullptr);
    ExpectCapitalsEverywhere();
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

// Changed later in the options' Agency/ID page: the proposal's form on screen shows it at once.
TEST_F(BidderIdCase, ChangedInTheOptionsIsShownOnTheOpenFormAtOnce)
{
    AnswerAmendmentReport();
    TypeIdWhenAsked();
    StartOn(InLetting("sample.tvb"));
    ASSERT_EQ(ShownOnTheProposal(), kAgencys);
    m_script.AnswerDialog([](platform::ModalDialog& modal) {
        auto& sheet = dynamic_cast<COptionsSheet&>(modal);
        dialogtest::Shown(sheet);
        optionstest::ClickTab(sheet, 1);
        CGridCtrl& grid = sheet.m_agencyIDPage.GetGrid();
        ASSERT_EQ(optionstest::CellText(grid, 0, 0), "DOT");
        optionstest::ClickCell(grid, 1, 0);
        grid.QuickSetText(1, 0, "");
        optionstest::TypeIntoCell(grid, "w0000001");
        optionstest::Press(sheet, QDialogButtonBox::Ok);
    });
    Choose(ID_OPTIONS);
    CWnd* shown = Frame().GetSplitter().GetRightView()->GetDlgItem(CDV_Proposal::IDC_BIDDER_ID);
    EXPECT_EQ(shown->GetWindowText(), "W0000001");
    EXPECT_EQ(Prop()->m_pBidder->Get(BIDDER_ID), "W0000001");
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}
