#include "platform/ui/docview/CommandRouting.h"
#include "platform/ui/docview/Document.h"
#include "platform/ui/docview/FrameworkIds.h"
#include "platform/ui/docview/WinApp.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> g_calls;

constexpr UINT kShared = 32774, kDocOnly = 32777, kAppOnly = 32899, kNobody = 40000;

class TestDoc : public CDocument {
    DECLARE_MESSAGE_MAP()
public:
    bool jointBid = false;
    void OnShared() { g_calls.push_back("doc"); }
    void OnJointBid() { jointBid = !jointBid; g_calls.push_back("doc joint"); }
    void OnUpdateJointBid(CCmdUI* ui) { ui->Enable(true); ui->SetCheck(jointBid ? 1 : 0); }
};
BEGIN_MESSAGE_MAP(TestDoc, CDocument)
    ON_COMMAND(kShared, OnShared)
    ON_COMMAND(kDocOnly, OnJointBid)
    ON_UPDATE_COMMAND_UI(kDocOnly, OnUpdateJointBid)
END_MESSAGE_MAP()

struct ViewTarget : CCmdTarget {
    DECLARE_MESSAGE_MAP()
public:
    void OnShared() { g_calls.push_back("view"); }
};
BEGIN_MESSAGE_MAP(ViewTarget, CCmdTarget)
    ON_COMMAND(kShared, OnShared)
END_MESSAGE_MAP()

struct TestApp : CWinApp {
    DECLARE_MESSAGE_MAP()
public:
    void OnShared() { g_calls.push_back("app"); }
    void OnOnlyApp() { g_calls.push_back("app only"); }
};
BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_COMMAND(kShared, OnShared)
    ON_COMMAND(kAppOnly, OnOnlyApp)
END_MESSAGE_MAP()

// A frame's route with a view that may be absent.
struct Router : CCmdTarget {
    CCmdTarget* view = nullptr;
    CCmdTarget* doc = nullptr;
    CCmdTarget* app = nullptr;
    bool OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* info) override
    {
        return platform::RouteCommand({view, doc, app}, id, code, extra, info);
    }
};

void ProcessEvents()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

} // namespace

TEST(CommandRouting, ViewThenDocumentThenApplication)
{
    TestApp app;
    TestDoc doc;
    ViewTarget view;
    Router router;
    router.view = &view;
    router.doc = &doc;
    router.app = &app;
    g_calls.clear();
    EXPECT_TRUE(platform::ExecuteCommand(router, kShared));
    router.view = nullptr;
    EXPECT_TRUE(platform::ExecuteCommand(router, kShared));
    router.doc = nullptr;
    EXPECT_TRUE(platform::ExecuteCommand(router, kShared));
    EXPECT_TRUE(platform::ExecuteCommand(router, kAppOnly));
    EXPECT_FALSE(platform::ExecuteCommand(router, kNobody));
    EXPECT_EQ(g_calls, (std::vector<std::string>{"view", "doc", "app", "app only"}));
}

TEST(CommandRouting, AToolbarActionTakesTheStateItsUpdatePassGives)
{
    QAction joint(QStringLiteral("Joint &Bid\tF9"), nullptr);
    platform::SetCommandId(&joint, kDocOnly);
    platform::ActionCmdUI ui(&joint);
    EXPECT_EQ(ui.m_nID, UINT(kDocOnly));
    ui.Enable(false);
    ui.SetCheck(1);
    ui.SetText("Joint &Zod");
    EXPECT_FALSE(joint.isEnabled());
    EXPECT_TRUE(joint.isChecked());
    EXPECT_EQ(joint.text(), QString("Joint &Zod\tF9")); // the shortcut stays
}

namespace {

struct CountingFrame : platform::MainFrameLink {
    int updates = 0;
    bool LoadFrame(UINT, CDocument*, const CRuntimeClass*) override { return true; }
    void InitialUpdateFrame(CDocument*, bool) override {}
    void UpdateCommandUI() override { ++updates; }
    void OnUpdateFrameTitle(bool) override {}
    bool SendCommand(UINT) override { return false; }
    void DestroyFrame() override {}
};

} // namespace

TEST(CommandRouting, UpdatePassRunsOnceAfterCommandsHintsAndClipboardChanges)
{
    TestApp app;
    CountingFrame frame;
    app.SetMainFrame(nullptr, &frame);
    TestDoc doc;
    Router router;
    router.doc = &doc;

    platform::ExecuteCommand(router, kDocOnly);
    platform::ExecuteCommand(router, kDocOnly);
    EXPECT_EQ(frame.updates, 0); // never inline
    ProcessEvents();
    EXPECT_EQ(frame.updates, 1);

    doc.UpdateAllViews(nullptr, 500);
    ProcessEvents();
    EXPECT_EQ(frame.updates, 2);

    int clipboardUpdates = 0;
    platform::CommandUIScheduler scheduler([&] { ++clipboardUpdates; });
    QGuiApplication::clipboard()->setText("paste me");
    ProcessEvents();
    EXPECT_GE(clipboardUpdates, 1);
    app.SetMainFrame(nullptr, nullptr);
}
