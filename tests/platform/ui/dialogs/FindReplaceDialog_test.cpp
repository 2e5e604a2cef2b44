// The Find and Replace dialogs tell their owner of every request, and of their closing.
#include "platform/ui/controls/Button.h"
#include "platform/ui/dialogs/FindReplaceDialog.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Request {
    std::string find;
    std::string replace;
    bool next, replaceOne, replaceAll, terminating, down, matchCase, wholeWord;
};

// Records what each notice asks for.
class Owner : public CWnd {
public:
    LRESULT OnMessage(UINT message, WPARAM, LPARAM lParam) override
    {
        if (message != RegisterWindowMessage(FINDMSGSTRING))
            return 0;
        const CFindReplaceDialog* d = CFindReplaceDialog::GetNotifier(lParam);
        requests.push_back({d->GetFindString(), d->GetReplaceString(), d->FindNext(), d->ReplaceCurrent(),
                            d->ReplaceAll(), d->IsTerminating(), d->SearchDown(), d->MatchCase(),
                            d->MatchWholeWord()});
        return 1;
    }
    std::vector<Request> requests;
};

void Click(CWnd& dialog, UINT id)
{
    QTest::mouseClick(dialog.GetDlgItem(id)->GetWidget(), Qt::LeftButton);
}

} // namespace

TEST(FindReplaceDialog, FindNextAndCancelReachTheOwnerWithTheDialogsSettings)
{
    Owner owner;
    ASSERT_TRUE(owner.Create(nullptr, "owner", 0, CRect(0, 0, 200, 100), nullptr, 0));
    CFindReplaceDialog dialog;
    ASSERT_TRUE(dialog.Create(true, "12.50", nullptr, FR_DOWN | FR_MATCHCASE, &owner));
    EXPECT_FALSE(dialog.Create(true, "again", nullptr, 0, &owner));
    EXPECT_EQ(dialog.GetDlgItem(IDC_FIND_WHAT)->GetWindowText(), "12.50");
    EXPECT_EQ(dialog.GetDlgItem(IDC_REPLACE_WITH), nullptr);

    dialog.GetDlgItem(IDC_FIND_WHAT)->SetWindowText("Gravel");
    Click(dialog, IDC_SEARCH_UP);
    Click(dialog, IDC_MATCH_CASE);
    Click(dialog, IDOK);
    ASSERT_EQ(owner.requests.size(), 1u);
    const Request& find = owner.requests[0];
    EXPECT_EQ(find.find, "Gravel");
    EXPECT_TRUE(find.next);
    EXPECT_FALSE(find.terminating);
    EXPECT_FALSE(find.down);
    EXPECT_FALSE(find.matchCase);

    Click(dialog, IDCANCEL);
    ASSERT_EQ(owner.requests.size(), 2u);
    EXPECT_TRUE(owner.requests[1].terminating);
    EXPECT_FALSE(owner.requests[1].next);
    EXPECT_FALSE(dialog.IsWindow());
}

TEST(FindReplaceDialog, ReplaceRequestsCarryBothTextsAndAnEmptySearchAsksNothing)
{
    Owner owner;
    ASSERT_TRUE(owner.Create(nullptr, "owner", 0, CRect(0, 0, 200, 100), nullptr, 0));
    CFindReplaceDialog dialog;
    ASSERT_TRUE(dialog.Create(false, "", "0.00", FR_WHOLEWORD, &owner));
    Click(dialog, IDOK);
    EXPECT_TRUE(owner.requests.empty());

    dialog.GetDlgItem(IDC_FIND_WHAT)->SetWindowText("1.00");
    Click(dialog, IDC_REPLACE);
    Click(dialog, IDC_REPLACE_ALL);
    ASSERT_EQ(owner.requests.size(), 2u);
    EXPECT_TRUE(owner.requests[0].replaceOne);
    EXPECT_TRUE(owner.requests[1].replaceAll);
    EXPECT_FALSE(owner.requests[1].replaceOne);
    EXPECT_EQ(owner.requests[1].replace, "0.00");
    EXPECT_TRUE(owner.requests[1].wholeWord);
    EXPECT_TRUE(owner.requests[1].down); // the Replace dialog searches forwards
    dialog.DestroyWindow();
}
