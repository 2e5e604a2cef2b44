#include "platform/ui/docview/SplitterWnd.h"

#include "platform/ui/window/Cursor.h"
#include "platform/ui/docview/FrameWnd.h"
#include "platform/ui/docview/FrameworkIds.h"
#include "platform/ui/docview/View.h"

#include <QWidget>

IMPLEMENT_DYNCREATE_ROOT(CSplitterWnd)

CSplitterWnd::CSplitterWnd() = default;

CSplitterWnd::~CSplitterWnd()
{
    // The panes' views go with their windows.
    DestroyWindowFromDestructor();
}

bool CSplitterWnd::CreateStatic(CWnd* parent, int rows, int cols, DWORD style, UINT id)
{
    if (IsWindow() || rows < 1 || cols < 1 || rows > kMaxPanes || cols > kMaxPanes)
        return false;
    m_rows = rows;
    m_cols = cols;
    m_rowInfo.assign(rows, Track{});
    m_colInfo.assign(cols, Track{});
    CRect area;
    if (parent)
        parent->GetClientRect(&area);
    return Create(nullptr, nullptr, style | WS_CHILD, area, parent,
                  id ? id : UINT(AFX_IDW_PANE_FIRST));
}

bool CSplitterWnd::InRange(int row, int col) const
{
    return row >= 0 && col >= 0 && row < m_rows && col < m_cols;
}

UINT CSplitterWnd::IdFromRowCol(int row, int col) const
{
    return AFX_IDW_PANE_FIRST + UINT(row) * kMaxPanes + UINT(col);
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    if (!InRange(row, col) || !IsWindow())
        return nullptr;
    const UINT id = IdFromRowCol(row, col);
    for (QObject* child : GetWidget()->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        CWnd* wnd = widget ? CWnd::FromWidget(widget) : nullptr;
        if (wnd && wnd->GetWidget() == widget && wnd->GetDlgCtrlID() == id)
            return wnd;
    }
    return nullptr;
}

bool CSplitterWnd::IsChildPane(const CWnd* wnd, int* row, int* col) const
{
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_cols; ++c)
            if (wnd && GetPane(r, c) == wnd) {
                if (row) *row = r;
                if (col) *col = c;
                return true;
            }
    return false;
}

bool CSplitterWnd::CreateView(int row, int col, const CRuntimeClass* viewClass, SIZE size,
                              CCreateContext* context)
{
    if (!InRange(row, col) || GetPane(row, col) || !viewClass)
        return false;
    std::unique_ptr<CCmdTarget> object(viewClass->CreateObject());
    auto* view = dynamic_cast<CView*>(object.get());
    if (!view)
        return false;
    CCreateContext ownContext{viewClass, context ? context->m_pCurrentDoc : nullptr};
    const UINT id = IdFromRowCol(row, col);
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, size.cx, size.cy),
                      this, id, &ownContext))
        return false;
    // Made by class, the view belongs to its window: whoever keeps it aside or replaces it
    // ends it by destroying the window.
    object.release();
    view->SetDeleteWithWindow();
    m_colInfo[col].ideal = size.cx;
    m_rowInfo[row].ideal = size.cy;
    RecalcLayout();
    return true;
}

void CSplitterWnd::DeleteView(int row, int col)
{
    if (CWnd* pane = GetPane(row, col))
        pane->DestroyWindow();
}

CView* CSplitterWnd::ReplaceView(int row, int col, const CRuntimeClass* viewClass, SIZE size)
{
    if (!InRange(row, col) || !viewClass)
        return nullptr;
    auto* old = dynamic_cast<CView*>(GetPane(row, col));
    CFrameWnd* frame = old ? old->GetParentFrame() : nullptr;
    const bool wasActive = frame && frame->GetActiveView() == old;
    CCreateContext context{viewClass, old ? old->GetDocument() : nullptr};
    DeleteView(row, col);
    if (!CreateView(row, col, viewClass, size, &context))
        return nullptr;
    auto* view = dynamic_cast<CView*>(GetPane(row, col));
    if (wasActive)
        frame->SetActiveView(view);
    RecalcLayout();
    return view;
}

void CSplitterWnd::SetColumnInfo(int col, int ideal, int minimum)
{
    if (col < 0 || col >= m_cols)
        return;
    m_colInfo[col].ideal = std::max(0, ideal);
    m_colInfo[col].minimum = std::max(0, minimum);
}

void CSplitterWnd::GetColumnInfo(int col, int& current, int& minimum) const
{
    current = minimum = 0;
    if (col < 0 || col >= m_cols)
        return;
    current = m_colInfo[col].current;
    minimum = m_colInfo[col].minimum;
}

void CSplitterWnd::SetRowInfo(int row, int ideal, int minimum)
{
    if (row < 0 || row >= m_rows)
        return;
    m_rowInfo[row].ideal = std::max(0, ideal);
    m_rowInfo[row].minimum = std::max(0, minimum);
}

void CSplitterWnd::GetRowInfo(int row, int& current, int& minimum) const
{
    current = minimum = 0;
    if (row < 0 || row >= m_rows)
        return;
    current = m_rowInfo[row].current;
    minimum = m_rowInfo[row].minimum;
}

// Each track but the last gets its ideal size as far as room allows; the last takes the rest.
// A track squeezed below its minimum is closed.
void CSplitterWnd::Distribute(std::vector<Track>& tracks, int available)
{
    int left = std::max(0, available - kBarSize * (int(tracks.size()) - 1));
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        Track& t = tracks[i];
        int size = i + 1 == tracks.size() ? left : std::min(t.ideal, left);
        if (size < t.minimum)
            size = 0;
        t.current = size;
        left -= size;
    }
}

void CSplitterWnd::RecalcLayout()
{
    if (!IsWindow())
        return;
    CRect client;
    GetClientRect(&client);
    Distribute(m_colInfo, client.Width());
    Distribute(m_rowInfo, client.Height());
    int y = 0;
    for (int r = 0; r < m_rows; ++r) {
        int x = 0;
        for (int c = 0; c < m_cols; ++c) {
            if (CWnd* pane = GetPane(r, c))
                pane->MoveWindow(x, y, m_colInfo[c].current, m_rowInfo[r].current);
            x += m_colInfo[c].current + kBarSize;
        }
        y += m_rowInfo[r].current + kBarSize;
    }
    Invalidate();
}

void CSplitterWnd::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    RecalcLayout();
}

int CSplitterWnd::TrackStart(const std::vector<Track>& tracks, int index)
{
    int start = 0;
    for (int i = 0; i < index; ++i)
        start += tracks[i].current + kBarSize;
    return start;
}

int CSplitterWnd::BarAt(const std::vector<Track>& tracks, int position) const
{
    for (std::size_t i = 0; i + 1 < tracks.size(); ++i) {
        const int edge = TrackStart(tracks, int(i)) + tracks[i].current;
        if (position >= edge && position < edge + kBarSize)
            return int(i);
    }
    return -1;
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point)
{
    m_dragBar = BarAt(m_colInfo, point.x);
    m_dragColumn = m_dragBar >= 0;
    if (m_dragBar < 0)
        m_dragBar = BarAt(m_rowInfo, point.y);
    if (m_dragBar < 0)
        return;
    // Where on the bar it was taken: the bar keeps that point under the pointer.
    const std::vector<Track>& tracks = m_dragColumn ? m_colInfo : m_rowInfo;
    m_dragOffset = (m_dragColumn ? point.x : point.y) - TrackStart(tracks, m_dragBar) -
                   tracks[m_dragBar].current;
    SetCapture();
}

void CSplitterWnd::OnMouseMove(UINT, CPoint point)
{
    if (m_dragBar < 0) {
        if (BarAt(m_colInfo, point.x) >= 0)
            ::SetCursor(LoadStandardCursor(IDC_SIZEWE));
        else if (BarAt(m_rowInfo, point.y) >= 0)
            ::SetCursor(LoadStandardCursor(IDC_SIZENS));
        return;
    }
    // The dragged bar's track takes its size from the pointer.
    std::vector<Track>& tracks = m_dragColumn ? m_colInfo : m_rowInfo;
    const int pointer = m_dragColumn ? point.x : point.y;
    tracks[m_dragBar].ideal = std::max(0, pointer - m_dragOffset - TrackStart(tracks, m_dragBar));
    RecalcLayout();
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint)
{
    if (m_dragBar >= 0)
        ReleaseCapture();
    m_dragBar = -1;
}
