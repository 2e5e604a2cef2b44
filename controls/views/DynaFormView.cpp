#include "controls/views/DynaFormView.h"

IMPLEMENT_DYNAMIC(CDynaFormView, CFormView)

namespace {

constexpr DWORD kDefaultFormStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;

} // namespace

CDynaFormView::CDynaFormView(UINT templateId) : CColoredViewOf<CFormView>(templateId) {}

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
