#include "app/frame/MainFrame.h"

#include "app/doc/BidDoc.h"
#include "app/startup/BidApp.h"
#include "app/startup/ProfileValues.h"
#include "app/tree/BidTreeView.h"
#include "app/views/DVBlank.h"
#include "app/views/ViewBackgrounds.h"
#include "controls/views/ViewColorScheme.h"
#include "model/records/BidderInfo.h"
#include "model/records/Prop.h"
#include "model/reports/LinePrinter.h"
#include "model/settings/BidderSettings.h"
#include "model/settings/OptionSettings.h"
#include "platform/ui/window/ScreenFit.h"
#include "resources/ResourceIds.h"

#include <utility>

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

namespace {

constexpr int kTreeHeight = 100;
constexpr CSize kFirstFormSize{100, 100};

} // namespace

bool NeedsFirstRun(const CBidderInfo* bidder)
{
    return !bidder || bidder->Get(BIDDER_NAME).empty() || EqualsIgnoringCase(bidder->Get(BIDDER_NAME), "Unknown");
}

CMainFrame* GetMainFrame()
{
    return dynamic_cast<CMainFrame*>(AfxGetMainWnd());
}

CBidView* GetMainSplitter()
{
    CMainFrame* frame = GetMainFrame();
    return frame ? &frame->GetSplitter() : nullptr;
}

CBidTreeView* GetMainTreeView()
{
    const CMainFrame* frame = GetMainFrame();
    return frame ? frame->GetTreeView() : nullptr;
}

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame()
{
    DestroyWindowFromDestructor();
}

CBidTreeView* CMainFrame::GetTreeView() const
{
    return dynamic_cast<CBidTreeView*>(m_wndSplitter.GetPane(0, 0));
}

int CMainFrame::OnCreate(CREATESTRUCT* create)
{
    // The size the window will be shown at, fitted into the screen, before the panes are made: the
    // tree's first width is a quarter of it. A proposal opened from the command line shows the
    // window before the start-up places it, under the reports of its opening: fitted once framed.
    if (const CBidApp* app = GetBidApp()) {
        const CRect& shown = app->GetMainWindowRect();
        MoveWindow(shown.left, shown.top, shown.Width(), shown.Height(), false);
        platform::FitOnScreenWhenFramed(*GetWidget());
    }
    if (CFrameWnd::OnCreate(create) == -1 || !CreateBars())
        return -1;
    // A bitmap needs a screen with colours; without one the background is plain for this run.
    if (CBidApp* app = GetBidApp(); app && app->m_iBackgroundType == BACKGROUND_BITMAP && !ScreenHasColors())
        app->m_iBackgroundType = BACKGROUND_PLAIN;
    return 0;
}

bool CMainFrame::CreateBars()
{
    const DWORD barStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                           CBRS_SIZE_DYNAMIC;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, barStyle) || !m_wndToolBar.LoadToolBar(resources::IDR_MAINFRAME))
        return false;
    if (!m_wndStatusBar.Create(this))
        return false;
    SetPanes(false);
    ShowCommandPrompt(0);
    RecalcLayout();
    return true;
}

bool CMainFrame::OnCreateClient(CCreateContext* context)
{
    CRect frame;
    GetWindowRect(&frame);
    int splitterPos = frame.Width() / 4;
    if (CWinApp* app = AfxGetApp(); app && app->GetProfileStore())
        splitterPos = GetProfileInt(*app->GetProfileStore(), "WindowMetrics", "SplitterPos", splitterPos);
    bool made = m_wndSplitter.CreateStatic(this, 1, 2);
    const bool tree = m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CBidTreeView), CSize(splitterPos, kTreeHeight), context);
    const bool form = m_wndSplitter.CreateView(0, 1, RUNTIME_CLASS(CDV_Blank), kFirstFormSize, context);
    made = made || tree || form;
    if (CBidTreeView* view = GetTreeView())
        SetActiveView(view);
    LoadOptionSettings();
    CTextPrinterState& printer = ResetTextPrinterState();
    printer.m_iColumns = kDefaultPrinterColumns;
    printer.m_iLines = kDefaultPrinterLines;
    printer.m_pSink = nullptr;
    m_bFirstRunPending = NeedsFirstRun(GetBidderInfo());
    if (m_bFirstRunPending)
        PostMessage(WM_FIRST_RUN);
    return made;
}

void CMainFrame::RunPendingFirstRun()
{
    if (std::exchange(m_bFirstRunPending, false))
        SendMessage(WM_COMMAND, resources::ID_NEW_INSTALLATION);
}

LRESULT CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_FIRST_RUN)
        return CFrameWnd::OnMessage(message, wParam, lParam);
    RunPendingFirstRun();
    return 0;
}

void CMainFrame::OnDestroy()
{
    if (CBidApp* app = GetBidApp())
        app->SaveSettings(*this);
    CFrameWnd::OnDestroy();
}

void CMainFrame::OnUpdateFrameTitle(bool)
{
    const auto* doc = dynamic_cast<const CBidDoc*>(GetActiveDocument());
    const CProp* prop = doc ? doc->GetProp() : nullptr;
    if (!prop) {
        SetWindowText(kNoProposalTitle);
        return;
    }
    const std::string& format = prop->m_strDisplayFormats[0];
    SetWindowText(std::string(kNoProposalTitle) + " - " + doc->FormatTitle(format.empty() ? kDefaultTitleFormat : format));
}
