#pragma once

// The program's main window: menu, toolbar, the status bar with the bid total, the splitter of
// proposal tree and form, and the title built from the open proposal.
#include "app/tree/BidView.h"
#include "platform/ui/controls/StatusBar.h"
#include "platform/ui/controls/ToolBar.h"
#include "platform/ui/docview/FrameWnd.h"

#include <string>

class CBidTreeView;
class CProp;
struct CBidderInfo;

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    static constexpr int kDefaultTotalWidth = 120;
    static constexpr const char* kNoProposalTitle = "Tarvello Zod";
    static constexpr const char* kDefaultTitleFormat = "Zod - %9 - %1 (%6 Amendment%7) %2";

    CMainFrame();
    ~CMainFrame() override;

    int OnCreate(CREATESTRUCT* create) override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnUpdateFrameTitle(bool addToTitle) override;

    // The proposal's bid total in the status bar; a width of -1 keeps the pane's width.
    void ShowTotal(const CProp& prop, int width);
    // The total pane's text (right-aligned) and, unless -1, its width: 0 is the default, and
    // the width is held between 66 and 240 pixels.
    bool SetStatusTotal(const std::string& text, int width);

    CBidView& GetSplitter() { return m_wndSplitter; }
    const CBidView& GetSplitter() const { return m_wndSplitter; }
    CBidTreeView* GetTreeView() const;
    CStatusBar& GetStatusBar() { return m_wndStatusBar; }
    CToolBar& GetToolBar() { return m_wndToolBar; }
    int GetTotalWidth() const { return m_iTotalWidth; }

    // The first-run welcome and options, when the start found no company and they have not come
    // yet: a proposal opened at the start asks them before its own questions, since its bidder
    // record is taken from the company they fill in.
    void RunPendingFirstRun();

protected:
    bool OnCreateClient(CCreateContext* context) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Posted at creation: the first run once the event loop runs, unless an opening ran it.
    static constexpr UINT WM_FIRST_RUN = WM_APP + 1;

    bool CreateBars();
    void SetPanes(bool maximized);

    CBidView m_wndSplitter;
    std::string m_strStatusTotal;
    int m_iTotalWidth = kDefaultTotalWidth;
    int m_bMaximized = 0;
    bool m_bFirstRunPending = false;
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
};

// With no bidder record, or one whose company is blank or "Unknown" in any case, the program
// starts with the new-installation dialogs.
bool NeedsFirstRun(const CBidderInfo* bidder);

CMainFrame* GetMainFrame();
CBidView* GetMainSplitter();
