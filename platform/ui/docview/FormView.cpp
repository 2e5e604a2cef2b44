#include "platform/ui/docview/FormView.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"

const CRuntimeClass CFormView::classCFormView{"CFormView", nullptr, RUNTIME_CLASS(CScrollView)};

CFormView::CFormView(UINT templateId) : m_templateId(templateId) {}

CFormView::~CFormView()
{
    // The view's window goes first, taking the controls' windows with it.
    DestroyWindowFromDestructor();
}

int CFormView::OnCreate(CREATESTRUCT* create)
{
    if (CScrollView::OnCreate(create) == -1)
        return -1;
    const DialogTemplate* dialogTemplate = platform::FindDialogTemplate(m_templateId);
    if (!dialogTemplate)
        return 0; // a form whose controls are made at run time
    if (!platform::CreateDialogFont(*dialogTemplate, m_templateFont, m_font))
        return -1;
    SetFont(&m_font, false);
    platform::BuiltDialog built = platform::BuildDialogTemplate(*this, *dialogTemplate, m_font);
    if (built.controls.empty() && dialogTemplate->count > 0)
        return -1;
    m_controls = std::move(built.controls);
    SetScrollSizes(MM_TEXT, built.size);
    return 0;
}

bool CFormView::OnEraseBkgnd(CDC* dc)
{
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    return true;
}
