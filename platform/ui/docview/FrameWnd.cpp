#include "platform/ui/docview/FrameWnd.h"

#include "platform/ui/docview/CommandRouting.h"
#include "platform/ui/docview/DocTemplate.h"
#include "platform/ui/docview/Document.h"
#include "platform/ui/docview/FrameworkIds.h"
#include "platform/ui/docview/View.h"
#include "platform/ui/docview/WinApp.h"
#include "platform/ui/window/DeferredDelete.h"
#include "platform/ui/window/Menu.h"

#include <QApplication>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>

#include <algorithm>

CFrameWnd::Entry::Entry(CFrameWnd& frame) : m_frame(frame)
{
    ++m_frame.m_entryDepth;
}

CFrameWnd::Entry::~Entry()
{
    if (--m_frame.m_entryDepth == 0 && m_frame.m_deletePending && !m_frame.IsWindow()) {
        CFrameWnd* frame = &m_frame;
        // The window layer may still be on the stack below this handler.
        platform::DeleteWhenIdle([frame] { delete frame; });
    }
}

IMPLEMENT_DYNCREATE_ROOT(CFrameWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_COMMAND_RANGE(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_COMMAND_RANGE(ID_NEXT_PANE, ID_PREV_PANE, OnNextPane)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd()
{
    // A frame whose window outlives it (one made on the stack) takes it down here, while its
    // own OnDestroy can still run; frames made by the program go through DestroyFrame first.
    DestroyWindowFromDestructor();
}

bool CFrameWnd::LoadFrame(UINT resourceId, CDocument* document, const CRuntimeClass* viewClass)
{
    CCreateContext context{viewClass, document};
    m_document = document;
    m_loadContext = &context;
    m_loadResource = resourceId;
    const std::string title = AfxGetApp() ? AfxGetApp()->m_pszAppName : std::string();
    const bool made = Create(nullptr, title.c_str(), WS_OVERLAPPED | WS_CAPTION,
                             CRect(0, 0, 800, 600), nullptr, 0);
    m_loadContext = nullptr;
    if (!made)
        return false;
    if (CWinApp* app = AfxGetApp(); app && !app->GetMainFrame())
        app->SetMainFrame(this, this);
    RecalcLayout();
    return true;
}

int CFrameWnd::OnCreate(CREATESTRUCT* create)
{
    if (CWnd::OnCreate(create) == -1)
        return -1;
    LoadMenu(m_loadResource);
    LoadAccelerators(m_loadResource);
    InstallHooks();
    if (m_loadContext && !OnCreateClient(m_loadContext))
        return -1;
    return 0;
}

bool CFrameWnd::OnCreateClient(CCreateContext* context)
{
    return !context->m_pNewViewClass || CreateView(context) != nullptr;
}

CView* CFrameWnd::CreateView(CCreateContext* context, UINT id)
{
    if (!context || !context->m_pNewViewClass)
        return nullptr;
    std::unique_ptr<CCmdTarget> object(context->m_pNewViewClass->CreateObject());
    auto* view = dynamic_cast<CView*>(object.get());
    if (!view)
        return nullptr;
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                      id ? id : UINT(AFX_IDW_PANE_FIRST), context))
        return nullptr;
    // Made by class, the view belongs to its window from now on.
    object.release();
    view->SetDeleteWithWindow();
    return view;
}

void CFrameWnd::InitialUpdateFrame(CDocument* document, bool makeVisible)
{
    Entry entry(*this);
    if (document)
        m_document = document;
    if (!IsWindow())
        return;
    // Every view of the frame starts from the document as it now is.
    const std::vector<CView*> views = Views();
    if (!m_activeView && !views.empty())
        SetActiveView(views.front(), false);
    // A view may replace others as it updates (a tree selecting its first node): those gone
    // are skipped, and one made meanwhile has had its own initial update.
    for (CView* view : views) {
        const std::vector<CView*> current = Views();
        if (std::find(current.begin(), current.end(), view) != current.end())
            view->OnInitialUpdate();
    }
    if (makeVisible)
        ShowWindow(SW_SHOW);
    RecalcLayout();
    OnUpdateFrameTitle(true);
    UpdateCommandUI();
}

std::vector<CView*> CFrameWnd::Views() const
{
    std::vector<CView*> views;
    if (!IsWindow())
        return views;
    for (QWidget* child : GetWidget()->findChildren<QWidget*>())
        if (auto* view = dynamic_cast<CView*>(CWnd::FromWidget(child)); view && view->GetWidget() == child)
            views.push_back(view);
    return views;
}

void CFrameWnd::SetActiveView(CView* view, bool notify)
{
    CView* old = m_activeView;
    if (view == old)
        return;
    m_activeView = view;
    if (notify && old)
        old->OnActivateView(false, view, old);
    if (notify && view)
        view->OnActivateView(true, view, old);
    if (CWinApp* app = AfxGetApp())
        app->RequestCommandUIUpdate();
}

CDocument* CFrameWnd::GetActiveDocument() const
{
    if (m_activeView && m_activeView->GetDocument())
        return m_activeView->GetDocument();
    return m_document;
}

void CFrameWnd::OnViewGone(CView* view)
{
    if (m_activeView == view)
        m_activeView = nullptr;
}

bool CFrameWnd::OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo)
{
    Entry entry(*this);
    // The active view asks its own document.
    if (m_activeView && m_activeView->OnCmdMsg(id, code, extra, handlerInfo))
        return true;
    if (!m_activeView && m_document && m_document->OnCmdMsg(id, code, extra, handlerInfo))
        return true;
    if (CWnd::OnCmdMsg(id, code, extra, handlerInfo))
        return true;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(id, code, extra, handlerInfo);
}

void CFrameWnd::OnUpdateFrameTitle(bool addToTitle)
{
    const std::string app = AfxGetApp() ? AfxGetApp()->m_pszAppName : std::string();
    CDocument* document = GetActiveDocument();
    if (addToTitle && document && !document->GetTitle().empty())
        SetWindowText(document->GetTitle() + " - " + app);
    else
        SetWindowText(app);
}

namespace {

// The height a bar needs: its widget refuses less than its minimum.
int BarHeight(const QWidget* bar)
{
    return std::max({bar->sizeHint().height(), bar->minimumSizeHint().height(), bar->minimumHeight()});
}

} // namespace

void CFrameWnd::RecalcLayout()
{
    if (!IsWindow())
        return;
    CRect rest;
    GetClientRect(&rest);
    if (m_menuBar) {
        const int height = BarHeight(m_menuBar);
        m_menuBar->setGeometry(0, rest.top, rest.Width(), height);
        rest.top += height;
    }
    const auto shown = [this](UINT id) -> CWnd* {
        CWnd* bar = GetDlgItem(id);
        return bar && bar->GetParent() == this && !bar->GetWidget()->isHidden() ? bar : nullptr;
    };
    if (CWnd* toolbar = shown(AFX_IDW_TOOLBAR)) {
        const int height = BarHeight(toolbar->GetWidget());
        toolbar->MoveWindow(rest.left, rest.top, rest.Width(), height);
        rest.top += height;
    }
    if (CWnd* status = shown(AFX_IDW_STATUS_BAR)) {
        const int height = BarHeight(status->GetWidget());
        status->MoveWindow(rest.left, rest.bottom - height, rest.Width(), height);
        rest.bottom -= height;
    }
    if (CWnd* pane = GetDlgItem(AFX_IDW_PANE_FIRST); pane && pane->GetParent() == this)
        pane->MoveWindow(rest.left, rest.top, rest.Width(), std::max(0, rest.Height()));
}

void CFrameWnd::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    RecalcLayout();
}

void CFrameWnd::OnClose()
{
    Entry entry(*this);
    CDocument* document = GetActiveDocument();
    if (document && !document->SaveModified())
        return;
    CWinApp* app = AfxGetApp();
    const bool main = app && app->GetMainFrame() == this;
    // The template forgets its frame and document when it closes them itself.
    if (main && app->GetDocTemplate() && app->GetDocTemplate()->GetFrame() == this)
        app->GetDocTemplate()->CloseAllDocuments();
    else
        DestroyFrame();
    if (main)
        QApplication::quit();
}

void CFrameWnd::OnDestroy()
{
    // The views go with the window; none of them may be asked for commands afterwards.
    m_activeView = nullptr;
    m_hooks.reset();
    m_uiUpdates.reset();
    if (CWinApp* app = AfxGetApp(); app && app->GetMainFrame() == this)
        app->SetMainFrame(nullptr, nullptr);
    CWnd::OnDestroy();
}

void CFrameWnd::DestroyFrame()
{
    if (m_deletePending)
        return;
    m_deletePending = true;
    m_activeView = nullptr;
    DestroyWindow();
    if (m_entryDepth == 0)
        delete this;
}

bool CFrameWnd::SendCommand(UINT id)
{
    Entry entry(*this);
    return platform::ExecuteCommand(*this, id);
}
