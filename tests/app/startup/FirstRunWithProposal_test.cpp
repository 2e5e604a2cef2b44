// The program started on a proposal, as a double click on it starts it: the company details the
// bidder types at the first run and in the bidder ID request are the ones kept, and the ones the
// bid holds when saved. The real dialogs, worked as they come up.
#include "app/dialogs/BidderID.h"
#include "app/doc/BidDoc.h"
#include "app/frame/MainFrame.h"
#include "model/files/TvbFile.h"
#include "model/records/Prop.h"
#include "platform/ui/dialogs/QtModalServices.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/MenuKeys.h"
#include "tests/app/options/OptionsTestSupport.h"
#include "tests/support/ModalSteps.h"

#include <filesystem>

namespace {

using testsupport::ModalStep;
using testsupport::Titled;

constexpr UINT kCompany = 300;
constexpr UINT kAddress1 = 301;
constexpr UINT kAddress2 = 302;
constexpr UINT kCity = 303;

CDialog& DialogOf(QWidget* window)
{
    return dynamic_cast<CDialog&>(*CWnd::FromWidget(window));
}

// What was in the edit is replaced by what the user types.
void Retype(CWnd* edit, const char* text)
{
    QTest::keyClick(edit->GetWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit->GetWidget(), text);
}

void Click(CWnd* control)
{
    QTest::mouseClick(control->GetWidget(), Qt::LeftButton);
}

// The start-up picture, kept above the program's windows, while it is on the screen.
bool SplashShown()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
        return window->windowType() == Qt::SplashScreen && window->isVisible();
    });
}

class FirstRunWithProposal : public BidAppTest {
protected:
    FirstRunWithProposal()
    {
        std::filesystem::create_directories(m_folder / "bids");
        // Without its amendment files: no report comes between the questions.
        std::filesystem::copy_file(std::string(ZOD_SAMPLES) + "/sample.tvb", m_proposal);
    }
    ~FirstRunWithProposal() override
    {
        if (m_app)
            Stop(*m_app);
    }

    // Runs with the real modal services, the steps working each window as it comes up.
    void WithRealDialogs(std::deque<ModalStep> steps, const std::function<void()>& action)
    {
        platform::QtModalServices real;
        platform::ScopedModalServices installed(real);
        testsupport::ModalSteps user(std::move(steps));
        action();
        Settle();
        EXPECT_TRUE(user.AllDone()) << "a window did not come up";
        EXPECT_EQ(user.Strays(), 0) << "a window came up that no step was for";
    }

    void StartOnTheProposal(std::deque<ModalStep> steps)
    {
        WithRealDialogs(std::move(steps), [this] {
            bool started = false;
            m_app = Start({m_proposal}, &started);
            EXPECT_TRUE(started);
        });
        ASSERT_NE(Prop(), nullptr);
    }

    // Ctrl+S; the copy to a removable drive offered afterwards is declined.
    void SaveByKeys()
    {
        QWidget* main = GetMainFrame()->GetWidget();
        ASSERT_TRUE(testsupport::Activate(main));
        WithRealDialogs({{Titled("Zod - Save to Removable Drive"),
                          [](QWidget* offer) { QTest::keyClick(offer, Qt::Key_Escape); }}},
                        [main] {
                            QWidget* focus = QApplication::focusWidget();
                            QTest::keyClick(focus ? focus : main, Qt::Key_S, Qt::ControlModifier);
                            testsupport::RunPending();
                        });
    }

    // The bidder record of the proposal as the saved file holds it.
    CBidderInfo SavedBidder() const
    {
        std::unique_ptr<CProp> saved;
        EXPECT_EQ(LoadTvbFile(saved, m_proposal, false), kTvbNoError);
        return saved && saved->m_pBidder ? *saved->m_pBidder : CBidderInfo{};
    }

    static CProp* Prop() { return GetMainDocument() ? GetMainDocument()->GetProp() : nullptr; }

    // The bidder ID request: the details shown, then the ID typed and OK.
    static ModalStep GiveBidderId(std::string* companyShown, const std::function<void(CDialog&)>& changeDetails = {})
    {
        return {Titled("Bidder ID Not Found"), [companyShown, changeDetails](QWidget* window) {
                    CDialog& dialog = DialogOf(window);
                    Click(dialog.GetDlgItem(CBidderID::IDC_MORE_DETAILS));
                    *companyShown = dialog.GetDlgItem(kCompany)->GetWindowText();
                    if (changeDetails)
                        changeDetails(dialog);
                    QTest::keyClicks(dialog.GetDlgItem(CBidderID::IDC_BIDDER_ID)->GetWidget(), "n77");
                    Click(dialog.GetDlgItem(IDOK));
                }};
    }

    std::unique_ptr<CBidApp> m_app;
    const std::string m_proposal = m_folder / "bids/sample.tvb";
};

} // namespace

// A first run on a proposal: welcome and company first, then the agency's bidder ID, and the
// company typed is what the settings, the proposal and the saved bid hold.
TEST_F(FirstRunWithProposal, TheCompanyTypedAtTheFirstRunIsTheBidsAndIsKept)
{
    std::string companyShown;
    StartOnTheProposal({{Titled("New Installation"), [](QWidget* welcome) { Click(DialogOf(welcome).GetDlgItem(IDOK)); }},
                        {Titled("ZOD Options"),
                         [](QWidget* window) {
                             auto& sheet = dynamic_cast<COptionsSheet&>(DialogOf(window));
                             Retype(sheet.m_bidderInfoPage.GetDlgItem(kCompany), "Summit Asphalt");
                             Retype(sheet.m_bidderInfoPage.GetDlgItem(kAddress1), "12 Quarry Road");
                             optionstest::Press(sheet, QDialogButtonBox::Ok);
                         }},
                        GiveBidderId(&companyShown)});
    EXPECT_EQ(companyShown, "Summit Asphalt");
    EXPECT_EQ(Stored("Bidder", "Name"), "Summit Asphalt");
    EXPECT_EQ(Stored("Bidder", "Addr1"), "12 Quarry Road");
    EXPECT_EQ(Prop()->m_pBidder->Get(BIDDER_NAME), "Summit Asphalt");
    EXPECT_EQ(Prop()->m_pBidder->Get(BIDDER_ID), "N77");

    SaveByKeys();
    const CBidderInfo saved = SavedBidder();
    EXPECT_EQ(saved.Get(BIDDER_NAME), "Summit Asphalt");
    EXPECT_EQ(saved.Get(BIDDER_ADDRESS1), "12 Quarry Road");
    EXPECT_EQ(saved.Get(BIDDER_ID), "N77");
}

// The splash goes when the first question comes up, instead of covering it for its seconds.
TEST_F(FirstRunWithProposal, NoQuestionIsHiddenUnderTheSplash)
{
    std::vector<bool> splashOverQuestion;
    const auto answered = [&splashOverQuestion](std::function<void(QWidget*)> answer) {
        return [&splashOverQuestion, answer](QWidget* window) {
            splashOverQuestion.push_back(SplashShown());
            answer(window);
        };
    };
    std::string companyShown;
    ModalStep bidderId = GiveBidderId(&companyShown);
    bidderId.act = answered(bidderId.act);
    StartOnTheProposal({{Titled("New Installation"),
                         answered([](QWidget* welcome) { Click(DialogOf(welcome).GetDlgItem(IDOK)); })},
                        {Titled("ZOD Options"), answered([](QWidget* window) {
                             optionstest::Press(dynamic_cast<COptionsSheet&>(DialogOf(window)), QDialogButtonBox::Ok);
                         })},
                        bidderId});
    EXPECT_EQ(splashOverQuestion, (std::vector<bool>{false, false, false}));
}

// Details changed in the bidder ID request are the saved bid's as well as the settings'.
TEST_F(FirstRunWithProposal, DetailsChangedWithTheBidderIdAreTheSavedBids)
{
    Store("Bidder", "Name", "Ridgeline Paving");
    Store("Bidder", "Addr2", "Unit 4");
    Store("Bidder", "City", "Austin");
    std::string companyShown;
    StartOnTheProposal({GiveBidderId(&companyShown, [](CDialog& dialog) {
        Retype(dialog.GetDlgItem(kCity), "Round Rock");
        Retype(dialog.GetDlgItem(kAddress2), "Suite 200");
    })});
    EXPECT_EQ(companyShown, "Ridgeline Paving");
    EXPECT_EQ(Stored("Bidder", "City"), "Round Rock");
    EXPECT_EQ(Stored("Bidder", "Addr2"), "Suite 200");

    SaveByKeys();
    const CBidderInfo saved = SavedBidder();
    EXPECT_EQ(saved.Get(BIDDER_NAME), "Ridgeline Paving");
    EXPECT_EQ(saved.Get(BIDDER_CITY), "Round Rock");
    EXPECT_EQ(saved.Get(BIDDER_ADDRESS2), "Suite 200");
    EXPECT_EQ(saved.Get(BIDDER_ID), "N77");
}

// A window closed during the welcome (the session ending) ends the start there: the proposal asks
// nothing more.
TEST_F(FirstRunWithProposal, AWindowClosedDuringTheWelcomeOpensNothing)
{
    m_script.AnswerDialog([](platform::ModalDialog& welcome) {
        AfxGetMainWnd()->SendMessage(WM_CLOSE);
        welcome.EndModal(IDOK);
    });
    bool started = true;
    m_app = Start({m_proposal}, &started);
    Settle();
    EXPECT_FALSE(started);
    EXPECT_EQ(m_script.DialogTitles(), std::vector<std::string>{"New Installation"});
    EXPECT_TRUE(m_script.AllAnswered());
}
