// The firm forms kept while hidden, the firm item splitter and the form on show go before their
// proposal does: a new document or another opening leaves no view on the proposal that closed.
// (The sanitizer build catches any that would still reach it.)
#include "app/views/DVBlank.h"
#include "tests/app/commands/CommandTestSupport.h"

#include <QIcon>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <set>

namespace {

class ClosedProposalViews : public CommandTest {
protected:
    // Each kind's firm form shown once (the DBE one then kept hidden), then a firm's item grid.
    void ShowFirmViews()
    {
        for (const NodeRef node : {NodeRef{NODE_DBE_FIRM, 0}, NodeRef{NODE_MBE_FIRM, 0}, NodeRef{NODE_WBE_FIRM, 0},
                                   NodeRef{NODE_DBE_ITEM_GRID, 0}})
            ASSERT_TRUE(ClickNode(node)) << node.type;
        ASSERT_NE(Frame().GetSplitter().GetKeptView(0), nullptr);
        ASSERT_NE(Frame().GetSplitter().GetFirmItemSplitter(), nullptr);
    }

    // The views in the main window other than the tree, shown or hidden.
    std::vector<CView*> Forms() const
    {
        std::vector<CView*> forms;
        for (QWidget* child : Frame().GetWidget()->findChildren<QWidget*>())
            if (auto* view = dynamic_cast<CView*>(CWnd::FromWidget(child));
                view && view->GetWidget() == child && view != &Tree())
                forms.push_back(view);
        return forms;
    }

    // The icons the tree's nodes show, by their keys in Qt's pixmap cache.
    std::set<qint64> TreeIcons() const
    {
        std::set<qint64> icons;
        for (QTreeWidgetItemIterator it(static_cast<QTreeWidget*>(TreeCtrl().GetWidget())); *it; ++it)
            icons.insert((*it)->data(0, Qt::DecorationRole).value<QIcon>().cacheKey());
        return icons;
    }
};

} // namespace

TEST_F(ClosedProposalViews, ANewDocumentLeavesOnlyTheBlankForm)
{
    StartOnSample();
    Activate();
    ShowFirmViews();
    PressCtrl(Qt::Key_N);
    EXPECT_EQ(Prop(), nullptr);
    const std::vector<CView*> forms = Forms();
    ASSERT_EQ(forms.size(), 1u);
    EXPECT_NE(dynamic_cast<CDV_Blank*>(forms.front()), nullptr);
    EXPECT_EQ(Frame().GetSplitter().GetKeptView(0), nullptr);
    EXPECT_EQ(Frame().GetSplitter().GetFirmItemSplitter(), nullptr);
}

TEST_F(ClosedProposalViews, AnotherOpeningLeavesOnlyTheFormOfTheNewProposal)
{
    StartOnSample();
    Activate();
    ShowFirmViews();
    m_script.AnswerFile(InLetting("sample.tvb"));
    AnswerAmendmentReport();
    PressCtrl(Qt::Key_O);
    ASSERT_NE(Prop(), nullptr) << Unanswered();
    EXPECT_EQ(Forms(), std::vector<CView*>{Frame().GetSplitter().GetRightView()});
    EXPECT_EQ(GetViewNodeType(*Frame().GetSplitter().GetRightView()), NODE_PROPOSAL);

    // The new proposal's firm forms work as the old ones did.
    ShowFirmViews();
    ASSERT_TRUE(ClickNode({NODE_DBE_FIRM, 1}));
    EXPECT_EQ(GetViewNodeIndex(*Frame().GetSplitter().GetRightView()), 1);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}

// Qt's pixmap cache keeps what every icon drew: a tree drawn with new icons at each opening filled
// it a little more with every proposal opened.
TEST_F(ClosedProposalViews, AnotherOpeningDrawsTheTreeWithTheIconsItHad)
{
    StartOnSample();
    Activate();
    const std::set<qint64> before = TreeIcons();
    m_script.AnswerFile(InLetting("sample.tvb"));
    AnswerAmendmentReport();
    PressCtrl(Qt::Key_O);
    ASSERT_NE(Prop(), nullptr) << Unanswered();
    EXPECT_EQ(TreeIcons(), before);
    EXPECT_LE(before.size(), 6u); // one icon for each of the three states, selected or not
}
