#include "app/forms/TemplateView.h"

#include "app/doc/BidDoc.h"
#include "app/forms/FieldKinds.h"
#include "app/grids/GreyControls.h"
#include "model/check/Recalc.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"
#include "platform/ui/controls/ToolTipCtrl.h"
#include "platform/ui/draw/DC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDV_Template, CDV2)

BEGIN_MESSAGE_MAP(CDV_Template, CDV2)
    ON_CONTROL_RANGE(CBN_SELCHANGE, CDV_Template::kFirstFieldId, CDV_Template::kLastFieldId, OnTemplateChange)
    ON_CONTROL_RANGE(CBN_KILLFOCUS, CDV_Template::kFirstFieldId, CDV_Template::kLastFieldId, OnTemplateChange)
    ON_CONTROL_RANGE(CBN_DROPDOWN, CDV_Template::kFirstFieldId, CDV_Template::kLastFieldId, OnTemplateChange)
    ON_CONTROL_RANGE(EN_KILLFOCUS, CDV_Template::kFirstFieldId, CDV_Template::kLastFieldId, OnTemplateChange)
    ON_CONTROL_RANGE(BN_CLICKED, CDV_Template::kFirstFieldId, CDV_Template::kLastFieldId, OnTemplateBrowse)
END_MESSAGE_MAP()

namespace {

constexpr int kMaxTipWidth = 200;

} // namespace

CDV_Template::CDV_Template() = default;

CDV_Template::~CDV_Template() = default;

CWinMeta* CDV_Template::GetTemplate()
{
    const CProp* prop = GetProp();
    return prop ? prop->GetDbeForm(GetFirmType()) : nullptr;
}

CRowData* CDV_Template::GetTemplateRecord(int index)
{
    const CWinMeta* form = GetTemplate();
    return form ? form->m_rows.GetAtOrNull(index < 0 ? GetCurrentIndex() : index) : nullptr;
}

bool CDV_Template::RefreshRecordState()
{
    return false;
}

int CDV_Template::GetFirmType() const
{
    return 0;
}

int CDV_Template::GetCurrentIndex() const
{
    return m_iNodeIndex;
}

CBidDoc* CDV_Template::GetBidDoc() const
{
    return dynamic_cast<CBidDoc*>(GetDocument());
}

CProp* CDV_Template::GetProp() const
{
    const CBidDoc* doc = GetBidDoc();
    return doc ? doc->GetProp() : nullptr;
}

CWnd* CDV_Template::GetFieldControl(int field) const
{
    return field >= 0 && field < int(m_controls.size()) ? m_controls[size_t(field)].get() : nullptr;
}

int CDV_Template::FieldOfId(UINT id) const
{
    if (id < kFirstFieldId || id > kLastFieldId)
        return -1;
    const int field = int(id - kFirstFieldId);
    return field < int(m_controls.size()) ? field : -1;
}

CFieldInfo* CDV_Template::GetField(int field)
{
    const CWinMeta* form = GetTemplate();
    return form && field >= 0 && field < int(m_controls.size()) ? form->m_fields.GetAtOrNull(field) : nullptr;
}

CCellData* CDV_Template::GetCurrentCell(int field)
{
    CWinMeta* form = GetTemplate();
    if (!form || field < 0 || field >= form->m_fields.GetSize())
        return nullptr;
    // A form of one row for the bidder (bond, miscellaneous data) that came without it gets it,
    // so that nothing typed into it is lost.
    if (form->m_rows.IsEmpty() && GetCurrentIndex() == 0 && GetFirmType() == 0)
        form->AddRow(-1, -1);
    CRowData* row = GetTemplateRecord(-1);
    if (!row)
        return nullptr;
    while (row->m_cells.GetSize() <= field)
        row->m_cells.Add(std::make_unique<CCellData>());
    if (!row->m_cells.GetAt(field)) {
        row->m_cells.DeleteAt(field);
        row->m_cells.InsertAt(field, std::make_unique<CCellData>());
    }
    return row->m_cells.GetAt(field);
}

void CDV_Template::MarkModified()
{
    if (CBidDoc* doc = GetBidDoc())
        doc->SetModifiedFlag();
    if (CProp* prop = GetProp())
        ChangeFlagBit(&prop->m_wFlags, PROP_CHANGED, 1);
}

FormMetrics CDV_Template::Metrics() const
{
    return {m_iCharWidth, m_iCharHeight, m_iLineHeight, m_iBorderX, m_iBorderY, m_iFieldGap};
}

void CDV_Template::OnInitialUpdate()
{
    CDV2::OnInitialUpdate();
    CWinMeta* form = GetTemplate();
    if (!GetProp() || !form)
        return;
    m_formExtent.SetRect(0, 0, 1, 1);
    ExpandRadioGroups(*form);
    const size_t fields = size_t(std::min(form->m_fields.GetSize(), kMaxFields));
    m_controls.clear();
    m_controls.resize(fields);
    m_browseButtons.clear();
    m_browseButtons.resize(fields);
    m_shownSelections.assign(fields, -1);
    LayoutFields(*form);
    const int64_t textHeight = int64_t(m_iLineHeight) * int64_t(form->m_texts.size());
    const int height = int(std::clamp<int64_t>(std::max<int64_t>(m_formExtent.bottom, textHeight), 0, kMaxFormPixels));
    SetScrollSizes(MM_TEXT, CSize(std::max(0, int(m_formExtent.right)), height));
    EnableToolTips();
}

void CDV_Template::EnableToolTips()
{
    m_toolTips = std::make_unique<CToolTipCtrl>();
    if (!m_toolTips->Create(this))
        return;
    m_toolTips->SetMaxTipWidth(kMaxTipWidth);
    for (const auto& control : m_controls)
        if (control)
            m_toolTips->AddTool(control.get(), LPSTR_TEXTCALLBACK, nullptr, control->GetDlgCtrlID());
}

bool CDV_Template::DestroyWindow()
{
    m_toolTips.reset();
    return CDV2::DestroyWindow();
}

CBrush* CDV_Template::OnCtlColor(CDC* dc, CWnd* child, UINT ctlColor)
{
    CBrush* brush = CDV2::OnCtlColor(dc, child, ctlColor);
    // Read-only edits hold values from a linked list: they are grey.
    auto* edit = dynamic_cast<CGreyEdit*>(child);
    if (!edit || !edit->IsReadOnly())
        return brush;
    dc->SetBkColor(edit->GetGreyColor());
    return &edit->GetGreyBrush();
}

void CDV_Template::EnableTemplateControls(bool enable, int keep1, int keep2)
{
    for (int field = 0; field < int(m_controls.size()); ++field) {
        const bool on = field == keep1 || field == keep2 || enable;
        if (CWnd* control = m_controls[size_t(field)].get())
            control->EnableWindow(on);
        if (CWnd* browse = m_browseButtons[size_t(field)].get())
            browse->EnableWindow(on);
    }
}
