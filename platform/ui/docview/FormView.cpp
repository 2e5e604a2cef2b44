#include "platform/ui/docview/FormView.h"

#include "platform/ui/window/WinText.h"

#include <QLayout>
#include <QWidget>

const CRuntimeClass CFormView::classCFormView{"CFormView", nullptr, RUNTIME_CLASS(CScrollView)};

CFormView::CFormView(UINT templateId) : m_templateId(templateId) {}

CFormView::~CFormView()
{
    // The controls go before the view's window, which holds theirs.
    m_controls.clear();
}

int CFormView::OnCreate(CREATESTRUCT* create)
{
    if (CScrollView::OnCreate(create) == -1)
        return -1;
    const DialogLayout* layout = platform::FindDialogLayout(m_templateId);
    if (!layout)
        return 0; // a form whose controls are made at run time
    m_form = new QWidget(GetWidget());
    m_form->lower(); // under the scroll bars
    m_controls = platform::BuildDialogLayout(*this, *m_form, *layout);
    if (m_controls.empty() && layout->count > 0)
        return -1;
    m_form->show();
    LayOutForm();
    return 0;
}

void CFormView::OnSize(UINT type, int cx, int cy)
{
    CScrollView::OnSize(type, cx, cy);
    LayOutForm();
}

void CFormView::LayOutForm()
{
    if (!m_form || !m_form->layout())
        return;
    const QSize least = m_form->layout()->minimumSize();
    SetScrollSizes(MM_TEXT, CSize(least.width(), least.height()));
    CRect client;
    GetClientRect(&client);
    const CPoint position = GetScrollPosition();
    m_form->setGeometry(-position.x, -position.y, std::max(least.width(), client.Width()),
                        std::max(least.height(), client.Height()));
    // Laid out now, also while hidden: callers read the controls' places at once.
    m_form->layout()->setGeometry(m_form->rect());
}
