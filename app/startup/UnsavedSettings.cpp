#include "app/startup/UnsavedSettings.h"

#include "app/startup/BidApp.h"
#include "platform/core/SettingsStore.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/window/PathText.h"

void ForgetUnsavedSettings()
{
    CProfileStore::TakeWriteFailure();
}

void TellUnsavedSettings()
{
    const std::optional<SettingsWriteFailure> failure = CProfileStore::TakeWriteFailure();
    if (!failure)
        return;
    // A file that stays unwritable would otherwise be reported at every OK and again at the exit.
    CBidApp* app = GetBidApp();
    if (app && !app->m_toldSettingsFailures.emplace(failure->path, failure->reason).second)
        return;
    AfxMessageBox("Settings could not be saved to " + platform::PathForDisplay(failure->path) + ": " +
                      failure->reason,
                  MB_ICONEXCLAMATION);
}
