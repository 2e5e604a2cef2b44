#include "controls/views/DynaFormView.h"

IMPLEMENT_DYNAMIC(CDynaFormView, CFormView)

namespace {

constexpr DWORD kDefaultFormStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;

} // namespace

CDynaFormView::CDynaFormView(UINT templateId) : CFormView(templateId), m_core(*this) {}

void CDynaFormView::SetFormFont(std::string face, int pointSize)
{
    m_strFontFace = std::move(face);
    m_iFontSize = pointSize;
}

bool CDynaFormView::Create(const char* className, const char* windowName, DWORD style,
                           const RECT& rect, CWnd* parent, UINT id, CCreateContext* context)
{
    if (!m_strFontFace.empty()) {
        SetTemplateFont({m_strFontFace, m_iFontSize});
        if (style == 0)
            style = kDefaultFormStyle;
    }
    return CFormView::Create(className, windowName, style, rect, parent, id, context);
}

int CDynaFormView::InitLayout(int mode, int marker1, int marker2, int marker3, int marker4, int marker5)
{
    return m_core.Layout().Build(this, mode, {marker1, marker2, marker3, marker4, marker5});
}

bool CDynaFormView::OnEraseBkgnd(CDC* dc)
{
    return m_core.PaintBackground(*dc) || CFormView::OnEraseBkgnd(dc);
}

CBrush* CDynaFormView::OnCtlColor(CDC* dc, CWnd* child, UINT ctlColor)
{
    CBrush* brush = CFormView::OnCtlColor(dc, child, ctlColor);
    return child ? m_core.ChildColors(*dc, *child, brush) : brush;
}

void CDynaFormView::OnSize(UINT type, int cx, int cy)
{
    m_core.Relayout(cx, cy);
    CFormView::OnSize(type, cx, cy);
    m_core.AfterSize();
}
