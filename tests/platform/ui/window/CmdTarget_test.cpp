#include "platform/ui/docview/CmdTarget.h"
#include "platform/ui/window/Notifications.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_calls;

class BaseTarget : public CCmdTarget {
public:
    void OnOpen() { g_calls.push_back("base open"); }
    void OnSave() { g_calls.push_back("base save"); }
    void OnUpdateSave(CCmdUI* ui) { ui->Enable(false); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseTarget, CCmdTarget)
    ON_COMMAND(100, OnOpen)
    ON_COMMAND(101, OnSave)
    ON_UPDATE_COMMAND_UI(101, OnUpdateSave)
END_MESSAGE_MAP()

class DerivedTarget : public BaseTarget {
public:
    void OnSaveHere() { g_calls.push_back("derived save"); }
    void OnRecent(UINT id) { g_calls.push_back("recent " + std::to_string(id)); }
    void OnUpdateRecent(CCmdUI* ui) { ui->SetText("file " + std::to_string(ui->m_nID)); ui->SetCheck(); }
    void OnClicked() { g_calls.push_back("clicked"); }
    void OnSelChange() { g_calls.push_back("selchange"); }
    void OnTreeSel(NMHDR* header, LRESULT* result)
    {
        g_calls.push_back("tree " + std::to_string(header->idFrom));
        *result = 7;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedTarget, BaseTarget)
    ON_COMMAND(101, OnSaveHere)
    ON_COMMAND_RANGE(200, 208, OnRecent)
    ON_UPDATE_COMMAND_UI_RANGE(200, 208, OnUpdateRecent)
    ON_BN_CLICKED(300, OnClicked)
    ON_CBN_SELCHANGE(301, OnSelChange)
    ON_NOTIFY(0xFFFFFE6E, 302, OnTreeSel)
END_MESSAGE_MAP()

class CmdTargetTest : public ::testing::Test {
protected:
    void SetUp() override { g_calls.clear(); }
    DerivedTarget target;
};

} // namespace

TEST_F(CmdTargetTest, MostDerivedEntryWinsAndBaseEntriesAreInherited)
{
    EXPECT_TRUE(target.OnCmdMsg(101, CN_COMMAND, nullptr));
    EXPECT_TRUE(target.OnCmdMsg(100, CN_COMMAND, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(999, CN_COMMAND, nullptr));
    EXPECT_EQ(g_calls, (std::vector<std::string>{"derived save", "base open"}));
}

TEST_F(CmdTargetTest, RangeHandlersReceiveTheIdAndStopAtTheBounds)
{
    EXPECT_TRUE(target.OnCmdMsg(200, CN_COMMAND, nullptr));
    EXPECT_TRUE(target.OnCmdMsg(208, CN_COMMAND, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(209, CN_COMMAND, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(199, CN_COMMAND, nullptr));
    EXPECT_EQ(g_calls, (std::vector<std::string>{"recent 200", "recent 208"}));
}

TEST_F(CmdTargetTest, NotificationCodesSelectTheirOwnEntries)
{
    // A selection change of control 301 is not a command of id 301, nor a click.
    EXPECT_FALSE(target.OnCmdMsg(301, CN_COMMAND, nullptr));
    EXPECT_TRUE(target.OnCmdMsg(301, int(CBN_SELCHANGE), nullptr));
    EXPECT_TRUE(target.OnCmdMsg(300, int(BN_CLICKED), nullptr));
    NMHDR header{nullptr, 302, 0xFFFFFE6E};
    LRESULT result = 0;
    CmdNotify notify{&header, &result};
    EXPECT_TRUE(target.OnCmdMsg(302, CN_NOTIFY, &notify));
    header.code = 1;
    EXPECT_FALSE(target.OnCmdMsg(302, CN_NOTIFY, &notify));
    EXPECT_EQ(result, 7);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"selchange", "clicked", "tree 302"}));
}

TEST_F(CmdTargetTest, HandlerQueryFindsWithoutCalling)
{
    CmdHandlerInfo info;
    EXPECT_TRUE(target.OnCmdMsg(100, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(info.target, &target);
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(CmdTargetTest, UpdatePassEnablesChecksAndDisablesUnhandledCommands)
{
    CCmdUI save(101);
    save.DoUpdate(&target, true);
    EXPECT_FALSE(save.m_enabled); // the base class's update handler is inherited

    CCmdUI recent(203);
    recent.DoUpdate(&target, true);
    EXPECT_TRUE(recent.m_enabled);
    EXPECT_EQ(recent.m_check, 1);
    EXPECT_EQ(recent.m_text, "file 203");

    CCmdUI open(100); // a handler but no update handler: stays enabled
    open.DoUpdate(&target, true);
    EXPECT_TRUE(open.m_enabled);

    CCmdUI orphan(555);
    orphan.DoUpdate(&target, true);
    EXPECT_FALSE(orphan.m_enabled);
    CCmdUI kept(555);
    kept.DoUpdate(&target, false);
    EXPECT_TRUE(kept.m_enabled);
    EXPECT_TRUE(g_calls.empty()); // updating never runs a command
}
