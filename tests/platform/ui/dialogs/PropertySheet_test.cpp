#include "platform/ui/dialogs/PropertySheet.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"

#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

using platform::ScopedModalServices;
using platform::ScriptedModalServices;

namespace {

struct Page : CPropertyPage {
    explicit Page(UINT id) : CPropertyPage(id, "Page " + std::to_string(id)) {}
    int inits = 0, activations = 0, oks = 0;
    bool allowLeave = true;
    LRESULT next = 0;
    bool OnInitDialog() override { ++inits; return true; }
    bool OnSetActive() override
    {
        ++activations;
        GetSheet()->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
        return true;
    }
    bool OnKillActive() override { return allowLeave; }
    LRESULT OnWizardNext() override { return next; }
    void OnOK() override { ++oks; }
};

struct OkDialog : CDialog {
    int inits = 0;
    bool OnInitDialog() override { ++inits; SetWindowText("Bidder ID Not Found"); return true; }
};

} // namespace

TEST(Dialog, ModalRunIsScriptedThroughTheServices)
{
    ScriptedModalServices script;
    ScopedModalServices installed(script);
    OkDialog dialog;
    dialog.SetTitle("Bidder ID");
    script.AnswerDialog([](platform::ModalDialog& d) {
        auto& dlg = dynamic_cast<OkDialog&>(d);
        EXPECT_EQ(dlg.GetWindowText(), "Bidder ID Not Found");
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, 0), 0); // the OK button
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.inits, 1);
    EXPECT_FALSE(dialog.IsWindow());
    script.AnswerDialog([](platform::ModalDialog&) {}); // left open: cancelled
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(script.DialogTitles(), (std::vector<std::string>{"Bidder ID", "Bidder ID"}));
    EXPECT_TRUE(script.AllAnswered());
}

TEST(PropertySheet, PagesAreCreatedWhenFirstShownAndOkReachesOnlyThose)
{
    ScriptedModalServices script;
    ScopedModalServices installed(script);
    Page a(1), b(2), c(3);
    CPropertySheet sheet("ZOD Options");
    sheet.AddPage(&a);
    sheet.AddPage(&b);
    sheet.AddPage(&c);
    script.AnswerDialog([&](platform::ModalDialog&) {
        EXPECT_TRUE(a.IsPageCreated());
        EXPECT_FALSE(b.IsPageCreated());
        EXPECT_TRUE(sheet.SetActivePage(1));
        EXPECT_TRUE(sheet.SetActivePage(0));
        EXPECT_EQ(b.inits, 1);
        a.allowLeave = false;
        EXPECT_FALSE(sheet.SetActivePage(2)); // the page keeps the user
        a.allowLeave = true;
        sheet.PressOK();
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_FALSE(c.IsPageCreated());
    EXPECT_EQ(c.inits, 0);
    EXPECT_EQ(a.oks + b.oks + c.oks, 2);
}

TEST(PropertySheet, WizardButtonsAndNavigation)
{
    ScriptedModalServices script;
    ScopedModalServices installed(script);
    Page a(10), b(20), c(30);
    a.next = 30; // jumps over b
    CPropertySheet sheet("Wizard");
    sheet.AddPage(&a);
    sheet.AddPage(&b);
    sheet.AddPage(&c);
    sheet.SetWizardMode();
    script.AnswerDialog([&](platform::ModalDialog&) {
        sheet.PressNext();
        EXPECT_EQ(sheet.GetActiveIndex(), 2);
        EXPECT_FALSE(b.IsPageCreated());
        c.next = -1;
        sheet.PressNext();
        EXPECT_EQ(sheet.GetActiveIndex(), 2);
        sheet.PressBack();
        EXPECT_EQ(sheet.GetActiveIndex(), 1);
        sheet.SetWizardButtons(PSWIZB_BACK);
        sheet.PressNext(); // disabled: nothing happens
        EXPECT_EQ(sheet.GetActiveIndex(), 1);
        sheet.PressFinish(); // not offered
        EXPECT_FALSE(sheet.HasEnded());
        sheet.SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
        sheet.PressFinish();
    });
    EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
}

TEST(PropertySheet, ApplyIsOfferedWhileAPageHasChangesAndAppliesThePagesMade)
{
    ScriptedModalServices script;
    ScopedModalServices installed(script);
    Page a(1), b(2);
    CPropertySheet sheet("ZOD Options");
    sheet.AddPage(&a);
    sheet.AddPage(&b);
    script.AnswerDialog([&](platform::ModalDialog&) {
        EXPECT_FALSE(sheet.IsApplyEnabled());
        a.SetModified();
        EXPECT_TRUE(sheet.IsApplyEnabled());
        sheet.PressApply();
        EXPECT_EQ(a.oks, 1);
        EXPECT_EQ(b.oks, 0); // never shown
        EXPECT_FALSE(a.IsModified());
        EXPECT_FALSE(sheet.IsApplyEnabled());
    });
    sheet.DoModal();
}

TEST(PropertySheet, EscapeOnAPageCancelsTheSheet)
{
    ScriptedModalServices script;
    ScopedModalServices installed(script);
    Page a(1);
    CPropertySheet sheet("ZOD Options");
    sheet.AddPage(&a);
    script.AnswerDialog([&](platform::ModalDialog&) {
        QTest::keyClick(a.ModalWindow(), Qt::Key_Escape);
        EXPECT_TRUE(sheet.HasEnded());
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
}

TEST(PropertySheet, EveryTabIsShownWholeInThePagesFont)
{
    ScriptedModalServices script;
    ScopedModalServices installed(script);
    std::vector<std::unique_ptr<Page>> pages;
    CPropertySheet sheet("ZOD Options");
    for (UINT id = 1; id <= 9; ++id) {
        pages.push_back(std::make_unique<Page>(id));
        sheet.AddPage(pages.back().get());
    }
    script.AnswerDialog([&](platform::ModalDialog&) {
        QWidget* window = sheet.ModalWindow();
        window->show();
        QApplication::processEvents();
        auto* tabs = window->findChild<QTabBar*>();
        ASSERT_NE(tabs, nullptr);
        EXPECT_EQ(tabs->font(), pages[0]->ModalWindow()->font());
        for (int i = 0; i < tabs->count(); ++i)
            EXPECT_TRUE(tabs->rect().contains(tabs->tabRect(i))) << i;
    });
    sheet.DoModal();
}
