// The scripted services' fallback: once the queued answers are used up, every question is
// accepted or declined as a bidder would, through the dialogs' own buttons.
#include "platform/ui/dialogs/PropertySheet.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"
#include "platform/ui/window/Notifications.h"

#include <QPrinter>
#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr UINT kDialogId = 951;
const DialogItemTemplate kItems[] = {
    dlg::DefPushButton("OK", IDOK, 10, 40, 50, 14),
    dlg::PushButton("Cancel", IDCANCEL, 70, 40, 50, 14),
};
const DialogTemplate kTemplate{kDialogId, "Bidder ID", 130, 60, "MS Sans Serif", 8, kItems, std::size(kItems)};

// Counts the presses; refuses OK while `refuse` is set, as a dialog that checks its fields does.
struct CheckingDialog : CDialog {
    CheckingDialog() : CDialog(kDialogId) {}
    int oks = 0, cancels = 0;
    bool refuse = false;
    void OnOK() override
    {
        ++oks;
        if (!refuse)
            CDialog::OnOK();
    }
    void OnCancel() override
    {
        ++cancels;
        CDialog::OnCancel();
    }
};

struct Page : CPropertyPage {
    Page() : CPropertyPage(952, "Page") {}
    int oks = 0, cancels = 0;
    void OnOK() override { ++oks; }
    void OnCancel() override { ++cancels; }
};

struct Fallback : ::testing::Test {
    void AnswerEvery(bool accept)
    {
        script.AnswerEveryQuestion({accept, [](const FileDialogRequest& asked) { return asked.title == "Open" ? "/bids/a.tvb" : ""; },
                                    "/bids", "/tmp/bid.pdf"});
    }

    ResourceRegistration<DialogTemplate> registered{kTemplate};
    ScriptedModalServices script;
    ScopedModalServices installed{script};
};

} // namespace

TEST_F(Fallback, QueuedAnswersComeFirstThenEveryQuestionIsAccepted)
{
    script.AnswerMessageBox(IDNO);
    AnswerEvery(true);
    EXPECT_EQ(AfxMessageBox("Save?", MB_YESNOCANCEL), IDNO); // queued
    EXPECT_EQ(AfxMessageBox("Save?", MB_YESNOCANCEL), IDYES);
    EXPECT_EQ(AfxMessageBox("Delete?", MB_YESNO), IDYES);
    EXPECT_EQ(AfxMessageBox("Go on?", MB_OKCANCEL), IDOK);
    EXPECT_EQ(AfxMessageBox("Done."), IDOK);
    FileDialogRequest open;
    open.title = "Open";
    open.filterIndex = 3;
    const std::optional<FileDialogResult> chosen = Modal().FileDialog(open);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, "/bids/a.tvb");
    EXPECT_EQ(chosen->filterIndex, 3);
    EXPECT_FALSE(Modal().FileDialog({})); // no file for that one: cancelled
    EXPECT_EQ(Modal().ChooseFolder({}), "/bids");
    EXPECT_EQ(Modal().ChooseColor({0x123456}), 0x123456u);
    QPrinter printer;
    PrintRequest print{&printer};
    EXPECT_TRUE(Modal().PrintDialog(print));
    EXPECT_EQ(printer.outputFileName(), "/tmp/bid.pdf");
    EXPECT_TRUE(script.AllAnswered());
    EXPECT_EQ(script.MessageBoxes().size(), 5u);
}

TEST_F(Fallback, DecliningIsTheAnswerThatStops)
{
    AnswerEvery(false);
    EXPECT_EQ(AfxMessageBox("Save?", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(AfxMessageBox("Delete?", MB_YESNO), IDNO);
    EXPECT_EQ(AfxMessageBox("Go on?", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(AfxMessageBox("Done."), IDOK);
    FileDialogRequest open;
    open.title = "Open";
    EXPECT_FALSE(Modal().FileDialog(open));
    EXPECT_FALSE(Modal().ChooseFolder({}));
    EXPECT_FALSE(Modal().ChooseColor({}));
    QPrinter printer;
    PrintRequest print{&printer};
    EXPECT_FALSE(Modal().PrintDialog(print));
    EXPECT_TRUE(script.AllAnswered());
}

TEST_F(Fallback, DialogsArePressedThroughTheirOwnButtons)
{
    CheckingDialog dialog;
    AnswerEvery(true);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.oks, 1);

    // A refused OK leaves the dialog open: the run ends as cancelled, nothing else pressed.
    dialog.refuse = true;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.oks, 2);
    EXPECT_EQ(dialog.cancels, 0);

    AnswerEvery(false);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.cancels, 1);
    EXPECT_EQ(dialog.oks, 2);
    EXPECT_TRUE(script.AllAnswered());
}

TEST_F(Fallback, ASheetsPagesTakeOkAndCancel)
{
    for (const bool accept : {true, false}) {
        Page page;
        CPropertySheet sheet("Options");
        sheet.AddPage(&page);
        AnswerEvery(accept);
        EXPECT_EQ(sheet.DoModal(), accept ? IDOK : IDCANCEL);
        EXPECT_EQ(page.oks, accept ? 1 : 0);
        EXPECT_EQ(page.cancels, accept ? 0 : 1);
    }
}

TEST_F(Fallback, APopupMenuChoosesNothingAndStoppingRestoresTheCancelsThatAreReported)
{
    AnswerEvery(true);
    EXPECT_EQ(Modal().TrackMenu({}), 0u);
    EXPECT_TRUE(script.AllAnswered());
    script.StopAnsweringEveryQuestion();
    EXPECT_EQ(AfxMessageBox("Delete?", MB_YESNO), IDNO);
    EXPECT_EQ(script.Unexpected().size(), 1u);
}
