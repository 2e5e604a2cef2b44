#include "app/dialogs/Signatures.h"

#include "app/startup/BidApp.h"
#include "platform/core/Codepage.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/window/PathText.h"

#include <algorithm>

namespace {

constexpr const char* kIdFilter = "ID Files (*.asc)|*.asc|All Files (*.*)|*.*||";
constexpr const char* kIdExtension = ".asc";

// The identity as a file name: angle brackets become round ones; a slash would name a folder.
std::string SuggestedFileName(std::string identity)
{
    std::replace(identity.begin(), identity.end(), '<', '(');
    std::replace(identity.begin(), identity.end(), '>', ')');
    std::replace(identity.begin(), identity.end(), '/', '_');
    std::replace(identity.begin(), identity.end(), '\\', '_');
    return platform::Cp1252ToUtf8(identity);
}

platform::FileDialogRequest IdFileRequest(bool open, const char* title)
{
    platform::FileDialogRequest request;
    request.open = open;
    request.title = title;
    request.filter = kIdFilter;
    request.defaultExtension = kIdExtension;
    request.flags = open ? OFN_HIDEREADONLY : OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return request;
}

// A paragraph of a message: its heading and its lines, nothing when there are none.
std::string Paragraph(const char* heading, const std::vector<std::string>& lines)
{
    if (lines.empty())
        return {};
    std::string text = std::string("\n\n") + heading;
    for (const std::string& line : lines)
        text += "\n" + line;
    return text;
}

bool DeleteWarningWanted()
{
    const auto* app = dynamic_cast<const CBidApp*>(AfxGetApp());
    return !app || app->m_bDeleteWarn;
}

} // namespace

BEGIN_MESSAGE_MAP(CSignatures, CDialog)
    ON_BN_CLICKED(IDC_DELETE_ID, OnDeleteId)
    ON_BN_CLICKED(IDC_EXPORT_ID, OnExportId)
    ON_BN_CLICKED(IDC_IMPORT_ID, OnImportId)
END_MESSAGE_MAP()

CSignatures::CSignatures(CWnd* parent, KeysOpener openKeys) : CDialog(IDD, parent), m_openKeys(std::move(openKeys)) {}

bool CSignatures::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_pCrypto = m_openKeys();
    if (m_pCrypto->GetError() != 0) {
        AfxMessageBox("Cannot Initialize Digital ID module: \n\n" + m_pCrypto->GetUserErrorMessage(),
                      MB_OK | MB_ICONEXCLAMATION);
        EndDialog(IDCANCEL);
        return true;
    }
    FillList();
    return true;
}

void CSignatures::OnDestroy()
{
    m_pCrypto.reset();
    CDialog::OnDestroy();
}

bool CSignatures::FillList()
{
    std::vector<std::string> identities;
    if (m_pCrypto->ListKeysById("", identities) != 0) {
        AfxMessageBox("Cannot Get keylist \n\n" + m_pCrypto->GetErrorText(), MB_OK | MB_ICONEXCLAMATION);
        EndDialog(IDCANCEL);
        return false;
    }
    m_identities = std::move(identities);
    auto* list = dynamic_cast<CListBox*>(GetDlgItem(IDC_LIST));
    if (!list)
        return true;
    list->ResetContent();
    for (const std::string& identity : m_identities)
        list->AddString(identity);
    return true;
}

const std::string* CSignatures::SelectedIdentity() const
{
    const auto* list = dynamic_cast<const CListBox*>(GetDlgItem(IDC_LIST));
    const int selected = list ? list->GetCurSel() : LB_ERR;
    return selected >= 0 && std::size_t(selected) < m_identities.size() ? &m_identities[std::size_t(selected)]
                                                                        : nullptr;
}

void CSignatures::OnDeleteId()
{
    const std::string* identity = SelectedIdentity();
    if (!identity)
        return;
    if (DeleteWarningWanted() &&
        ZodMessageBox("Are you sure you want to delete this ID\n" + *identity + " ?", "Delete Warning",
                      MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    // A failed delete leaves the list as it is, without a word.
    if (m_pCrypto->DeleteKey(*identity) != 0)
        return;
    const auto index = identity - m_identities.data();
    m_identities.erase(m_identities.begin() + index);
    if (auto* list = dynamic_cast<CListBox*>(GetDlgItem(IDC_LIST)))
        list->DeleteString(int(index));
}

void CSignatures::OnExportId()
{
    const std::string* identity = SelectedIdentity();
    if (!identity)
        return;
    platform::FileDialogRequest request = IdFileRequest(false, "Export Digital ID");
    // Offered with its extension: the e-mail's dot would otherwise pass for one.
    request.initialName = SuggestedFileName(*identity) + kIdExtension;
    const std::optional<platform::FileDialogResult> chosen = platform::Modal().FileDialog(request);
    if (!chosen || chosen->path.empty())
        return;
    if (m_pCrypto->ExportKey(*identity, chosen->path) != 0)
        AfxMessageBox("Could not export key:\n" + m_pCrypto->GetErrorText(), MB_OK | MB_ICONEXCLAMATION);
    else
        AfxMessageBox("Key Successfully exported to file:\n" + platform::PathForDisplay(chosen->path),
                      MB_OK | MB_ICONINFORMATION);
    m_pCrypto->ClearError();
}

void CSignatures::OnImportId()
{
    const std::optional<platform::FileDialogResult> chosen =
        platform::Modal().FileDialog(IdFileRequest(true, "Import Digital ID"));
    if (!chosen || chosen->path.empty())
        return;
    m_pCrypto->UseCurrentFolder();
    // GnuPG takes a file's keys one by one: a failure may have left some in the key rings.
    if (m_pCrypto->ImportKeyFile(chosen->path) != 0)
        AfxMessageBox("Could not import key:\n" + m_pCrypto->GetErrorText()
                          + Paragraph("Refused by GnuPG:", m_pCrypto->ImportRefusals())
                          + Paragraph("Imported before the failure:", m_pCrypto->KeysImportedBeforeFailure()),
                      MB_OK | MB_ICONEXCLAMATION);
    else
        AfxMessageBox("Key Successfully imported from file:\n" + platform::PathForDisplay(chosen->path),
                      MB_OK | MB_ICONINFORMATION);
    m_pCrypto->ClearError();
    FillList();
}
