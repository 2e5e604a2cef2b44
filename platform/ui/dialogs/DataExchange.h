#pragma once

// Dialog data exchange: DoDataExchange names, control by control, the members that hold their
// values; UpdateData moves them one way or the other. A value that does not pass stops the
// exchange: the user is told, the control gets the focus, and UpdateData answers false.
#include "platform/ui/window/Wnd.h"

#include <string>

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, bool saveAndValidate);

    // The control with that id, noted as the one a failure points at; null when missing.
    CWnd* PrepareCtrl(UINT id);
    // Tells the user (Windows-1252 text), focuses the last prepared control, stops the exchange.
    void Fail(const std::string& message);
    bool Failed() const { return m_failed; }
    CWnd* LastControl() const { return m_last; }

    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate;

private:
    CWnd* m_last = nullptr;
    bool m_failed = false;
};

void DDX_Text(CDataExchange* dx, UINT id, std::string& value);
void DDX_Text(CDataExchange* dx, UINT id, int& value);
void DDX_Text(CDataExchange* dx, UINT id, double& value);
// Check boxes: 0, 1 or 2 (indeterminate).
void DDX_Check(CDataExchange* dx, UINT id, int& value);
// The group of radio buttons starting at id (up to the next WS_GROUP): the index of the checked
// one, -1 for none.
void DDX_Radio(CDataExchange* dx, UINT id, int& value);
void DDX_CBIndex(CDataExchange* dx, UINT id, int& index);
void DDX_CBString(CDataExchange* dx, UINT id, std::string& value);
void DDX_LBIndex(CDataExchange* dx, UINT id, int& index);
// After the DDX_Text it checks: no more than count characters.
void DDV_MaxChars(CDataExchange* dx, const std::string& value, int count);
