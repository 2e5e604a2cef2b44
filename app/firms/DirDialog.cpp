#include "app/firms/DirDialog.h"

#include "platform/core/Files.h"
#include "platform/core/Paths.h"
#include "platform/ui/dialogs/ModalServices.h"

#include <filesystem>
#include <system_error>

namespace {

// The root as the dialog answers paths: absolute.
std::string AbsoluteFolder(const std::string& folder)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
    return error ? folder : absolute.lexically_normal().string();
}

} // namespace

bool CDirDialog::DoBrowse()
{
    if (!m_strRootFolder.empty() && !platform::IsDirectory(m_strRootFolder))
        return false;
    platform::FolderRequest request;
    request.title = m_strTitle.empty() ? "Open" : m_strTitle;
    request.initialFolder = m_strSelectedFolder;
    request.rootFolder = m_strRootFolder.empty() ? std::string() : AbsoluteFolder(m_strRootFolder);
    const std::optional<std::string> chosen = platform::Modal().ChooseFolder(request);
    // Only a folder on disk, within the root, is a choice.
    if (!chosen || !platform::IsDirectory(*chosen))
        return false;
    if (!request.rootFolder.empty() && !platform::IsWithinFolder(*chosen, request.rootFolder))
        return false;
    m_strPath = *chosen;
    return true;
}
