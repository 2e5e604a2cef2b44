// A command that changes prices or totals shows the new figures in the form that is open at
// once: the form reads as the same form chosen afresh in the tree.
#include "app/views/NodeViews.h"
#include "model/records/ItemColumns.h"
#include "model/settings/IOFormatSettings.h"
#include "tests/app/commands/CommandTestSupport.h"

namespace {

class OpenViewFigures : public CommandTest {
protected:
    void SetUp() override
    {
        Store("WindowMetrics", "GridMode", "0");
        StartOnSample();
        GetIOFormatSettings()->m_import.m_iFields = {ITEM_COL_LINE_NUMBER, ITEM_COL_UNIT_PRICE};
    }

    // Every text the form in the right pane shows, in the order of its windows.
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> texts;
        if (CView* view = Frame().GetSplitter().GetRightView())
            for (const CWnd* child : view->GetChildWindows())
                texts.push_back(child->GetWindowText());
        return texts;
    }

    // What the node's form shows when the bidder chooses it again.
    std::vector<std::string> ShownAfresh(NodeRef node)
    {
        EXPECT_TRUE(ClickNode({NODE_PROPOSAL, 0}));
        EXPECT_TRUE(ClickNode(node));
        return Shown();
    }

    // Tools, Import Proposal with a file that prices the first item.
    void ImportFirstItemPrice(double price)
    {
        const std::string file = m_folder / "prices.csv";
        testsupport::WriteTextFile(file, FirstItem().m_strLineNum + "," + std::to_string(price) + "\n");
        m_script.AnswerFile(file);
        AnswerOk();
        Choose(ID_IMPORT_PROPOSAL);
    }

    const CItem& FirstItem() const
    {
        for (const auto& item : Prop()->m_items)
            if (!item->IsSection())
                return *item;
        throw std::logic_error("the sample has no item");
    }
};

} // namespace

TEST_F(OpenViewFigures, AfterAnImportEachFormShowsTheNewFiguresAtOnce)
{
    double price = 1000;
    for (const NodeRef node : {NodeRef{NODE_SECTION, 0}, NodeRef{NODE_SCHEDULE, 0}, NodeRef{NODE_DBE_LIST, 0},
                               NodeRef{NODE_BOND, 0}, NodeRef{NODE_PROPOSAL, 0}}) {
        ASSERT_TRUE(ClickNode(node)) << node.type;
        const std::vector<std::string> before = Shown();
        ImportFirstItemPrice(price += 1111);
        ASSERT_EQ(LastMessage()->caption, "Import Complete") << LastMessage()->text;
        const std::vector<std::string> after = Shown();
        EXPECT_NE(after, before) << node.type;
        EXPECT_EQ(after, ShownAfresh(node)) << node.type;
    }
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}
