#include "platform/ui/dialogs/ScriptedModalServices.h"

#include <QPrinter>

namespace platform {

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
    if (const int* result = Next<int>("message box"))
        return *result;
    return (request.type & 0x0F) == MB_YESNO ? IDNO : (request.type & 0x0F) == MB_OK ? IDOK : IDCANCEL;
}

std::optional<FileDialogResult> ScriptedModalServices::FileDialog(const FileDialogRequest& request)
{
    m_fileDialogs.push_back(request);
    if (const FileDialogResult* result = Next<FileDialogResult>("file dialog"))
        return *result;
    return std::nullopt;
}

std::optional<std::string> ScriptedModalServices::ChooseFolder(const FolderRequest&)
{
    if (const std::string* folder = Next<std::string>("folder chooser"))
        return *folder;
    return std::nullopt;
}

std::optional<std::uint32_t> ScriptedModalServices::ChooseColor(const ColorRequest&)
{
    if (const std::uint32_t* color = Next<std::uint32_t>("colour dialog"))
        return *color;
    return std::nullopt;
}

bool ScriptedModalServices::PrintDialog(PrintRequest& request)
{
    ++m_printDialogs;
    const PrintTo* target = Next<PrintTo>("print dialog");
    if (!target || !request.printer)
        return false;
    request.printer->setOutputFormat(QPrinter::PdfFormat);
    request.printer->setOutputFileName(QString::fromStdString(target->pdfPath));
    request.fromPage = request.minPage;
    request.toPage = request.maxPage;
    return true;
}

int ScriptedModalServices::RunModal(ModalDialog& dialog, QWidget* parent)
{
    m_dialogTitles.push_back(dialog.ModalTitle());
    // A copy: the script may ask further questions, which replace the current answer.
    const DialogScript* queued = Next<DialogScript>(("dialog " + dialog.ModalTitle()).c_str());
    const DialogScript script = queued ? *queued : DialogScript();
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

} // namespace platform
