#include "platform/ui/dialogs/Dialog.h"

#include "platform/ui/window/Notifications.h"
#include "platform/ui/window/ScreenFit.h"
#include "platform/ui/window/WinText.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QDialog>

namespace {

// Escape and the close box ask the dialog (OnCancel), which may refuse. A dialog set into another
// window (a sheet's page) leaves Escape, and Return for the default button, to the dialog it is in.
class DialogWidget : public QDialog {
public:
    DialogWidget(CDialog& owner, QWidget* parent) : QDialog(parent), m_owner(owner)
    {
        platform::KeepOnScreen(*this);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && !isWindow())
            event->ignore();
        else
            QDialog::keyPressEvent(event);
    }
    void reject() override
    {
        if (auto* outer = isWindow() ? nullptr : qobject_cast<QDialog*>(window()))
            outer->reject();
        else
            m_owner.OnCancel();
    }
    void accept() override { m_owner.OnOK(); }

private:
    CDialog& m_owner;
};

} // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parentWnd(parent) {}

CDialog::~CDialog()
{
    DestroyModalWindow();
}

void CDialog::SetTitle(std::string title)
{
    m_title = std::move(title);
    if (m_dialog)
        m_dialog->setWindowTitle(platform::ToQString(m_title));
}

bool CDialog::MakeWindow(QWidget* parent, bool modal)
{
    if (m_dialog)
        return false;
    m_dialog = new DialogWidget(*this, parent);
    m_dialog->setModal(modal);
    m_dialog->setWindowTitle(platform::ToQString(m_title));
    m_result = IDCANCEL;
    m_ended = false;
    Attach(m_dialog.data(), m_templateId, true);
    BuildControls(m_dialog.data());
    OnInitDialog();
    return true;
}

int CDialog::DoModal()
{
    QWidget* parent = m_parentWnd ? m_parentWnd->GetWidget() : nullptr;
    return platform::Modal().RunModal(*this, parent);
}

bool CDialog::CreateModalWindow(QWidget* parent)
{
    return MakeWindow(parent, true);
}

bool CDialog::CreateModeless(CWnd* parent)
{
    if (!MakeWindow(parent ? parent->GetWidget() : nullptr, false))
        return false;
    m_dialog->show();
    return true;
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_ended = true;
    if (m_dialog)
        m_dialog->done(result);
}

void CDialog::DestroyModalWindow()
{
    // The dialog's OnDestroy runs, then its controls and its window go.
    DestroyWindow();
}

void CDialog::BuildControls(QDialog* window)
{
    const DialogTemplate* dialogTemplate = platform::FindDialogTemplate(m_templateId);
    if (!dialogTemplate || !window ||
        !platform::CreateDialogFont(*dialogTemplate, m_templateFont, m_font))
        return;
    SetFont(&m_font, false);
    platform::BuiltDialog built = platform::BuildDialogTemplate(*this, *dialogTemplate, m_font);
    m_templateControls = std::move(built.controls);
    window->resize(built.size.cx, built.size.cy);
    if (m_title.empty())
        window->setWindowTitle(platform::ToQString(ModalTitle()));
}

std::string CDialog::ModalTitle() const
{
    if (!m_title.empty())
        return m_title;
    const DialogTemplate* dialogTemplate = platform::FindDialogTemplate(m_templateId);
    return dialogTemplate && dialogTemplate->caption ? dialogTemplate->caption : std::string();
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

bool CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDOK: OnOK(); return true;
        case IDCANCEL: OnCancel(); return true;
        default: break;
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}
