#pragma once

#include "model/check/BidErrors.h"
#include "platform/ui/dialogs/Dialog.h"

#include <vector>

class CProp;

// The messages of Check Zod, one a line, printable with the proposal's heading. The entries
// belong to the caller's error list, which must outlive the dialog.
class CBidErrors : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDD = 137;
    static constexpr UINT IDC_LIST = 1045;
    static constexpr UINT IDC_PRINT_ERRORS = 1137;

    CBidErrors(const std::vector<CBidError>& errors, const CProp* proposal, CWnd* parent = nullptr);

    bool OnInitDialog() override;
    // The printed list, through the open line printer.
    void PrintErrors();

protected:
    void OnPrintErrors();

private:
    const CProp* m_pProp;
    std::vector<const CBidError*> m_errors;
};
