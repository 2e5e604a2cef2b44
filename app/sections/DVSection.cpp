#include "app/sections/DVSection.h"

#include "app/doc/BidDoc.h"
#include "app/views/MoneyField.h"
#include "model/records/Prop.h"
#include "model/text/NumberFormat.h"
#include "platform/ui/draw/SystemMetrics.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CDV_Section, CDV)

namespace {

// The description never gets lower than this many lines of the alternate code's height.
constexpr int kDescriptionLines = 6;

void ShowText(CWnd& form, UINT id, std::string_view text)
{
    if (CWnd* control = form.GetDlgItem(id))
        control->SetWindowText(text);
}

} // namespace

CDV_Section::CDV_Section() : CDV(kTemplate) {}

int CDV_Section::OnCreate(CREATESTRUCT* create)
{
    if (CDV::OnCreate(create) == -1)
        return -1;
    // Recorded while the controls stand where the template puts them.
    SetControlLayout(IDC_ALTERNATE, LAYOUT_MOVE_RIGHT);
    InitLayout();
    return 0;
}

void CDV_Section::ShowFigures()
{
    const auto* document = dynamic_cast<const CBidDoc*>(GetDocument());
    const CProp* prop = document ? document->GetProp() : nullptr;
    const CItem* section = prop ? prop->m_items.GetAtOrNull(m_iNodeIndex) : nullptr;
    if (!section)
        return;
    const CNumberFormat& amount = prop->m_numberFormats[NUMFMT_AMOUNT];
    ShowText(*this, IDC_SECTION_NUMBER, section->m_strLineNum);
    ShowMoney(GetDlgItem(IDC_SECTION_TOTAL),
              FormatAmount(section->m_fExtension, amount.m_byWidth, amount.m_byDecimals, true, prop->GetCurrencySymbol(0)));
    ShowText(*this, IDC_DESCRIPTION, section->m_strLongDesc);
    ShowText(*this, IDC_ALTERNATE, section->m_strAltCode);
}

CRect CDV_Section::ControlRect(const CWnd& control) const
{
    CRect rect;
    control.GetWindowRect(&rect);
    ScreenToClient(&rect);
    return rect;
}

void CDV_Section::OnSize(UINT type, int cx, int cy)
{
    CDV::OnSize(type, cx, cy);
    CWnd* description = GetDlgItem(IDC_DESCRIPTION);
    const CWnd* alternate = GetDlgItem(IDC_ALTERNATE);
    if (!description || !alternate)
        return;
    const CRect place = ControlRect(*description);
    const CRect code = ControlRect(*alternate);
    const int width = std::max(cx - 2 * place.left, code.right - place.left);
    const int height = std::max(cy - place.top - 2 * GetSystemMetrics(SM_CXFRAME), kDescriptionLines * code.Height());
    description->MoveWindow(place.left, place.top, width, height);
}
