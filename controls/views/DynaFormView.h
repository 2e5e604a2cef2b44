#pragma once

// A form view over a painted background, made from its dialog template with the form's own
// font, whose controls take matching colours and move or stretch as the view is resized.
#include "controls/views/ColoredViewCore.h"
#include "platform/ui/docview/FormView.h"

#include <string>

class CDynaFormView : public CColoredViewOf<CFormView> {
    DECLARE_DYNAMIC(CDynaFormView)
public:
    explicit CDynaFormView(UINT templateId);

    // The font the form is made with; an empty face keeps the template's. Set before Create.
    void SetFormFont(std::string face, int pointSize);

    // Made from the template with the form font; a style of 0 is a visible child with a border.
    bool Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                CWnd* parent, UINT id, CCreateContext* context) override;

    // A control's layout flags, before InitLayout; they win over the markers.
    void SetControlLayout(int controlId, int flags) { m_core.Layout().SetRule(controlId, flags); }
    // Mode 0 turns the layout off; marker ids of -1 are 4000 to 4004.
    int InitLayout(int mode = 1, int marker1 = -1, int marker2 = -1, int marker3 = -1,
                   int marker4 = -1, int marker5 = -1);
    const CControlLayout& GetControlLayout() { return m_core.Layout(); }

private:
    std::string m_strFontFace;
    int m_iFontSize = 8;
};
