#include "app/views/DV2.h"

#include "app/views/TreeCommands.h"
#include "app/views/ViewBackgrounds.h"
#include "app/views/ViewHints.h"
#include "platform/ui/draw/SystemMetrics.h"

IMPLEMENT_DYNAMIC(CDV2, CColoredScrollView)

BEGIN_MESSAGE_MAP(CDV2, CColoredScrollView)
    ON_TREE_COMMANDS()
END_MESSAGE_MAP()

namespace {

constexpr int kFormWeight = 500;
constexpr int kInitialFormSize = 100;

} // namespace

CDV2::CDV2() : m_crButtonFace(GetSysColor(COLOR_BTNFACE)), m_crButtonText(GetSysColor(COLOR_BTNTEXT)) {}

bool CDV2::PreCreateWindow(CREATESTRUCT& create)
{
    // The dialog keys move between the controls made on the form.
    create.exStyle |= WS_EX_CONTROLPARENT;
    return CColoredScrollView::PreCreateWindow(create);
}

void CDV2::CreateFormFont(CFont& font, int sizeDelta, int weight)
{
    font.CreateFont(sizeDelta + 10, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
}

void CDV2::OnInitialUpdate()
{
    ApplyConfiguredBackground(*this, true, COLORREF(-1));
    CColoredScrollView::OnInitialUpdate();
    m_crButtonFace = GetSysColor(COLOR_BTNFACE);
    m_crButtonText = GetSysColor(COLOR_BTNTEXT);
    CreateFormFont(m_formFont, 0, kFormWeight);
    m_iBorderX = GetSystemMetrics(SM_CXBORDER) + 1;
    m_iBorderY = GetSystemMetrics(SM_CYBORDER) + 1;
    MeasureFormFont();
    SetScrollSizes(MM_TEXT, CSize(kInitialFormSize, kInitialFormSize));
}

void CDV2::MeasureFormFont()
{
    CClientDC dc(this);
    dc.SelectObject(&m_formFont);
    TEXTMETRIC metrics{};
    dc.GetTextMetrics(&metrics);
    m_iCharHeight = metrics.tmHeight;
    m_iCharWidth = (metrics.tmMaxCharWidth + 2 * metrics.tmAveCharWidth) / 3;
    m_iLineHeight = metrics.tmHeight + 4 * m_iBorderY + 2;
    m_iFieldGap = m_iBorderX;
}

void CDV2::OnUpdate(CView* sender, LPARAM hint, void* hintObject)
{
    if (hint == HINT_BACKGROUND)
        ApplyConfiguredBackground(*this, true, ConfiguredTopColor());
    CColoredScrollView::OnUpdate(sender, hint, hintObject);
    if (hint == HINT_REFRESH_FORMS)
        ShowFigures();
}

bool CDV2::OnEraseBkgnd(CDC* dc)
{
    if (HasBackground() && PaintBackground(*dc))
        return true;
    CRect clip;
    dc->GetClipBox(&clip);
    dc->FillSolidRect(&clip, m_crButtonFace);
    return true;
}

void CDV2::OnTreeCommand(UINT id)
{
    RouteToTreeView(id, CN_COMMAND, nullptr);
}

void CDV2::OnUpdateTreeCommand(CCmdUI* ui)
{
    UpdateTreeCommand(ui);
}
