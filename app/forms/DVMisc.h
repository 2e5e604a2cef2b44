#pragma once

// One of the agency's miscellaneous data forms: the form whose position the node gives, always
// its first row, in the form's own font.
#include "app/forms/TemplateView.h"

class CDV_Misc : public CDV_Template {
    DECLARE_DYNCREATE(CDV_Misc)
public:
    void CreateFormFont(CFont& font, int sizeDelta, int weight) override;
    CWinMeta* GetTemplate() override;
    int GetCurrentIndex() const override { return 0; }
};
