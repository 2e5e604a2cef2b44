// Copy and paste by the window with the focus, and Check Zod from the Tools menu and F4.
#include "app/views/NodeViews.h"
#include "app/views/ViewHints.h"
#include "model/records/BidderInfo.h"
#include "model/check/Recalc.h"
#include "model/eval/Evaluator.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "tests/app/commands/CommandTestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <sstream>

namespace {

std::string ClipboardText()
{
    return QGuiApplication::clipboard()->text().toStdString();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return lines;
}

} // namespace

class EditCommands : public CommandTest {
protected:
    void SetUp() override
    {
        StartOnSample();
        QWidget* window = Frame().GetWidget();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            GTEST_FAIL() << "the platform gives no window the focus";
        QGuiApplication::clipboard()->setText("before");
    }

    void Focus(CWnd& window)
    {
        window.SetFocus();
        Settle();
        ASSERT_EQ(CWnd::GetFocus(), &window);
    }
};

TEST_F(EditCommands, TheScheduleNodeCopiesEveryItemAsATabbedLine)
{
    // An item without a price copies neither price nor extension.
    CItem* unpriced = nullptr;
    for (const auto& item : Prop()->m_items)
        if (!item->IsSection() && !unpriced)
            unpriced = item.get();
    MakeEvalErrorValue(&unpriced->m_fUnitPrice);
    RecalcBidTotals(Prop());
    HTREEITEM schedule = TreeCtrl().GetChildItem(TreeCtrl().GetRootItem());
    ASSERT_EQ(TreeCtrl().GetItemText(schedule), "Schedule Of Items");
    TreeCtrl().SelectItem(schedule);
    Settle();
    Focus(TreeCtrl());
    Choose(ID_EDIT_COPY);

    std::vector<const CItem*> items;
    for (const auto& item : Prop()->m_items)
        if (!item->IsSection())
            items.push_back(item.get());
    const std::vector<std::string> lines = Lines(ClipboardText());
    ASSERT_EQ(lines.size(), items.size());
    std::vector<std::string> fields;
    std::istringstream first(lines[0]);
    for (std::string field; std::getline(first, field, '\t');)
        fields.push_back(field);
    ASSERT_EQ(fields.size(), 9u);
    EXPECT_EQ(fields[0], Prop()->m_strContractId);
    EXPECT_EQ(fields[1], items[0]->m_strLineNum);
    EXPECT_EQ(fields[3], items[0]->m_strItemNum);
    EXPECT_EQ(fields[5], items[0]->m_strUnit);
    EXPECT_EQ(fields[8], items[0]->m_strShortDesc);
    EXPECT_EQ(fields[6], "");
    EXPECT_EQ(fields[7], "");
}

TEST_F(EditCommands, AnotherTreeNodeCopiesNothing)
{
    HTREEITEM root = TreeCtrl().GetRootItem();
    TreeCtrl().SelectItem(root);
    Settle();
    Focus(TreeCtrl());
    Choose(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardText(), "before");
}

TEST_F(EditCommands, AnEditCopiesItsSelectionAndTakesThePaste)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 20), &Frame(), 7001));
    edit.SetWindowText("unit price 42.50");
    edit.SetSel(11, -1);
    Focus(edit);
    Choose(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardText(), "42.50");
    QGuiApplication::clipboard()->setText("43.75");
    edit.SetSel(11, -1);
    Choose(ID_EDIT_PASTE);
    EXPECT_EQ(edit.GetWindowText(), "unit price 43.75");
    edit.DestroyWindow();
}

TEST_F(EditCommands, ADropListCopiesItsWholeTextAndTakesNoPaste)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(nullptr, "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 120, 200), &Frame(), 7002));
    combo.AddString("Ridgeline Paving");
    combo.AddString("Summit Asphalt");
    combo.SetCurSel(1);
    Focus(combo);
    Choose(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardText(), "Summit Asphalt");
    QGuiApplication::clipboard()->setText("Ridgeline Paving");
    Choose(ID_EDIT_PASTE);
    EXPECT_EQ(combo.GetCurSel(), 1);
    combo.DestroyWindow();
}

TEST_F(EditCommands, CheckZodListsWhatIsMissingAndSaysWhenTheBidIsComplete)
{
    m_script.AnswerDialogWith(IDOK);
    QTest::keyClick(Frame().GetWidget(), Qt::Key_F4);
    Settle();
    ASSERT_EQ(m_script.DialogTitles().size(), 3u);
    EXPECT_TRUE(m_script.MessageBoxes().empty());

    // A bid with its one item priced and no forms to fill is complete.
    auto small = std::make_unique<CProp>();
    small->m_pBidder = std::make_unique<CBidderInfo>();
    small->m_pBidder->Set(BIDDER_ID, "V0042917");
    auto item = std::make_unique<CItem>();
    item->m_strLineNum = "0010";
    item->m_fQuan = 3;
    item->m_fUnitPrice = 12.5;
    small->m_items.Add(std::move(item));
    RecalcBidTotals(small.get());
    Doc().SetProp(std::move(small));
    Doc().UpdateAllViews(nullptr, HINT_REBUILD_TREE);
    AnswerOk();
    Choose(ID_CHECK_ZOD);
    ASSERT_NE(LastMessage(), nullptr) << m_script.DialogTitles().back();
    EXPECT_EQ(LastMessage()->text, "Zod Is Complete");
    EXPECT_EQ(LastMessage()->caption, "Zod Check");
    EXPECT_EQ(LastMessage()->type, unsigned(MB_ICONEXCLAMATION));

    // Without a bidder ID nothing is checked, so nothing is called complete.
    Prop()->m_pBidder->Set(BIDDER_ID, "");
    const std::size_t shown = m_script.MessageBoxes().size();
    Choose(ID_CHECK_ZOD);
    EXPECT_EQ(m_script.MessageBoxes().size(), shown);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}
