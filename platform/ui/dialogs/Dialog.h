#pragma once

#include "platform/ui/dialogs/DialogTemplate.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/draw/GdiObjects.h"
#include "platform/ui/window/Wnd.h"

#include <QPointer>

#include <optional>

#include <QDialog>

// A dialog window made from the template of its id. Modal runs go through the modal services,
// so that tests answer them; a modeless dialog is made with CreateModeless and lives until
// DestroyWindow. OnInitDialog moves the members into the controls (DoDataExchange) and OnOK
// back, refusing to close while a value does not pass.
class CDialog : public CWnd, public platform::ModalDialog {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    ~CDialog() override;

    virtual int DoModal(); // IDOK, IDCANCEL or the EndDialog result; -1 when it cannot show
    bool CreateModeless(CWnd* parent = nullptr);
    void EndDialog(int result);

    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    UINT GetTemplateId() const { return m_templateId; }
    // Another font than the template's, set before the window is made.
    void SetTemplateFont(DialogFont font) { m_templateFont = std::move(font); }

    // Modal run protocol.
    bool CreateModalWindow(QWidget* parent) override;
    QDialog* ModalWindow() override { return m_dialog.data(); }
    int ModalResult() const override { return m_result; }
    bool HasEnded() const override { return m_ended; }
    void EndModal(int result) override { EndDialog(result); }
    void DestroyModalWindow() override;
    std::string ModalTitle() const override; // the template's caption unless one was set

    void SetTitle(std::string title);

protected:
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Another template, before the window is made (a dialog that comes in two forms).
    void SetTemplateId(UINT templateId) { m_templateId = templateId; }
    // Puts the dialog's controls into its window: the template registered under its id.
    virtual void BuildControls(QDialog* window);

private:
    bool MakeWindow(QWidget* parent, bool modal);

    UINT m_templateId;
    CWnd* m_parentWnd;
    std::string m_title;
    // Guarded: a page's window may go with the sheet that holds it.
    QPointer<QDialog> m_dialog;
    int m_result = IDCANCEL;
    bool m_ended = false;
    std::optional<DialogFont> m_templateFont;
    CFont m_font;
    platform::ControlList m_templateControls;
};
