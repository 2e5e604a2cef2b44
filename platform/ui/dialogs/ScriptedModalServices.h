#pragma once

#include "platform/ui/dialogs/ModalServices.h"

#include <deque>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace platform {

// Answers modal questions from a queue, in the order asked, and records every question.
// A question with no answer queued (or an answer of the wrong kind) is recorded in Unexpected()
// and answered as if the user cancelled, unless a fallback answers every such question.
class ScriptedModalServices : public ModalServices {
public:
    // What a modal dialog does while "shown": it may fill controls and press buttons. When it
    // leaves the dialog open, the run ends as cancelled.
    using DialogScript = std::function<void(ModalDialog&)>;
    struct Cancel {};
    struct PrintTo { std::string pdfPath; }; // accept the print dialog, printing to that PDF

    void AnswerMessageBox(int result) { m_answers.emplace_back(result); }
    void AnswerFile(std::string path, int filterIndex = 1);
    void AnswerFolder(std::string path) { m_answers.emplace_back(std::move(path)); }
    void AnswerColor(std::uint32_t color) { m_answers.emplace_back(color); }
    void AnswerPrint(std::string pdfPath) { m_answers.emplace_back(PrintTo{std::move(pdfPath)}); }
    void AnswerDialog(DialogScript script) { m_answers.emplace_back(std::move(script)); }
    void AnswerDialogWith(int result); // ends the dialog with that result, pressing nothing
    void AnswerCancel() { m_answers.emplace_back(Cancel{}); }
    // Chooses the item with that command in the next pop-up menu; an item that is missing or
    // disabled cannot be chosen (recorded in Unexpected(), nothing chosen).
    void AnswerMenu(UINT command) { m_answers.emplace_back(MenuChoice{command}); }

    // Answers every question asked while no answer is queued, for a test that walks through
    // many commands without knowing what each asks. Accepting is OK or Yes and a dialog's OK
    // button; declining is the answer that stops: Cancel (No when there is no Cancel) and a
    // dialog's Cancel button. A pop-up menu chooses nothing.
    struct Fallback {
        bool accept = false;
        std::function<std::string(const FileDialogRequest&)> file; // accepted: the file; "" cancels
        std::string folder;  // accepted: the folder chosen; "" cancels
        std::string printTo; // accepted: the PDF a print dialog prints to; "" cancels
    };
    void AnswerEveryQuestion(Fallback fallback) { m_fallback = std::move(fallback); }
    void StopAnsweringEveryQuestion() { m_fallback.reset(); }

    int MessageBox(const MessageBoxRequest& request) override;
    std::optional<FileDialogResult> FileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFolder(const FolderRequest& request) override;
    std::optional<std::uint32_t> ChooseColor(const ColorRequest& request) override;
    bool PrintDialog(PrintRequest& request) override;
    int RunModal(ModalDialog& dialog, QWidget* parent) override;
    UINT TrackMenu(const MenuRequest& request) override;

    const std::vector<MessageBoxRequest>& MessageBoxes() const { return m_messageBoxes; }
    const std::vector<FileDialogRequest>& FileDialogs() const { return m_fileDialogs; }
    const std::vector<FolderRequest>& FolderRequests() const { return m_folderRequests; }
    const std::vector<std::string>& DialogTitles() const { return m_dialogTitles; }
    // The texts of each pop-up menu shown, separators as "-".
    const std::vector<std::vector<std::string>>& MenusShown() const { return m_menus; }
    int PrintDialogsShown() const { return m_printDialogs; }
    const std::vector<std::string>& Unexpected() const { return m_unexpected; }
    bool AllAnswered() const { return m_answers.empty() && m_unexpected.empty(); }

private:
    struct MenuChoice { UINT command; };
    using Answer = std::variant<int, FileDialogResult, std::string, std::uint32_t, PrintTo,
                                DialogScript, Cancel, MenuChoice>;
    template <typename T> const T* Next(const char* question);
    const Fallback* FallingBack() const { return m_answers.empty() && m_fallback ? &*m_fallback : nullptr; }

    std::deque<Answer> m_answers;
    Answer m_current;
    std::vector<MessageBoxRequest> m_messageBoxes;
    std::vector<FileDialogRequest> m_fileDialogs;
    std::vector<FolderRequest> m_folderRequests;
    std::vector<std::string> m_dialogTitles;
    std::vector<std::vector<std::string>> m_menus;
    int m_printDialogs = 0;
    std::vector<std::string> m_unexpected;
    std::optional<Fallback> m_fallback;
};

} // namespace platform
