#pragma once

#include "platform/ui/dialogs/ModalServices.h"

namespace platform {

// The real dialogs of Qt. Each runs its own event loop until the user answers.
class QtModalServices : public ModalServices {
public:
    int MessageBox(const MessageBoxRequest& request) override;
    std::optional<FileDialogResult> FileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFolder(const FolderRequest& request) override;
    std::optional<std::uint32_t> ChooseColor(const ColorRequest& request) override;
    bool PrintDialog(PrintRequest& request) override;
    int RunModal(ModalDialog& dialog, QWidget* parent) override;
    UINT TrackMenu(const MenuRequest& request) override;
};

} // namespace platform
