// Whatever changes the bid's figures (an import, an amendment, the price reference key, a firm's
// or the bond's entry), the form open beside the tree shows the new figures at once: field by
// field it reads as the same form chosen afresh in the tree.
#include "app/views/DVDBEItem.h"
#include "app/views/NodeViews.h"
#include "app/views/ViewHints.h"
#include "model/records/ItemColumns.h"
#include "model/settings/IOFormatSettings.h"
#include "tests/app/commands/CommandTestSupport.h"

#include <algorithm>
#include <fstream>
#include <map>

namespace {

constexpr UINT kBondPercent = 5002;

class OpenViewFigures : public CommandTest {
protected:
    void Open(bool gridMode, bool amendments = true)
    {
        Store("WindowMetrics", "GridMode", gridMode ? "1" : "0");
        Store("Misc", "AutoLoad", amendments ? "1" : "0");
        if (amendments)
            AnswerAmendmentReport();
        AnswerBidderId();
        StartOn(InLetting("sample.tvb"));
        ASSERT_NE(Prop(), nullptr);
        GetIOFormatSettings()->m_import.m_iFields = {ITEM_COL_LINE_NUMBER, ITEM_COL_UNIT_PRICE};
    }

    // Every text the form in the right pane shows, in the order of its windows and theirs.
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> texts;
        if (const CView* view = Frame().GetSplitter().GetRightView())
            AddTexts(*view, texts);
        return texts;
    }
    static void AddTexts(const CWnd& window, std::vector<std::string>& texts)
    {
        for (const CWnd* child : window.GetChildWindows()) {
            texts.push_back(child->GetWindowText());
            AddTexts(*child, texts);
        }
    }

    // What the node's form shows when the bidder chooses another node and then this one again.
    std::vector<std::string> ShownAfresh(NodeRef node)
    {
        const NodeRef other = node.type == NODE_PROPOSAL ? NodeRef{NODE_SCHEDULE, 0} : NodeRef{NODE_PROPOSAL, 0};
        EXPECT_TRUE(ClickNode(other));
        EXPECT_TRUE(ClickNode(node)) << node.type;
        return Shown();
    }

    // The form shown now reads as the form of the selected node made afresh.
    void ExpectShownAsAfresh(const std::string& after)
    {
        const std::optional<NodeRef> node = Tree().SelectedNode();
        ASSERT_TRUE(node.has_value()) << after;
        const std::vector<std::string> shown = Shown();
        EXPECT_EQ(shown, ShownAfresh(*node)) << "node type " << node->type << " after " << after;
    }

    // The first node of each type the tree shows.
    std::vector<NodeRef> OneNodeOfEachType() const
    {
        std::map<int, NodeRef> nodes;
        AddNodes(TreeCtrl().GetRootItem(), nodes);
        std::vector<NodeRef> list;
        for (const auto& [type, node] : nodes)
            list.push_back(node);
        return list;
    }
    void AddNodes(HTREEITEM item, std::map<int, NodeRef>& nodes) const
    {
        for (; item; item = TreeCtrl().GetNextSiblingItem(item)) {
            if (const std::optional<NodeRef> node = Tree().NodeOf(item))
                nodes.try_emplace(node->type, *node);
            AddNodes(TreeCtrl().GetChildItem(item), nodes);
        }
    }

    // Tools, Import Proposal with a file that prices the first item.
    void ImportFirstItemPrice(double price)
    {
        const std::string file = m_folder / "prices.csv";
        testsupport::WriteTextFile(file, FirstItem().m_strLineNum + "," + std::to_string(price) + "\n");
        m_script.AnswerFile(file);
        AnswerOk();
        Choose(ID_IMPORT_PROPOSAL);
        ASSERT_EQ(LastMessage()->caption, "Import Complete") << LastMessage()->text;
    }

    const CItem& FirstItem() const { return *Prop()->m_items[size_t(FirstItemIndex())]; }
    int FirstItemIndex() const
    {
        for (int i = 0; i < Prop()->m_items.GetSize(); ++i)
            if (!Prop()->m_items[size_t(i)]->IsSection())
                return i;
        throw std::logic_error("the sample has no item");
    }

    // Typed over the field of the form shown, then Tab on: stored on leaving.
    void TypeInto(UINT id, const char* text)
    {
        CWnd* field = Frame().GetSplitter().GetRightView()->GetDlgItem(id);
        ASSERT_NE(field, nullptr) << id;
        QTest::mouseClick(field->GetWidget(), Qt::LeftButton);
        QTest::keyClick(field->GetWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field->GetWidget(), text);
        QTest::keyClick(field->GetWidget(), Qt::Key_Tab);
        Settle();
    }
};

} // namespace

TEST_F(OpenViewFigures, AfterAnImportEachFormShowsTheNewFiguresAtOnce)
{
    Open(false);
    double price = 1000;
    for (const NodeRef node : OneNodeOfEachType()) {
        ASSERT_TRUE(ClickNode(node)) << node.type;
        const std::vector<std::string> before = Shown();
        ImportFirstItemPrice(price += 1111);
        if (node.type == NODE_PROPOSAL || node.type == NODE_SECTION || node.type == NODE_BOND) {
            EXPECT_NE(Shown(), before) << node.type;
        }
        ExpectShownAsAfresh("an import");
    }
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

TEST_F(OpenViewFigures, AfterAnImportTheScheduleGridShowsTheNewTotalsAtOnce)
{
    Open(true);
    ASSERT_TRUE(ClickNode({NODE_SCHEDULE, 0}));
    ImportFirstItemPrice(4321);
    ExpectShownAsAfresh("an import");
}

TEST_F(OpenViewFigures, AfterAnAmendmentTheFormShownHasTheNewFigures)
{
    Open(false, false);
    Activate();
    for (const char* amendment : {"sample.001", "sample.002"}) {
        ASSERT_TRUE(ClickNode({NODE_PROPOSAL, 0}));
        m_script.AnswerFile(InLetting(amendment));
        m_script.AnswerMessageBox(IDYES); // the first changes the sites
        AnswerAmendmentReport();
        ChooseByKeys(Qt::Key_F, {Qt::Key_L, Qt::Key_L, Qt::Key_Return});
        ExpectShownAsAfresh(amendment);
    }
    EXPECT_EQ(Prop()->m_iAmendmentCount, 2);
}

TEST_F(OpenViewFigures, AfterCtrlRTheScheduleGridShowsTheNewTotalsAtOnce)
{
    testsupport::ScopedEnvironment bid("TVB_BID", m_folder.Path().c_str());
    Open(true);
    std::ofstream(m_folder / "ZOD.REF") << FirstItem().m_strItemNum << " 98765.43\n";
    ASSERT_TRUE(ClickNode({NODE_SCHEDULE, 0}));
    Tree().GetBidDoc()->UpdateAllViews(nullptr, MakeNodeHint(NODE_ITEM, FirstItemIndex()));
    Settle();
    Activate();
    PressCtrl(Qt::Key_R);
    ASSERT_DOUBLE_EQ(FirstItem().m_fUnitPrice, 98765.43) << Unanswered();
    ExpectShownAsAfresh("Ctrl+R");
}

TEST_F(OpenViewFigures, AfterABondOrFirmEntryItsFormShowsTheNewFiguresAtOnce)
{
    Open(false);
    Activate();
    ASSERT_TRUE(ClickNode({NODE_BOND, 0}));
    TypeInto(kBondPercent, "12.5");
    ExpectShownAsAfresh("a bond entry");

    const std::vector<NodeRef> nodes = OneNodeOfEachType();
    const auto firmItem = std::ranges::find(nodes, NODE_DBE_ITEM, &NodeRef::type);
    ASSERT_NE(firmItem, nodes.end()) << "the sample commits no item to a firm";
    ASSERT_TRUE(ClickNode(*firmItem));
    TypeInto(CDV_DBEItem::IDC_QUANTITY, "3");
    ExpectShownAsAfresh("a firm's entry");
}
