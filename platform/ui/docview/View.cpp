#include "platform/ui/docview/View.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/docview/Document.h"
#include "platform/ui/docview/FrameWnd.h"
#include "platform/ui/docview/FrameworkIds.h"
#include "platform/ui/print/PrintInfo.h"
#include "platform/ui/print/ViewPrinting.h"

#include <QApplication>
#include <QWidget>

// The root of the view family; views are made by their own classes.
const CRuntimeClass CView::classCView{"CView", nullptr, nullptr};

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrintDirect)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
END_MESSAGE_MAP()

CView::CView() = default;

CView::~CView()
{
    DestroyWindowFromDestructor();
    platform::ForgetPreviewOf(this);
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

void CView::OnDestroy()
{
    // While the window still tells which frame holds the view.
    if (CFrameWnd* frame = GetParentFrame())
        frame->OnViewGone(this);
    if (m_pDocument)
        m_pDocument->RemoveView(this);
    m_pDocument = nullptr;
    CWnd::OnDestroy();
}

bool CView::Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                   CWnd* parent, UINT id, CCreateContext* context)
{
    CREATESTRUCT create{parent, id, style, CRect(rect), windowName ? windowName : "", GetExStyle()};
    if (!PreCreateWindow(create))
        return false;
    m_creating = context;
    const bool made = CreateEx(create.exStyle, className, create.name.c_str(), create.style,
                               create.rect, parent, id);
    m_creating = nullptr;
    return made;
}

int CView::OnCreate(CREATESTRUCT* create)
{
    if (m_creating && m_creating->m_pCurrentDoc)
        m_creating->m_pCurrentDoc->AddView(this);
    return CWnd::OnCreate(create);
}

CFrameWnd* CView::GetParentFrame() const
{
    for (CWnd* w = GetParent(); w; w = w->GetParent())
        if (auto* frame = dynamic_cast<CFrameWnd*>(w))
            return frame;
    return nullptr;
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, void*)
{
    Invalidate();
}

void CView::OnActivateView(bool activate, CView* activateView, CView*)
{
    if (activate && activateView == this && GetWidget() &&
        !GetWidget()->isAncestorOf(QApplication::focusWidget()))
        SetFocus();
}

void CView::OnPrepareDC(CDC*, CPrintInfo* info)
{
    // Without a known page count a view prints one page unless it says otherwise.
    if (info)
        info->m_bContinuePrinting = info->GetMaxPage() != CPrintInfo::kUnknownPage
                                        ? info->m_nCurPage <= info->GetMaxPage()
                                        : info->m_nCurPage == 1;
}

void CView::OnDocumentUpdate(platform::DocumentView* sender, LPARAM hint, void* hintObject)
{
    OnUpdate(dynamic_cast<CView*>(sender), hint, hintObject);
}

bool CView::OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo)
{
    if (CWnd::OnCmdMsg(id, code, extra, handlerInfo))
        return true;
    return m_pDocument && m_pDocument->OnCmdMsg(id, code, extra, handlerInfo);
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

bool CView::OnPreparePrinting(CPrintInfo* info)
{
    return DoPreparePrinting(info);
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}
void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* dc, CPrintInfo*)
{
    OnDraw(dc);
}

bool CView::DoPreparePrinting(CPrintInfo* info)
{
    return info && platform::ChoosePrinter(*info);
}

void CView::OnFilePrint()
{
    platform::PrintView(*this, false);
}

void CView::OnFilePrintDirect()
{
    platform::PrintView(*this, true);
}

void CView::OnFilePrintPreview()
{
    platform::PreviewView(*this);
}
