#include "platform/ui/docview/CommandRouting.h"
#include "platform/ui/docview/DocTemplate.h"
#include "platform/ui/docview/FrameworkIds.h"
#include "platform/ui/docview/MenuResource.h"
#include "platform/ui/window/KeyEvents.h"
#include "platform/ui/window/Menu.h"
#include "platform/ui/window/StringTable.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"
#include "platform/ui/window/VirtualKeys.h"
#include "platform/ui/docview/WinApp.h"
#include "tests/platform/ui/support/ViewTestIds.h"
#include "tests/platform/ui/support/ViewTestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

using namespace viewtest;

namespace {

constexpr UINT kResource = 128;

const MenuItemResource kFileItems[] = {
    {ID_FILE_OPEN, "&Open Proposal...\tCtrl+O"}, {0, nullptr}, {kDisabledCommand, "&Locked"},
    {kViewCommand, "&View Thing\tCtrl+J"}, {kAppCommand, "&App Thing"}, {40000, "&Nobody"}};
const MenuItemResource kViewItems[] = {{ID_VIEW_TOOLBAR, "&Toolbar"}};
const MenuPopupResource kPopups[] = {{"&File", kFileItems, std::size(kFileItems)},
                                     {"&View", kViewItems, std::size(kViewItems)}};
const MenuResource kMenu{kResource, kPopups, std::size(kPopups)};

const AcceleratorResource kKeys[] = {{FCONTROL, 'J', kViewCommand},
                                     {FSHIFT, (VK_F1 + 5), kFrameCommand},
                                     {FCONTROL, 'L', kDisabledCommand},
                                     {FALT, VK_BACK, kDocCommand}};
const AcceleratorTable kAccelerators{kResource, kKeys, std::size(kKeys)};

class TestApp : public CWinApp {
    DECLARE_MESSAGE_MAP()
public:
    bool locked = true;
    void OnAppCommand() { Calls().push_back("app"); }
    void OnDisabled() { Calls().push_back("disabled ran"); }
    void OnUpdateDisabled(CCmdUI* ui) { ui->Enable(!locked); }
};
BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_COMMAND(kAppCommand, OnAppCommand)
    ON_COMMAND(kSharedCommand, OnAppCommand)
    ON_COMMAND(kDisabledCommand, OnDisabled)
    ON_UPDATE_COMMAND_UI(kDisabledCommand, OnUpdateDisabled)
END_MESSAGE_MAP()

// An application started the way the program starts: template, then a new document.
struct Started {
    platform::ScriptedModalServices script;
    platform::ScopedModalServices installed{script};
    platform::ResourceRegistration<MenuResource> menu{kMenu};
    platform::ResourceRegistration<AcceleratorTable> keys{kAccelerators};
    TestApp app;
    NoteFrame* frame = nullptr;
    NoteView* view = nullptr;
    CDocument* doc = nullptr;

    Started()
    {
        Calls().clear();
        app.AddDocTemplate(std::make_unique<CSingleDocTemplate>(
            kResource, "Zod\n\nBid", RUNTIME_CLASS(NoteDoc), RUNTIME_CLASS(NoteFrame),
            RUNTIME_CLASS(NoteView)));
        doc = app.OpenDocumentFile("");
        frame = dynamic_cast<NoteFrame*>(app.m_pMainWnd);
        view = frame ? dynamic_cast<NoteView*>(frame->GetActiveView()) : nullptr;
    }

    QAction* Action(UINT id) const
    {
        for (QAction* top : frame->GetMenuBar()->actions())
            for (QAction* item : top->menu()->actions())
                if (platform::CommandIdOf(item) == id)
                    return item;
        return nullptr;
    }

    bool Activate()
    {
        QWidget* window = frame->GetWidget();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }
};

} // namespace

TEST(FrameWnd, StartUpMakesFrameDocumentAndViewAndRunsTheInitialUpdate)
{
    Started s;
    ASSERT_NE(s.frame, nullptr);
    ASSERT_NE(s.view, nullptr);
    EXPECT_EQ(s.view->GetDocument(), s.doc);
    EXPECT_EQ(s.view->GetParentFrame(), s.frame);
    EXPECT_EQ(s.frame->GetActiveDocument(), s.doc);
    EXPECT_EQ(s.view->initialUpdates, 1);
    EXPECT_EQ(s.frame->GetWindowText(), "Untitled - Zod");
    EXPECT_TRUE(s.frame->IsWindowVisible());
    // The view fills what the menu leaves.
    CRect client, pane;
    s.frame->GetClientRect(&client);
    s.view->GetClientRect(&pane);
    EXPECT_EQ(pane.Width(), client.Width());
    EXPECT_LT(pane.Height(), client.Height());
    EXPECT_GT(pane.Height(), 0);

    // Opening again in one-document mode reuses frame and view and updates again.
    ASSERT_EQ(s.app.OpenDocumentFile("/bids/a.tvb"), s.doc);
    EXPECT_EQ(s.view->initialUpdates, 2);
    EXPECT_EQ(s.frame->GetWindowText(), "a.tvb - Zod");
}

TEST(FrameWnd, CommandsGoViewDocumentFrameApplication)
{
    Started s;
    ASSERT_NE(s.frame, nullptr);
    for (UINT id : {kViewCommand, kDocCommand, kFrameCommand, kAppCommand, kSharedCommand})
        EXPECT_TRUE(s.frame->SendCommand(id));
    EXPECT_FALSE(s.frame->SendCommand(40000));
    EXPECT_EQ(Calls(), (std::vector<std::string>{"view", "doc", "frame", "app", "view"}));

    // A posted command runs later, never inside the call.
    Calls().clear();
    s.frame->PostMessage(WM_COMMAND, kFrameCommand);
    EXPECT_TRUE(Calls().empty());
    ProcessEvents();
    EXPECT_EQ(Calls(), (std::vector<std::string>{"frame"}));

    // Without an active view the document still hears its commands before the frame.
    Calls().clear();
    s.frame->SetActiveView(nullptr);
    EXPECT_TRUE(s.frame->SendCommand(kSharedCommand));
    EXPECT_FALSE(s.frame->SendCommand(kViewCommand));
    EXPECT_EQ(Calls(), (std::vector<std::string>{"doc"}));
}

TEST(FrameWnd, AcceleratorsRunCommandsUnlessTheirUpdateHandlerDisablesThem)
{
    Started s;
    ASSERT_NE(s.frame, nullptr);
    if (!s.Activate())
        GTEST_FAIL() << "the platform gives no window the focus";
    QWidget* target = s.view->GetWidget();
    QTest::keyClick(target, Qt::Key_J, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_F6, Qt::ShiftModifier);
    QTest::keyClick(target, Qt::Key_Backspace, Qt::AltModifier);
    QTest::keyClick(target, Qt::Key_L, Qt::ControlModifier); // disabled: nothing runs
    s.app.locked = false;
    QTest::keyClick(target, Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(Calls().empty()); // queued: nothing runs inside the key's own handler
    ProcessEvents();
    EXPECT_EQ(Calls(), (std::vector<std::string>{"view", "frame", "doc", "disabled ran"}));
    EXPECT_EQ(platform::QtKeyOfVirtualKey((VK_F1 + 5)), int(Qt::Key_F6));
    EXPECT_EQ(platform::QtKeyOfVirtualKey('J'), int(Qt::Key_J));
    EXPECT_EQ(platform::QtKeyOfVirtualKey(0xFF), 0);
}

TEST(FrameWnd, MenuFromTheResourceTableAndItsUpdatePass)
{
    Started s;
    ASSERT_NE(s.frame, nullptr);
    const QList<QAction*> popups = s.frame->GetMenuBar()->actions();
    ASSERT_EQ(popups.size(), 2);
    EXPECT_EQ(popups[0]->text(), QString("&File"));
    const QList<QAction*> file = popups[0]->menu()->actions();
    ASSERT_EQ(file.size(), 6);
    EXPECT_TRUE(file[1]->isSeparator());
    EXPECT_EQ(file[0]->text(), QString("&Open Proposal...\tCtrl+O"));

    // Before the popup shows, every item asks its handlers.
    emit popups[0]->menu()->aboutToShow();
    EXPECT_TRUE(s.Action(ID_FILE_OPEN)->isEnabled());  // the application opens files
    EXPECT_FALSE(s.Action(kDisabledCommand)->isEnabled());
    EXPECT_FALSE(s.Action(40000)->isEnabled());        // nobody handles it
    EXPECT_TRUE(s.Action(kViewCommand)->isEnabled());

    // After a command the pass runs again by itself.
    s.app.locked = false;
    s.Action(kAppCommand)->trigger();
    ProcessEvents();
    EXPECT_TRUE(s.Action(kDisabledCommand)->isEnabled());
    EXPECT_EQ(Calls(), (std::vector<std::string>{"app"}));

    // The toolbar's item shows that it is there.
    emit s.frame->GetMenuBar()->actions()[1]->menu()->aboutToShow();
    EXPECT_TRUE(s.Action(ID_VIEW_TOOLBAR)->isChecked());
}

TEST(FrameWnd, AMenuChangedAtRunTimeShowsInTheMenuBar)
{
    Started s;
    ASSERT_NE(s.frame, nullptr);
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(kResource));
    menu.ModifyMenu(kViewCommand, MF_BYCOMMAND | MF_STRING, kViewCommand, "&Renamed");
    menu.RemoveMenu(kAppCommand, MF_BYCOMMAND);
    ASSERT_TRUE(s.frame->SetMenu(&menu));
    EXPECT_EQ(s.Action(kViewCommand)->text(), QString("&Renamed"));
    EXPECT_EQ(s.Action(kAppCommand), nullptr);
    // The frame shows the menu itself, not a copy: later changes show at once.
    s.frame->GetMenu()->ModifyMenu(1, MF_BYPOSITION | MF_POPUP,
                                   reinterpret_cast<UINT_PTR>(s.frame->GetMenu()->GetSubMenu(1)), "&Look");
    EXPECT_EQ(s.frame->GetMenuBar()->actions()[1]->text(), QString("&Look"));
    s.frame->SetMenu(nullptr);
    EXPECT_EQ(s.frame->GetMenuBar(), nullptr);
}

TEST(FrameWnd, APopUpMenuAsksTheOwnersHandlersAndSendsItTheChosenCommand)
{
    Started s;
    ASSERT_NE(s.frame, nullptr);
    CMenu popup;
    popup.CreatePopupMenu();
    popup.AppendMenu(MF_STRING, kViewCommand, "&View");
    popup.AppendMenu(MF_SEPARATOR);
    popup.AppendMenu(MF_STRING, kDisabledCommand, "&Locked");
    s.script.AnswerMenu(kDisabledCommand); // its update handler disables it
    EXPECT_EQ(popup.TrackPopupMenu(TPM_RIGHTBUTTON, 10, 10, s.frame), 1u);
    EXPECT_TRUE(Calls().empty());
    EXPECT_EQ(s.script.Unexpected().size(), 1u);
    s.script.AnswerMenu(kViewCommand);
    popup.TrackPopupMenu(TPM_RIGHTBUTTON, 10, 10, s.frame);
    EXPECT_TRUE(Calls().empty()); // posted: it arrives after the menu has gone
    ProcessEvents();
    EXPECT_EQ(Calls(), (std::vector<std::string>{"view"}));
    s.script.AnswerMenu(kViewCommand);
    EXPECT_EQ(popup.TrackPopupMenu(TPM_RETURNCMD, 10, 10, s.frame), UINT(kViewCommand));
    EXPECT_EQ(Calls().size(), 1u); // returned, not sent
    EXPECT_EQ(s.script.MenusShown().back(), (std::vector<std::string>{"&View", "-", "&Locked"}));
}

TEST(FrameWnd, RecentFilesTakeThePlaceOfTheirMenuEntryWithPathsAsTheyRead)
{
    Started s;
    ASSERT_NE(s.frame, nullptr);
    CMenu menu;
    menu.CreateMenu();
    CMenu file;
    file.CreatePopupMenu();
    file.AppendMenu(MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
    file.AppendMenu(MF_SEPARATOR);
    file.AppendMenu(MF_STRING, ID_APP_EXIT, "E&xit");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(&file), "&File");
    s.frame->SetMenu(&menu);
    CMenu& shown = *s.frame->GetMenu()->GetSubMenu(0);
    s.app.LoadStdProfileSettings(4);
    s.frame->OnInitMenuPopup(&shown, 0, false);
    EXPECT_EQ(shown.GetMenuState(ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED, UINT(MF_GRAYED));
    s.app.AddToRecentFileList("/bids/one.tvb");
    s.app.AddToRecentFileList("/bids/Stra\xC3\x9F" "e/two.tvb"); // a folder in UTF-8
    s.frame->OnInitMenuPopup(&shown, 0, false);
    ASSERT_EQ(shown.GetMenuItemCount(), 4);
    EXPECT_EQ(shown.GetMenuString(0, MF_BYPOSITION), "&1 /bids/Stra\xDF" "e/two.tvb");
    EXPECT_EQ(shown.GetMenuString(1, MF_BYPOSITION), "&2 /bids/one.tvb");
    EXPECT_EQ(shown.GetMenuItemID(1), UINT(ID_FILE_MRU_FILE1 + 1));
    EXPECT_EQ(shown.GetMenuState(1, MF_BYPOSITION) & MF_GRAYED, 0u);
    EXPECT_EQ(shown.GetMenuItemID(3), UINT(ID_APP_EXIT));
}

TEST(FrameWnd, MenuItemsAndToolbarButtonsShowTheirPromptsInTheStatusBar)
{
    const StringResource strings[] = {{kViewCommand, "Shows the view\nView"}, {AFX_IDS_IDLEMESSAGE, "Waiting"}};
    const StringTable table{1, strings, std::size(strings)};
    platform::ResourceRegistration<StringTable> registered{table};
    Started s;
    ASSERT_NE(s.frame, nullptr);
    emit s.Action(kViewCommand)->hovered();
    EXPECT_EQ(s.frame->statusBar.GetPaneText(0), "Shows the view");
    emit s.frame->GetMenuBar()->actions()[0]->menu()->aboutToHide();
    EXPECT_EQ(s.frame->statusBar.GetPaneText(0), "Waiting");
    s.frame->toolBar.ModifyStyle(0, CBRS_FLYBY);
    for (QAction* button : s.frame->toolBar.GetWidget()->actions())
        if (platform::CommandIdOf(button) == kViewCommand)
            emit button->hovered();
    EXPECT_EQ(s.frame->statusBar.GetPaneText(0), "Shows the view");
}

TEST(FrameWnd, BarsAroundTheViewFollowTheUpdatePassAndTheirMenuItems)
{
    Started s;
    ASSERT_NE(s.frame, nullptr);
    CToolBar& tools = s.frame->toolBar;
    s.frame->UpdateCommandUI();
    EXPECT_TRUE(tools.IsButtonEnabled(kViewCommand));
    EXPECT_FALSE(tools.IsButtonEnabled(kDisabledCommand));

    // Menu bar, toolbar, view and status bar are stacked without gaps.
    CRect client, bar, view, status;
    s.frame->GetClientRect(&client);
    const auto placed = [&](CWnd& w, CRect& r) {
        w.GetWindowRect(&r);
        s.frame->ScreenToClient(&r);
    };
    placed(tools, bar);
    placed(*s.view, view);
    placed(s.frame->statusBar, status);
    EXPECT_EQ(bar.top, s.frame->GetMenuBar()->height());
    EXPECT_EQ(view.top, bar.bottom);
    EXPECT_EQ(status.top, view.bottom);
    EXPECT_EQ(status.bottom, client.bottom);

    // Hiding the toolbar through its menu command gives its room to the view.
    EXPECT_TRUE(s.frame->SendCommand(ID_VIEW_TOOLBAR));
    ProcessEvents();
    emit s.frame->GetMenuBar()->actions()[1]->menu()->aboutToShow();
    EXPECT_FALSE(s.Action(ID_VIEW_TOOLBAR)->isChecked());
    EXPECT_TRUE(s.Action(ID_VIEW_TOOLBAR)->isEnabled());
    placed(*s.view, view);
    EXPECT_EQ(view.top, s.frame->GetMenuBar()->height());

    // A toolbar click is a command like a menu item.
    for (QAction* button : tools.GetWidget()->actions())
        if (platform::CommandIdOf(button) == kViewCommand)
            button->trigger();
    ProcessEvents();
    EXPECT_EQ(Calls(), (std::vector<std::string>{"view"}));

    // A clipboard change alone brings the buttons up to date.
    s.app.locked = false;
    QGuiApplication::clipboard()->setText("32 CY");
    ProcessEvents();
    EXPECT_TRUE(tools.IsButtonEnabled(kDisabledCommand));

    s.frame->SetMessageText("Ready");
    EXPECT_EQ(s.frame->statusBar.GetPaneText(0), "Ready");
}

TEST(FrameWnd, HintsReachEveryViewButTheSender)
{
    Started s;
    ASSERT_NE(s.view, nullptr);
    NoteView second;
    CCreateContext context{RUNTIME_CLASS(NoteView), s.doc};
    ASSERT_TRUE(second.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 50, 50), s.frame, 1, &context));
    s.view->hints.clear();
    s.doc->UpdateAllViews(s.view, 500);
    s.doc->UpdateAllViews(nullptr, 4660);
    EXPECT_EQ(s.view->hints, (std::vector<LPARAM>{4660}));
    EXPECT_EQ(second.hints, (std::vector<LPARAM>{500, 4660}));
    EXPECT_EQ(second.senders, (std::vector<CView*>{s.view, nullptr}));
}

TEST(FrameWnd, DroppedFilesArriveAsPathsOnlyWhenAccepted)
{
    Started s;
    ASSERT_NE(s.frame, nullptr);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/bids/a b.tvb"), QUrl("http://example.com/x.tvb"),
                  QUrl::fromLocalFile("/bids/c.tvl")});
    EXPECT_FALSE(s.frame->DropData(&data));
    EXPECT_TRUE(s.frame->drops.empty());
    s.frame->DragAcceptFiles();
    EXPECT_TRUE(s.frame->GetWidget()->acceptDrops());
    QMimeData text;
    text.setText("not a file");
    EXPECT_FALSE(s.frame->DropData(&text));
    EXPECT_TRUE(s.frame->DropData(&data));
    ASSERT_EQ(s.frame->drops.size(), 1u);
    EXPECT_EQ(s.frame->drops[0], (std::vector<std::string>{"/bids/a b.tvb", "/bids/c.tvl"}));
}

TEST(FrameWnd, ClosingAsksToSaveAndACancelKeepsEverything)
{
    Started s;
    ASSERT_NE(s.frame, nullptr);
    s.doc->SetModifiedFlag();
    s.script.AnswerMessageBox(IDCANCEL);
    s.frame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(s.frame->IsWindow());
    EXPECT_EQ(s.app.GetDocTemplate()->GetDocument(), s.doc);

    const int before = NoteView::destroyed;
    s.script.AnswerMessageBox(IDNO);
    s.frame->SendMessage(WM_CLOSE);
    ProcessEvents();
    EXPECT_EQ(s.app.GetDocTemplate()->GetDocument(), nullptr);
    EXPECT_EQ(s.app.GetMainFrame(), nullptr);
    EXPECT_EQ(NoteView::destroyed, before + 1);
    EXPECT_TRUE(s.script.AllAnswered());
}

TEST(FrameWnd, ExitThroughTheApplicationDestroysTheFrameOnce)
{
    Started s;
    ASSERT_NE(s.frame, nullptr);
    const int before = NoteView::destroyed;
    EXPECT_TRUE(s.frame->SendCommand(ID_APP_EXIT));
    ProcessEvents();
    EXPECT_EQ(s.app.GetMainFrame(), nullptr);
    EXPECT_EQ(s.app.GetDocTemplate()->GetFrame(), nullptr);
    EXPECT_EQ(NoteView::destroyed, before + 1);
}
