#pragma once

#include "platform/ui/dialogs/Dialog.h"

#include <functional>
#include <string>
#include <vector>

// Lets the user pick one member of a TVL library (those matching the pattern) and extracts it
// beside the library. The chosen name is then the extracted file's path; it stays empty when
// nothing was picked or the member could not be extracted.
class CTVLLoad : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDD = 164;
    static constexpr UINT IDC_LIST = 1045;

    explicit CTVLLoad(CWnd* parent = nullptr);

    bool OnInitDialog() override;
    void OnOK() override;

    std::string m_strLibraryPath;
    std::string m_strChosenName;
    std::string m_strPattern;
    std::string m_strTitle;
    // Asked about the member chosen before anything is written beside the library or asked of the
    // user; one it refuses ends the dialog as cancelled. Without it every member is taken.
    std::function<bool(const std::string& member)> m_acceptMember;

protected:
    void OnDblClkList() { OnOK(); }

private:
    void FillList();
    // Extracts the member beside the library; false when the user would rather keep a file of
    // that name that is there already.
    bool ExtractMember(const std::string& member);

    std::vector<std::string> m_members; // the names listed, as the library holds them
};

// Tells that the library could not be read on after the member (Windows-1252, as the library
// holds it), which was extracted whole all the same.
void TellDamageAfterMember(const std::string& libraryPath, const std::string& member);
