#include "app/doc/DocDialogs.h"

#include "app/dialogs/AmendmentChangesDialog.h"
#include "app/dialogs/BidErrors.h"
#include "app/dialogs/BidderID.h"
#include "app/dialogs/FloppySaveDlg.h"
#include "app/dialogs/TVLLoad.h"
#include "platform/core/Files.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/docview/WinApp.h"
#include "platform/ui/window/PathText.h"

std::optional<std::string> ChooseLibraryMember(const std::string& libraryPath, const std::string& pattern,
                                               const std::string& title,
                                               std::function<bool(const std::string& member)> accept)
{
    CTVLLoad dialog(AfxGetMainWnd());
    dialog.m_strLibraryPath = libraryPath;
    dialog.m_strPattern = pattern;
    dialog.m_strTitle = title;
    dialog.m_acceptMember = std::move(accept);
    if (dialog.DoModal() != IDOK || dialog.m_strChosenName.empty())
        return std::nullopt;
    return dialog.m_strChosenName;
}

void ShowAmendmentChanges(CProp& prop)
{
    CAmendmentChangesDialog dialog(&prop, AfxGetMainWnd());
    dialog.DoModal();
}

void ShowBidErrors(CProp& prop)
{
    CBidErrors dialog(GetBidErrorList(), &prop, AfxGetMainWnd());
    dialog.DoModal();
}

std::optional<std::string> AskBidderID(const std::string& agency, bool allowCancel)
{
    CBidderID dialog(allowCancel, AfxGetMainWnd());
    dialog.m_strAgency = agency;
    if (dialog.DoModal() != IDOK)
        return std::nullopt;
    return dialog.m_strBidderID;
}

bool OfferRemovableCopy(const std::string& savedPath)
{
    CFloppySaveDlg dialog;
    dialog.DoModal();
    if (!dialog.m_strDrive.empty()) {
        const std::size_t slash = savedPath.rfind('/');
        const std::string target = dialog.m_strDrive + "/" + savedPath.substr(slash == std::string::npos ? 0 : slash + 1);
        std::string error;
        if (!platform::CopyFile(savedPath, target, &error))
            AfxMessageBox("The file could not be copied to " + platform::PathForDisplay(target) + ":\n" + error,
                          MB_ICONEXCLAMATION);
    }
    return dialog.m_bAskAgain != 0;
}
