#include "app/forms/DVMisc.h"

#include "app/forms/FormFont.h"
#include "model/records/Prop.h"

IMPLEMENT_DYNCREATE(CDV_Misc, CDV_Template)

void CDV_Misc::CreateFormFont(CFont& font, int sizeDelta, int weight)
{
    CreateFormFontOf(GetTemplate(), font, sizeDelta, weight);
}

CWinMeta* CDV_Misc::GetTemplate()
{
    const CProp* prop = GetProp();
    return prop ? prop->m_miscForms.GetAtOrNull(m_iNodeIndex) : nullptr;
}
