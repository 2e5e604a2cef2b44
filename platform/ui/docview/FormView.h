#pragma once

// A view that holds a form: the controls of the dialog template registered under its id, placed
// as the template says (found by id, tab order of the table), or controls the screens make at
// run time (ids 5000 + n). The form's size is the template's; the view scrolls when smaller.
#include "platform/ui/dialogs/DialogTemplate.h"
#include "platform/ui/docview/ScrollView.h"
#include "platform/ui/draw/GdiObjects.h"

#include <optional>

class CFormView : public CScrollView {
    DECLARE_DYNAMIC(CFormView)
public:
    explicit CFormView(UINT templateId);
    ~CFormView() override;

    UINT GetTemplateId() const { return m_templateId; }
    // Another font than the template's, set before the window is made.
    void SetTemplateFont(DialogFont font) { m_templateFont = std::move(font); }

    void OnDraw(CDC*) override {} // the controls draw themselves
    int OnCreate(CREATESTRUCT* create) override;
    // A form is the colour of a dialog, as its controls expect.
    bool OnEraseBkgnd(CDC* dc) override;

private:
    UINT m_templateId;
    std::optional<DialogFont> m_templateFont;
    CFont m_font;
    platform::ControlList m_controls;
};
