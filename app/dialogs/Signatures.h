#pragma once

#include "app/dialogs/DigitalIdKeys.h"
#include "platform/ui/dialogs/Dialog.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The Digital IDs dialog: the keys of the bidder's key rings, to delete, export to an armoured
// ".asc" file or import from one. The key rings are open while the dialog is.
class CSignatures : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDD = 142;
    static constexpr UINT IDC_LIST = 1045;
    static constexpr UINT IDC_DELETE_ID = 302;
    static constexpr UINT IDC_IMPORT_ID = 1057;
    static constexpr UINT IDC_EXPORT_ID = 1058;

    using KeysOpener = std::function<std::unique_ptr<CDigitalIdKeys>()>;

    explicit CSignatures(CWnd* parent = nullptr, KeysOpener openKeys = OpenDigitalIdKeys);

    bool OnInitDialog() override;
    void OnDestroy() override;

protected:
    void OnDeleteId();
    void OnExportId();
    void OnImportId();

private:
    // Lists the keys again; false (the user told, the dialog ended) when they cannot be listed.
    bool FillList();
    // The identity of the selected key; null without a selection.
    const std::string* SelectedIdentity() const;

    std::unique_ptr<CDigitalIdKeys> m_pCrypto;
    KeysOpener m_openKeys;
    std::vector<std::string> m_identities; // as listed
};
