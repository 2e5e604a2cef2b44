#pragma once

#include "platform/ui/dialogs/Dialog.h"

class CListBox;
class CProp;

// What the amendment files of an opening changed, read from the change log by category, and
// printable with the proposal's heading.
class CAmendmentChangesDialog : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDD = 136;
    static constexpr UINT IDC_LIST = 1045;
    static constexpr UINT IDC_PRINT = 1138;

    explicit CAmendmentChangesDialog(const CProp* proposal, CWnd* parent = nullptr);

    bool OnInitDialog() override;
    // The printed report, through the open line printer.
    void PrintChanges();

protected:
    void OnPrint();

private:
    CListBox* m_pList = nullptr;
    const CProp* m_pProp;
};
