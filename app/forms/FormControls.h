#pragma once

// The edit and the combo box of an agency form's fields. Tab and Enter in them ask the form for
// its next field (a WM_CHAR Tab to the parent), so the form decides the order and wraps round
// within itself. The edit also keeps the texts of a linked list beside it.
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"

#include <string>
#include <vector>

class CFormEdit : public CEdit {
public:
    // Stores the text at the index, growing the list to it.
    void SetListText(int index, std::string text);
    // A copy of the text at the index; empty past the list.
    std::string GetListText(int index) const;
    int GetListCount() const { return int(m_listTexts.size()); }

    UINT OnGetDlgCode() override;
    void OnChar(UINT charCode, UINT repeatCount, UINT flags) override;

private:
    std::vector<std::string> m_listTexts;
};

class CFormComboBox : public CComboBox {
public:
    UINT OnGetDlgCode() override;
    void OnChar(UINT charCode, UINT repeatCount, UINT flags) override;
};

// Tab and Enter go to the parent as a Tab; true when the character was one of them.
bool PassTabToParent(CWnd& control, UINT charCode);
