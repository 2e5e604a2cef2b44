#include "platform/ui/controls/StatusBar.h"
#include "platform/ui/controls/ToolBar.h"
#include "platform/ui/controls/WholeText.h"

#include <QLabel>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

enum : UINT { kOpen = 100, kSave = 101, kGrid = 102, kOrphan = 103, kTotalLabel = 305, kTotal = 306 };

// A frame-like window: command and update handlers in its map.
class Frame : public CWnd {
public:
    std::vector<std::string> heard;
    CToolBar* bar = nullptr;
    bool replaceButtonsOnOpen = false;

    void OnOpen()
    {
        heard.push_back("open");
        if (replaceButtonsOnOpen) {
            const UINT ids[] = {kSave};
            bar->SetButtons(ids, 1);
        }
    }
    void OnGrid() { heard.push_back("grid"); }
    void OnUpdateSave(CCmdUI* ui) { ui->Enable(false); }
    void OnUpdateGrid(CCmdUI* ui) { ui->SetCheck(1); }
    void OnUpdateTotalLabel(CCmdUI* ui)
    {
        ui->SetText("Total:");
        ui->Enable(false);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Frame, CWnd)
    ON_COMMAND(kOpen, OnOpen)
    ON_COMMAND(kGrid, OnGrid)
    ON_UPDATE_COMMAND_UI(kSave, OnUpdateSave)
    ON_UPDATE_COMMAND_UI(kGrid, OnUpdateGrid)
    ON_UPDATE_COMMAND_UI(kTotalLabel, OnUpdateTotalLabel)
END_MESSAGE_MAP()

class ControlBarsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create(nullptr, "frame", WS_VISIBLE, CRect(0, 0, 500, 300), nullptr, 0));
        ASSERT_TRUE(toolbar.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS));
        ASSERT_TRUE(status.Create(&frame));
        frame.bar = &toolbar;
        const UINT buttons[] = {kOpen, ID_SEPARATOR, kSave, kGrid, kOrphan};
        ASSERT_TRUE(toolbar.SetButtons(buttons, 5));
    }
    void Click(UINT id)
    {
        auto* bar = static_cast<QToolBar*>(toolbar.GetWidget());
        for (QAction* action : bar->actions())
            if (action->property("zodCommandId").toUInt() == id)
                QTest::mouseClick(bar->widgetForAction(action), Qt::LeftButton);
        QCoreApplication::processEvents(); // the command is queued
    }
    QLabel* PaneLabel(int index)
    {
        return status.GetWidget()->findChildren<QLabel*>().value(index);
    }

    Frame frame;
    CToolBar toolbar;
    CStatusBar status;
};

} // namespace

TEST_F(ControlBarsTest, ToolbarButtonsFollowTheUpdatePass)
{
    EXPECT_EQ(toolbar.GetCount(), 5);
    EXPECT_EQ(toolbar.CommandToIndex(kSave), 2);
    EXPECT_EQ(toolbar.CommandToIndex(ID_SEPARATOR), -1);
    EXPECT_EQ(toolbar.GetItemID(1), ID_SEPARATOR);
    EXPECT_EQ(toolbar.GetItemID(99), ID_SEPARATOR);

    toolbar.OnUpdateCmdUI(&frame, false);
    EXPECT_TRUE(toolbar.IsButtonEnabled(kOrphan)); // left as it was
    toolbar.OnUpdateCmdUI(&frame, true);
    EXPECT_TRUE(toolbar.IsButtonEnabled(kOpen)); // a command handler without update handler
    EXPECT_FALSE(toolbar.IsButtonEnabled(kSave));
    EXPECT_TRUE(toolbar.IsButtonChecked(kGrid));
    EXPECT_FALSE(toolbar.IsButtonEnabled(kOrphan)); // nobody handles it
}

TEST_F(ControlBarsTest, ToolbarClicksReachTheOwnersCommandMap)
{
    toolbar.OnUpdateCmdUI(&frame, true);
    Click(kOpen);
    Click(kSave); // disabled: nothing
    Click(kGrid);
    EXPECT_EQ(frame.heard, (std::vector<std::string>{"open", "grid"}));
    EXPECT_TRUE(toolbar.IsButtonChecked(kGrid)); // the check is the update pass's, not the click's

    Frame owner; // commands go to the owner when there is one, not to the parent
    ASSERT_TRUE(owner.Create(nullptr, "owner", 0, CRect(0, 0, 10, 10), nullptr, 0));
    toolbar.SetOwner(&owner);
    Click(kOpen);
    EXPECT_EQ(owner.heard, (std::vector<std::string>{"open"}));
    toolbar.SetOwner(nullptr);

    // A command that replaces the buttons of the toolbar it came from.
    frame.replaceButtonsOnOpen = true;
    Click(kOpen);
    QCoreApplication::processEvents();
    EXPECT_EQ(toolbar.GetCount(), 1);
    EXPECT_EQ(toolbar.CommandToIndex(kOpen), -1);
}

TEST_F(ControlBarsTest, ToolbarPicturesAndTips)
{
    QImage strip(48, 15, QImage::Format_RGB32);
    strip.fill(qRgb(192, 192, 192));
    strip.setPixel(20, 5, qRgb(255, 0, 0));
    ASSERT_TRUE(toolbar.SetBitmap(strip, 16));
    auto* bar = static_cast<QToolBar*>(toolbar.GetWidget());
    QList<QAction*> actions = bar->actions();
    EXPECT_FALSE(actions[0]->icon().isNull());
    EXPECT_TRUE(actions[1]->isSeparator());
    QImage second = actions[2]->icon().pixmap(16, 15).toImage();
    EXPECT_EQ(second.pixel(4, 5), qRgb(255, 0, 0));
    EXPECT_EQ(qAlpha(second.pixel(0, 0)), 0); // the button face colour is transparent
    EXPECT_TRUE(actions[4]->icon().isNull()); // the strip has three pictures only
    EXPECT_FALSE(toolbar.SetBitmap(QImage(), 16));

    EXPECT_TRUE(toolbar.SetToolTipText(kSave, "Save the active document\nSave"));
    EXPECT_TRUE(toolbar.SetToolTipText(kOpen, "Open"));
    EXPECT_FALSE(toolbar.SetToolTipText(555, "none"));
    EXPECT_EQ(actions[2]->toolTip(), "Save");
    EXPECT_EQ(actions[0]->toolTip(), "Open");

    CToolBar plain; // made without tips
    ASSERT_TRUE(plain.Create(&frame));
    const UINT one[] = {kSave};
    plain.SetButtons(one, 1);
    EXPECT_TRUE(plain.SetToolTipText(kSave, "Save the active document\nSave"));
    EXPECT_EQ(static_cast<QToolBar*>(plain.GetWidget())->actions()[0]->toolTip(), "");
}

TEST_F(ControlBarsTest, StatusPanesKeepTextsStylesAndWidths)
{
    const UINT ids[] = {ID_SEPARATOR, kTotalLabel, kTotal};
    const char* texts[] = {nullptr, "Zod Total:", "\t\t$0.00"};
    ASSERT_TRUE(status.SetIndicators(ids, 3, texts));
    EXPECT_EQ(status.GetCount(), 3);
    EXPECT_EQ(status.CommandToIndex(kTotal), 2);
    EXPECT_EQ(status.GetPaneStyle(0), SBPS_NOBORDERS | SBPS_STRETCH);
    UINT id = 0, style = 0;
    int width = 0;
    status.GetPaneInfo(1, id, style, width);
    EXPECT_EQ(width, QFontMetrics(PaneLabel(1)->font()).horizontalAdvance("Zod Total:"));

    EXPECT_EQ(status.GetPaneText(2), "\t\t$0.00");
    EXPECT_EQ(PaneLabel(2)->text(), "$0.00");
    EXPECT_TRUE(PaneLabel(2)->alignment() & Qt::AlignRight);
    status.SetPaneInfo(2, kTotal, SBPS_NORMAL, 120);
    status.GetPaneInfo(2, id, style, width);
    EXPECT_EQ(id, UINT(kTotal));
    EXPECT_EQ(width, 120);
    EXPECT_GT(PaneLabel(2)->width(), 120);

    status.SetWindowText("Ready");
    EXPECT_EQ(status.GetPaneText(0), "Ready");
    EXPECT_EQ(status.GetWindowText(), "Ready");
    EXPECT_FALSE(status.SetPaneText(3, "x"));
    EXPECT_FALSE(status.SetPaneText(-1, "x"));
    EXPECT_EQ(status.GetPaneText(7), "");
    status.SetPaneInfo(9, 1, 0, 10); // ignored

    // Rebuilt with a fourth pane and back, as a frame does when maximised and restored.
    const UINT four[] = {ID_SEPARATOR, kTotalLabel, kTotal, 1234};
    ASSERT_TRUE(status.SetIndicators(four, 4));
    ASSERT_TRUE(status.SetIndicators(ids, 3));
    EXPECT_EQ(status.GetWidget()->findChildren<QLabel*>().size(), 3);
}

TEST_F(ControlBarsTest, StatusUpdatePassSetsTextAndDisablesOnlyOnRequest)
{
    const UINT ids[] = {ID_SEPARATOR, kTotalLabel, kTotal};
    const char* texts[] = {"msg", "label", "total"};
    ASSERT_TRUE(status.SetIndicators(ids, 3, texts));
    status.OnUpdateCmdUI(&frame, true);
    EXPECT_EQ(status.GetPaneText(1), "Total:");
    EXPECT_TRUE(status.GetPaneStyle(1) & SBPS_DISABLED);
    EXPECT_EQ(PaneLabel(1)->text(), ""); // a disabled pane shows nothing
    EXPECT_FALSE(status.GetPaneStyle(2) & SBPS_DISABLED); // no handler: left alone
    EXPECT_EQ(PaneLabel(2)->text(), "total");
    EXPECT_EQ(status.GetPaneText(0), "msg");

    status.DestroyWindow();
    EXPECT_TRUE(status.SetPaneText(1, "after")); // kept, shown nowhere, no crash
    status.OnUpdateCmdUI(&frame, true);
}

TEST_F(ControlBarsTest, AStatusPaneNarrowerThanItsTextShowsItWhole)
{
    const UINT ids[] = {ID_SEPARATOR, kTotalLabel, kTotal};
    ASSERT_TRUE(status.SetIndicators(ids, 3));
    status.SetPaneInfo(2, kTotal, SBPS_NORMAL, 66);
    status.SetPaneText(2, "\t\tEUR 10,000,000,000.00 ");
    EXPECT_GE(PaneLabel(2)->width(), platform::WholeTextWidth(*PaneLabel(2)));
    EXPECT_GT(PaneLabel(2)->width(), 66 + 40);
    UINT id = 0, style = 0;
    int width = 0;
    status.GetPaneInfo(2, id, style, width);
    EXPECT_EQ(width, 66); // as asked: the text only widens what is shown

    // A short text again: the pane is as wide as asked.
    status.SetPaneText(2, "\t\t$1.00 ");
    const int shortWidth = PaneLabel(2)->width();
    status.SetPaneInfo(2, kTotal, SBPS_NORMAL, 100);
    EXPECT_EQ(PaneLabel(2)->width(), shortWidth + 34);
}
