#pragma once

// A view that holds a form: the dialog layout registered under its template id (found by id,
// tab order of the table), and controls the screens make at run time (ids 5000 + n). The form
// grows with the view and scrolls when the view is smaller than it.
#include "platform/ui/dialogs/DialogLayout.h"
#include "platform/ui/docview/ScrollView.h"

class CFormView : public CScrollView {
    DECLARE_DYNAMIC(CFormView)
public:
    explicit CFormView(UINT templateId);
    ~CFormView() override;

    UINT GetTemplateId() const { return m_templateId; }
    // The widget that holds the layout's controls; null before creation.
    QWidget* GetFormWidget() const { return m_form; }

    void OnDraw(CDC*) override {} // the controls draw themselves
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    void LayOutForm();

    UINT m_templateId;
    QWidget* m_form = nullptr;
    platform::ControlList m_controls;
};
