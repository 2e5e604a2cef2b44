// Saving the proposal, and the copy to a removable medium offered afterwards.
#include "app/doc/BidDoc.h"

#include "app/doc/DocDialogs.h"
#include "app/startup/BidApp.h"
#include "model/files/TvbFile.h"
#include "model/records/Prop.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/window/KeyboardReturn.h"
#include "platform/ui/window/PathText.h"
#include "platform/ui/window/Wnd.h"

namespace {

// Removable media are mounted for the user under these folders.
constexpr const char* kRemovableMediaRoots[] = {"/media/", "/run/media/"};

bool IsOnRemovableMedium(const std::string& path)
{
    for (const char* root : kRemovableMediaRoots)
        if (path.rfind(root, 0) == 0)
            return true;
    return false;
}

} // namespace

bool CBidDoc::OnSaveDocument(const std::string& path)
{
    // A field being edited stores its value first; the keys then go on where they were.
    const platform::KeyboardReturn keyboardBack;
    if (CWnd* main = AfxGetMainWnd())
        main->SetFocus();
    if (!m_pProp) {
        AfxMessageBox("No proposal is open: nothing was saved to " + platform::PathForDisplay(path) + ".",
                      MB_ICONEXCLAMATION);
        return false;
    }
    std::string overflow;
    std::string fileError;
    const int result = SaveTvbFile(*m_pProp, path, &overflow, &fileError);
    if (result != kTvbNoError) {
        // Not saved: the document stays modified and the caller learns it. What the file system
        // refused names the file and the reason.
        std::string text = fileError.empty()
                               ? GetTvbFileErrorText(result, false) + "\n\n" + platform::PathForDisplay(path)
                               : platform::PathForDisplay(fileError);
        if (!overflow.empty())
            text += "\n\nThe proposal has " + overflow + ".";
        AfxMessageBox(text, MB_ICONEXCLAMATION);
        return false;
    }
    CDocument::OnSaveDocument(path);
    CBidApp* app = GetBidApp();
    if (app && app->m_bFloppySave && !IsOnRemovableMedium(path))
        app->m_bFloppySave = OfferRemovableCopy(path);
    return true;
}
