#pragma once

#include "platform/ui/controls/ComboBox.h"

constexpr DWORD LBS_NOTIFY = 0x0001;
constexpr DWORD LBS_SORT = 0x0002;
constexpr DWORD LBS_MULTIPLESEL = 0x0008;
constexpr DWORD LBS_EXTENDEDSEL = 0x0800;
constexpr int LB_ERR = -1;

class QListWidget;

// A list box. With LBS_NOTIFY the parent hears of selection changes and double clicks made by
// the user.
class CListBox : public CWnd {
public:
    int AddString(std::string_view text);
    int InsertString(int index, std::string_view text);
    int DeleteString(int index);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index); // single-selection lists; no notification
    int GetSel(int index) const; // > 0 when selected
    int SetSel(int index, bool select = true); // multiple-selection lists; -1 means all
    int GetSelCount() const;
    std::string GetText(int index) const;
    int FindStringExact(int startAfter, std::string_view text) const;
    int FindString(int startAfter, std::string_view text) const;
    void ResetContent();
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;

    std::string GetClassName() const override { return "ListBox"; }

protected:
    QWidget* CreateWidget(QWidget* parent, DWORD style) override;
    void ConnectWidget() override;
    bool CanAdopt(const QWidget* widget) const override;
    bool PaintsItself() const override { return false; }
    UINT CtlColorKind() const override { return CTLCOLOR_LISTBOX; }

private:
    QListWidget* List() const;
    bool ValidIndex(int index) const { return index >= 0 && index < GetCount(); }
    bool m_programmatic = false; // selection changes made by the program are not announced
};
