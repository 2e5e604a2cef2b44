#include "app/views/DVLetting.h"

#include "app/doc/BidDoc.h"
#include "app/views/FormTemplates.h"
#include "controls/views/ControlLayout.h"
#include "model/records/Prop.h"
#include "model/text/Dates.h"
#include "platform/ui/controls/Static.h"

IMPLEMENT_DYNCREATE(CDV_Letting, CDV)
IMPLEMENT_DYNCREATE(CDV_Debug, CDV)

namespace {

using namespace dlg;

constexpr DWORD kValue = SS_NOPREFIX | SS_LEFTNOWORDWRAP;

const DialogItemTemplate kLettingItems[] = {
    LText("Letting Date:", 0, 7, 8, 70, 9),
    LText("", CDV_Letting::IDC_LETTING_DATE, 80, 8, 240, 9, kValue),
    LText("Letting Directory:", 0, 7, 22, 70, 9),
    LText("", CDV_Letting::IDC_LETTING_FOLDER, 80, 22, 240, 9, kValue),
    LText("Total Proposals:", 0, 7, 36, 70, 9),
    LText("", CDV_Letting::IDC_PROPOSAL_COUNT, 80, 36, 240, 9, kValue),
};
const DialogTemplate kLettingForm{CDV_Letting::kTemplate, nullptr, 330, 52, kFormFace, kFormPointSize, kLettingItems,
                                  std::size(kLettingItems)};

constexpr int kLettingDateStyle = 0;

} // namespace

CDV_Letting::CDV_Letting() : CDV(RegisterFormTemplate(kLettingForm))
{
    SetControlLayout(IDC_LETTING_FOLDER, LAYOUT_STRETCH_RIGHT);
}

void CDV_Letting::OnInitialUpdate()
{
    InitLayout();
    CDV::OnInitialUpdate();
    LayOutToClient(*this);
    const auto* doc = dynamic_cast<CBidDoc*>(GetDocument());
    const CProp* prop = doc ? doc->GetProp() : nullptr;
    if (!prop)
        return;
    GetDlgItem(IDC_LETTING_DATE)->SetWindowText(FormatDate(prop->m_iLettingDate, kLettingDateStyle));
    GetDlgItem(IDC_PROPOSAL_COUNT)->SetWindowText(std::to_string(doc->m_strLettingFiles.size()));
    GetDlgItem(IDC_LETTING_FOLDER)->SetWindowText(doc->m_strLettingFolder);
}

CDV_Debug::CDV_Debug() : CDV(kTemplate) {}

void CDV_Debug::OnInitialUpdate()
{
    CDV::OnInitialUpdate();
    GetDlgItem(IDC_NOTE)->SetWindowText("Debug Node\r\n\r\nUse this section to view and edit the Data Templates.  "
                                        "Use Ctrl-Enter rather than Enter to add a new line");
}
