// Configuration export and import: the option groups shared between installations through an
// INI file.
#include "app/doc/BidDoc.h"
#include "app/startup/BidApp.h"
#include "app/startup/UnsavedSettings.h"
#include "model/settings/OptionSettings.h"
#include "platform/core/SettingsStore.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/window/PathText.h"

#include <filesystem>

namespace {

constexpr const char* kIniFilter = "Ini Files (*.ini)|*.ini|All Files (*.*)|*.*||";

// Whether two names reach the same file, however written.
bool SameFile(const std::string& a, const std::string& b)
{
    if (a.empty() || b.empty())
        return false;
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error))
        return true;
    return std::filesystem::weakly_canonical(a, error) == std::filesystem::weakly_canonical(b, error);
}

std::optional<std::string> AskConfigurationFile(bool open, const std::string& title, const std::string& initialName)
{
    platform::FileDialogRequest request;
    request.open = open;
    request.title = title;
    request.filter = kIniFilter;
    request.defaultExtension = ".ini";
    request.initialName = initialName;
    request.flags = OFN_HIDEREADONLY | (open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    const auto chosen = platform::Modal().FileDialog(request);
    if (!chosen)
        return std::nullopt;
    return chosen->path;
}

void ReportConfiguration(bool done, const std::string& success, const std::string& failure, const std::string& path)
{
    AfxMessageBox((done ? success : failure) + platform::PathForDisplay(path));
}

} // namespace

void CBidDoc::OnExportConfiguration()
{
    CBidApp* app = GetBidApp();
    if (!app)
        return;
    CProfileStore running;
    const auto chosen = AskConfigurationFile(false, "Export Zod Configuration File", app->m_strExportFile);
    if (!chosen)
        return;
    app->m_strExportFile = *chosen;
    if (chosen->empty() || SameFile(*chosen, running.GetFilePath()))
        return;
    ReportConfiguration(ExportConfiguration(running, *chosen), "Configuration successfully exported to file\n",
                        "Could not export configuration to file\n", *chosen);
}

void CBidDoc::OnImportConfiguration()
{
    CBidApp* app = GetBidApp();
    if (!app)
        return;
    const auto chosen = AskConfigurationFile(true, "Import Zod Configuration File", app->m_strConfigFile);
    if (!chosen)
        return;
    app->m_strExportFile = *chosen;
    CProfileStore running;
    if (chosen->empty() || SameFile(*chosen, running.GetFilePath()))
        return;
    ForgetUnsavedSettings();
    ReportConfiguration(LoadOptionSettings(*chosen, &running) == 1, "Configuration successfully read from file\n",
                        "Could not import configuration from file\n", *chosen);
    TellUnsavedSettings();
}
