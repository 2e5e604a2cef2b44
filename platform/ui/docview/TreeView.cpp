#include "platform/ui/docview/TreeView.h"

#include <QWidget>

const CRuntimeClass CTreeView::classCTreeView{"CTreeView", nullptr, RUNTIME_CLASS(CView)};

CTreeView::CTreeView() = default;

CTreeView::~CTreeView()
{
    m_tree.DestroyWindow();
}

int CTreeView::OnCreate(CREATESTRUCT* create)
{
    if (CView::OnCreate(create) == -1)
        return -1;
    CRect client;
    GetClientRect(&client);
    const DWORD treeStyle = (GetStyle() & 0xFFFF) | WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    if (!m_tree.Create(nullptr, nullptr, treeStyle, client, this, kTreeCtrlId))
        return -1;
    GetWidget()->setFocusProxy(m_tree.GetWidget());
    return 0;
}

bool CTreeView::OnEraseTreeBkgnd(CDC* dc)
{
    return m_tree.EraseOwnBackground(dc);
}

void CTreeView::OnSize(UINT type, int cx, int cy)
{
    CView::OnSize(type, cx, cy);
    if (m_tree.IsWindow())
        m_tree.MoveWindow(0, 0, cx, cy);
}
