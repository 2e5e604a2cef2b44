#pragma once

#include "platform/ui/window/WinTypes.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class CMenu;
class QDialog;
class QPrinter;
class QWidget;

// Message box buttons, icons and answers, with the values the program's callers were written for.
enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_ICONSTOP = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
};
#ifndef ZOD_DIALOG_RESULTS
#define ZOD_DIALOG_RESULTS
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };
#endif

// File dialog flags the callers pass.
enum : unsigned {
    OFN_READONLY = 0x1,
    OFN_OVERWRITEPROMPT = 0x2,
    OFN_HIDEREADONLY = 0x4,
    OFN_FILEMUSTEXIST = 0x1000,
};

namespace platform {

struct MessageBoxRequest {
    std::string text;    // Windows-1252 bytes, as every text handed to the services
    std::string caption;
    unsigned type = MB_OK;
};

struct FileDialogRequest {
    bool open = true;              // false: a save dialog
    std::string title;
    std::string filter;            // "Text (*.txt)|*.txt|All Files|*.*||"
    int filterIndex = 1;           // 1-based, as the callers count
    std::string defaultExtension;  // without or with the dot: added to a name that has none
    std::string initialName;       // may hold a folder
    std::string initialFolder;
    unsigned flags = 0;
    // The user picked another file type (1-based): the name to show in the name box instead of
    // the one typed there (Windows-1252), or "" to leave it.
    std::function<std::string(int filterIndex, const std::string& typedName)> onTypeChange;
};

struct FileDialogResult {
    std::string path;
    int filterIndex = 1;
};

struct FolderRequest {
    std::string title;
    std::string initialFolder;
    std::string rootFolder{}; // when set, only it and the folders below it can be chosen
};

struct ColorRequest {
    std::uint32_t initial = 0;                       // 0x00BBGGRR
    std::array<std::uint32_t, 16>* customColors = nullptr; // kept by the caller between runs
};

struct PrintRequest {
    QPrinter* printer = nullptr; // set up by the dialog on OK
    bool pageNumbers = false;    // offer a page range
    int minPage = 1;
    int maxPage = 1;
    int fromPage = 1;            // out, when pageNumbers
    int toPage = 1;
};

// A pop-up menu shown at a screen point; the answer is the chosen command, 0 for none.
struct MenuRequest {
    const CMenu* menu = nullptr;
    int x = 0;
    int y = 0;
    QWidget* parent = nullptr;
    std::function<void(UINT)> hovered; // fly-by prompts; 0 when the menu closes
};

// Anything that runs modally: a dialog or a property sheet.
class ModalDialog {
public:
    virtual ~ModalDialog() = default;
    // Makes the window and runs its initialisation; false when it cannot be shown.
    virtual bool CreateModalWindow(QWidget* parent) = 0;
    virtual QDialog* ModalWindow() = 0;
    virtual int ModalResult() const = 0;     // IDCANCEL until ended otherwise
    virtual bool HasEnded() const = 0;
    virtual void EndModal(int result) = 0;
    virtual void DestroyModalWindow() = 0;
    virtual std::string ModalTitle() const = 0;
};

// Every modal question the program asks goes through here, so that tests can answer it.
class ModalServices {
public:
    virtual ~ModalServices() = default;
    virtual int MessageBox(const MessageBoxRequest& request) = 0;
    virtual std::optional<FileDialogResult> FileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> ChooseFolder(const FolderRequest& request) = 0;
    virtual std::optional<std::uint32_t> ChooseColor(const ColorRequest& request) = 0;
    virtual bool PrintDialog(PrintRequest& request) = 0;
    virtual int RunModal(ModalDialog& dialog, QWidget* parent) = 0;
    virtual UINT TrackMenu(const MenuRequest& request) = 0;
};

// The services in use: the Qt dialogs unless a test installed others.
ModalServices& Modal();

// Installs services for its lifetime, restoring the previous ones afterwards.
class ScopedModalServices {
public:
    explicit ScopedModalServices(ModalServices& services);
    ~ScopedModalServices();
    ScopedModalServices(const ScopedModalServices&) = delete;
    ScopedModalServices& operator=(const ScopedModalServices&) = delete;

private:
    ModalServices* m_previous;
};

} // namespace platform

// The program's own message box: the application's name as caption.
int AfxMessageBox(const std::string& text, unsigned type = MB_OK);
// A message box with its own caption.
int ZodMessageBox(const std::string& text, const std::string& caption, unsigned type = MB_OK);
