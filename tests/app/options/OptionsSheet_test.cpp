// The sheet as a whole and its simple pages: the tabs in their order, pages made when first
// shown, OK and Apply storing what the pages made so far hold, Cancel storing nothing; the
// company's details and the proxy.
#include "tests/app/options/OptionsTestSupport.h"

#include "platform/ui/controls/Edit.h"

namespace {

using namespace optionstest;

class OptionsSheet : public OptionsTest {
protected:
    // A key to whatever has the keyboard; what has it afterwards.
    static QWidget* Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        return QApplication::focusWidget();
    }
    QWidget* Field(CPropertyPage& page, UINT id) { return page.GetDlgItem(id)->GetWidget(); }
};

} // namespace

TEST_F(OptionsSheet, ShowsItsSevenPagesInOrderAndMakesEachWhenFirstShown)
{
    RunOn(0, [&] {
        auto* tabs = sheet.ModalWindow()->findChild<QTabBar*>();
        std::vector<std::string> titles;
        for (int i = 0; i < tabs->count(); ++i)
            titles.push_back(tabs->tabText(i).toStdString());
        EXPECT_EQ(titles, (std::vector<std::string>{"Bidder Information", "Agency/ID", "Units", "Export Format",
                                                    "Import Format", "Misc.", "Proxy"}));
        EXPECT_TRUE(sheet.m_bidderInfoPage.IsPageCreated());
        EXPECT_FALSE(sheet.m_proxyPage.IsPageCreated());
        ClickTab(sheet, 6);
        EXPECT_TRUE(sheet.m_proxyPage.IsPageCreated());
        EXPECT_FALSE(sheet.m_unitsPage.IsPageCreated());
        EXPECT_FALSE(ApplyEnabled(sheet)); // showing the settings changes nothing
        QTest::keyClick(sheet.ModalWindow(), Qt::Key_Escape);
    });
    EXPECT_EQ(sheet.ModalTitle(), "ZOD Options");
    EXPECT_EQ(m_script.DialogTitles(), std::vector<std::string>{"ZOD Options"});
}

TEST_F(OptionsSheet, TheCompanyTypedIsStoredOnOkAndNothingOnCancel)
{
    const int cancelled = RunOn(0, [&] {
        CWnd* name = sheet.m_bidderInfoPage.GetDlgItem(300);
        name->SetWindowText("");
        QTest::keyClicks(name->GetWidget(), "Ace Paving");
        EXPECT_TRUE(ApplyEnabled(sheet));
        Press(sheet, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(cancelled, IDCANCEL);
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_NAME), "Unknown");
    EXPECT_EQ(Stored(kBidderGroup, "Name"), "Unknown");

    COptionsSheet again("ZOD Options");
    m_script.AnswerDialog([&](platform::ModalDialog&) {
        COptionsBidderInfoPage& page = again.m_bidderInfoPage;
        EXPECT_EQ(page.GetDlgItem(300)->GetWindowText(), "Unknown");
        page.GetDlgItem(300)->SetWindowText("");
        QTest::keyClicks(page.GetDlgItem(300)->GetWidget(), "Ace Paving & Grading, Inc.");
        QTest::keyClicks(page.GetDlgItem(306)->GetWidget(), "78664-1234-99999");
        QTest::keyClicks(page.GetDlgItem(309)->GetWidget(), "bids@acepaving.example");
        Press(again, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(again.DoModal(), IDOK);
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_NAME), "Ace Paving & Grading, Inc.");
    EXPECT_EQ(Stored(kBidderGroup, "Name"), "Ace Paving & Grading, Inc.");
    EXPECT_EQ(Stored(kBidderGroup, "Zip"), "78664-1234-99"); // 13 characters at most
    EXPECT_EQ(Stored(kBidderGroup, "Email"), "bids@acepaving.example");
}

TEST_F(OptionsSheet, ApplyStoresTheChangesAtOnceAndTheSheetStaysUp)
{
    RunOn(0, [&] {
        QTest::keyClicks(sheet.m_bidderInfoPage.GetDlgItem(303)->GetWidget(), "Round Rock");
        Press(sheet, QDialogButtonBox::Apply);
        EXPECT_EQ(Stored(kBidderGroup, "City"), "Round Rock");
        EXPECT_FALSE(ApplyEnabled(sheet));
        EXPECT_FALSE(sheet.HasEnded());
        QTest::keyClicks(sheet.m_bidderInfoPage.GetDlgItem(303)->GetWidget(), " TX");
        Press(sheet, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(Stored(kBidderGroup, "City"), "Round Rock"); // what was applied stays
}

struct ProxyCase {
    const char* name;
    UINT button;
    const char* port;
    int mode;
    int storedPort;
};

class ProxyPage : public OptionsTest, public ::testing::WithParamInterface<ProxyCase> {};

TEST_P(ProxyPage, StoresTheModeAndAPortThatIsANumber)
{
    RunOn(6, [&] {
        COptionsProxyPage& page = sheet.m_proxyPage;
        EXPECT_FALSE(page.GetDlgItem(COptionsProxyPage::IDC_ADDRESS)->IsWindowEnabled());
        Click(page.GetDlgItem(COptionsProxyPage::IDC_MANUAL));
        EXPECT_TRUE(page.GetDlgItem(COptionsProxyPage::IDC_ADDRESS)->IsWindowEnabled());
        QTest::keyClicks(page.GetDlgItem(COptionsProxyPage::IDC_ADDRESS)->GetWidget(), "proxy.acepaving.example");
        CWnd* port = page.GetDlgItem(COptionsProxyPage::IDC_PORT);
        port->SetWindowText("");
        QTest::keyClicks(port->GetWidget(), GetParam().port);
        Click(page.GetDlgItem(GetParam().button));
        EXPECT_EQ(port->IsWindowEnabled(), GetParam().mode == PROXY_MANUAL);
        EXPECT_TRUE(ApplyEnabled(sheet));
        Press(sheet, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(GetProxySettings().m_iMode, GetParam().mode);
    EXPECT_EQ(Stored(kProxyGroup, "UseProxy"), std::to_string(GetParam().mode));
    EXPECT_EQ(Stored(kProxyGroup, "Address"), "proxy.acepaving.example");
    EXPECT_EQ(Stored(kProxyGroup, "Port"), std::to_string(GetParam().storedPort));
}

INSTANTIATE_TEST_SUITE_P(Modes, ProxyPage,
                         ::testing::Values(ProxyCase{"Manual", COptionsProxyPage::IDC_MANUAL, "8080", PROXY_MANUAL, 8080},
                                           ProxyCase{"NotANumber", COptionsProxyPage::IDC_MANUAL, "http", PROXY_MANUAL, 0},
                                           ProxyCase{"OutOfRange", COptionsProxyPage::IDC_MANUAL, "70000", PROXY_MANUAL, 0},
                                           ProxyCase{"Direct", COptionsProxyPage::IDC_DIRECT, "3128", PROXY_DIRECT, 3128},
                                           ProxyCase{"System", COptionsProxyPage::IDC_SYSTEM, "3128", PROXY_SYSTEM, 3128}),
                         [](const auto& info) { return std::string(info.param.name); });

// As on Windows: the keyboard starts on the page's first field; Ctrl+Tab, Ctrl+Shift+Tab,
// Ctrl+PgDn and Ctrl+PgUp go round the pages; Tab goes tabs, page, buttons.
TEST_F(OptionsSheet, TheKeysGoRoundThePagesAndTabGoesTabsPageButtons)
{
    RunOn(0, [&] {
        ASSERT_TRUE(m_active);
        auto* tabs = sheet.ModalWindow()->findChild<QTabBar*>();
        QWidget* name = Field(sheet.m_bidderInfoPage, 300);
        ASSERT_TRUE(QTest::qWaitFor([name] { return QApplication::focusWidget() == name; }));
        QWidget* inGrid = Key(Qt::Key_PageDown, Qt::ControlModifier);
        EXPECT_EQ(sheet.GetActiveIndex(), 1);
        EXPECT_TRUE(sheet.m_agencyIDPage.ModalWindow()->isAncestorOf(inGrid));
        Key(Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(sheet.GetActiveIndex(), 2);
        Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(sheet.GetActiveIndex(), 1);
        EXPECT_EQ(Key(Qt::Key_PageUp, Qt::ControlModifier), name);
        QWidget* onProxy = Key(Qt::Key_PageUp, Qt::ControlModifier);
        EXPECT_EQ(sheet.GetActiveIndex(), 6) << "round to the last page";
        EXPECT_TRUE(sheet.m_proxyPage.ModalWindow()->isAncestorOf(onProxy));
        Key(Qt::Key_PageDown, Qt::ControlModifier);
        ASSERT_EQ(sheet.GetActiveIndex(), 0);
        EXPECT_EQ(QApplication::focusWidget(), name);

        EXPECT_EQ(Key(Qt::Key_Backtab, Qt::ShiftModifier), tabs);
        EXPECT_EQ(Key(Qt::Key_Right), tabs) << "the arrows change the page, the keyboard stays on the tabs";
        EXPECT_EQ(sheet.GetActiveIndex(), 1);
        EXPECT_EQ(Key(Qt::Key_Left), tabs);
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        EXPECT_EQ(Key(Qt::Key_Tab), name);
        QWidget* last = Field(sheet.m_bidderInfoPage, 309);
        last->setFocus(Qt::TabFocusReason);
        auto* ok = qobject_cast<QPushButton*>(Key(Qt::Key_Tab));
        ASSERT_NE(ok, nullptr) << "after the page's last field come the buttons";
        EXPECT_EQ(ok->text(), "OK");
        QTest::keyClick(ok, Qt::Key_Space);
    });
    EXPECT_TRUE(sheet.HasEnded());
}
