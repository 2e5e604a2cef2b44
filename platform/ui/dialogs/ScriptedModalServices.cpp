#include "platform/ui/dialogs/ScriptedModalServices.h"

#include "platform/ui/dialogs/PropertySheet.h"
#include "platform/ui/window/Menu.h"
#include "platform/ui/window/Notifications.h"

#include <QPrinter>

namespace platform {
namespace {

int FallbackButton(unsigned type, bool accept)
{
    switch (type & 0x0F) {
    case MB_OK: return IDOK;
    case MB_YESNO: return accept ? IDYES : IDNO;
    case MB_YESNOCANCEL: return accept ? IDYES : IDCANCEL;
    default: return accept ? IDOK : IDCANCEL;
    }
}

// The dialog's OK or Cancel button pressed as the user presses it: a disabled one does nothing,
// and a sheet's pages take the press.
void PressButton(ModalDialog& modal, bool accept)
{
    auto* dialog = dynamic_cast<CDialog*>(&modal);
    if (!dialog)
        return;
    if (auto* sheet = dynamic_cast<CPropertySheet*>(dialog)) {
        if (!accept)
            sheet->OnCancel();
        else if (sheet->IsWizard())
            sheet->PressFinish();
        else
            sheet->PressOK();
        return;
    }
    const int button = accept ? IDOK : IDCANCEL;
    const CWnd* control = dialog->GetDlgItem(UINT(button));
    if (!control || control->IsWindowEnabled())
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(WORD(button), WORD(BN_CLICKED)), 0);
}

} // namespace

void ScriptedModalServices::AnswerFile(std::string path, int filterIndex)
{
    m_answers.emplace_back(FileDialogResult{std::move(path), filterIndex});
}

void ScriptedModalServices::AnswerDialogWith(int result)
{
    m_answers.emplace_back(DialogScript([result](ModalDialog& dialog) { dialog.EndModal(result); }));
}

// The next answer when it is of the asked kind; null for a cancel, a missing or a wrong answer.
template <typename T> const T* ScriptedModalServices::Next(const char* question)
{
    if (m_answers.empty()) {
        m_unexpected.push_back(std::string("unanswered ") + question);
        return nullptr;
    }
    m_current = std::move(m_answers.front());
    m_answers.pop_front();
    if (std::holds_alternative<Cancel>(m_current))
        return nullptr;
    if (const T* answer = std::get_if<T>(&m_current))
        return answer;
    m_unexpected.push_back(std::string("wrong answer for ") + question);
    return nullptr;
}

int ScriptedModalServices::MessageBox(const MessageBoxRequest& request)
{
    m_messageBoxes.push_back(request);
    if (const Fallback* fallback = FallingBack())
        return FallbackButton(request.type, fallback->accept);
    if (const int* result = Next<int>("message box"))
        return *result;
    return (request.type & 0x0F) == MB_YESNO ? IDNO : (request.type & 0x0F) == MB_OK ? IDOK : IDCANCEL;
}

std::optional<FileDialogResult> ScriptedModalServices::FileDialog(const FileDialogRequest& request)
{
    m_fileDialogs.push_back(request);
    if (const Fallback* fallback = FallingBack()) {
        const std::string path = fallback->accept && fallback->file ? fallback->file(request) : std::string();
        return path.empty() ? std::nullopt : std::optional<FileDialogResult>({path, request.filterIndex});
    }
    const FileDialogResult* answer = Next<FileDialogResult>("file dialog");
    if (!answer)
        return std::nullopt;
    FileDialogResult result = *answer;
    // A scripted answer of another type is the user picking that type after typing the name.
    if (request.onTypeChange && result.filterIndex != request.filterIndex) {
        const std::size_t slash = result.path.find_last_of('/');
        const std::string folder = slash == std::string::npos ? std::string() : result.path.substr(0, slash + 1);
        const std::string name = request.onTypeChange(result.filterIndex, result.path.substr(folder.size()));
        if (!name.empty())
            result.path = folder + name;
    }
    return result;
}

std::optional<std::string> ScriptedModalServices::ChooseFolder(const FolderRequest& request)
{
    m_folderRequests.push_back(request);
    if (const Fallback* fallback = FallingBack()) {
        if (!fallback->accept || fallback->folder.empty())
            return std::nullopt;
        return fallback->folder;
    }
    if (const std::string* folder = Next<std::string>("folder chooser"))
        return *folder;
    return std::nullopt;
}

std::optional<std::uint32_t> ScriptedModalServices::ChooseColor(const ColorRequest& request)
{
    if (const Fallback* fallback = FallingBack()) {
        if (!fallback->accept)
            return std::nullopt;
        return request.initial;
    }
    if (const std::uint32_t* color = Next<std::uint32_t>("colour dialog"))
        return *color;
    return std::nullopt;
}

bool ScriptedModalServices::PrintDialog(PrintRequest& request)
{
    ++m_printDialogs;
    std::string pdfPath;
    if (const Fallback* fallback = FallingBack()) {
        if (fallback->accept)
            pdfPath = fallback->printTo;
    } else if (const PrintTo* target = Next<PrintTo>("print dialog")) {
        pdfPath = target->pdfPath;
    }
    if (pdfPath.empty() || !request.printer)
        return false;
    request.printer->setOutputFormat(QPrinter::PdfFormat);
    request.printer->setOutputFileName(QString::fromStdString(pdfPath));
    request.fromPage = request.minPage;
    request.toPage = request.maxPage;
    return true;
}

int ScriptedModalServices::RunModal(ModalDialog& dialog, QWidget* parent)
{
    m_dialogTitles.push_back(dialog.ModalTitle());
    // A copy: the script may ask further questions, which replace the current answer.
    DialogScript script;
    if (const Fallback* fallback = FallingBack()) {
        script = [accept = fallback->accept](ModalDialog& shown) { PressButton(shown, accept); };
    } else if (const DialogScript* queued = Next<DialogScript>(("dialog " + dialog.ModalTitle()).c_str())) {
        script = *queued;
    }
    if (!dialog.CreateModalWindow(parent))
        return -1;
    if (!dialog.HasEnded()) {
        if (script)
            script(dialog);
        if (!dialog.HasEnded())
            dialog.EndModal(IDCANCEL);
    }
    const int result = dialog.ModalResult();
    dialog.DestroyModalWindow();
    return result;
}

UINT ScriptedModalServices::TrackMenu(const MenuRequest& request)
{
    std::vector<std::string> texts;
    const CMenu* menu = request.menu;
    for (int i = 0; menu && i < menu->GetMenuItemCount(); ++i)
        texts.push_back(menu->GetMenuItemID(i) == 0 ? std::string("-")
                                                     : menu->GetMenuString(UINT(i), MF_BYPOSITION));
    m_menus.push_back(std::move(texts));
    if (FallingBack())
        return 0;
    const MenuChoice* choice = Next<MenuChoice>("pop-up menu");
    if (!choice || !menu)
        return 0;
    const UINT state = menu->GetMenuState(choice->command, MF_BYCOMMAND);
    if (state == UINT(-1) || (state & (MF_GRAYED | MF_DISABLED))) {
        m_unexpected.push_back("menu item " + std::to_string(choice->command) + " cannot be chosen");
        return 0;
    }
    if (request.hovered)
        request.hovered(choice->command);
    return choice->command;
}

} // namespace platform
