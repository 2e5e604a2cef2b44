#pragma once

// Combo boxes (drop-down with an edit field, or drop-list) and list boxes. Indexes are
// 0-based; CB_ERR / LB_ERR (-1) report a missing item. Texts are Windows-1252.
#include "platform/ui/window/Wnd.h"

#include <cstdint>
#include <functional>

using DWORD_PTR = std::uintptr_t;

constexpr DWORD CBS_SIMPLE = 0x0001;
constexpr DWORD CBS_DROPDOWN = 0x0002;
constexpr DWORD CBS_DROPDOWNLIST = 0x0003;
constexpr DWORD CBS_AUTOHSCROLL = 0x0040;
constexpr DWORD CBS_SORT = 0x0100;
constexpr int CB_ERR = -1;
// The dialog item id of an editable combo box's edit part.
constexpr UINT kComboEditId = 1001;

class CEdit;
class QComboBox;

class CComboBox : public CWnd {
public:
    CComboBox();
    ~CComboBox() override;

    int AddString(std::string_view text); // sorted place with CBS_SORT
    int InsertString(int index, std::string_view text); // -1 appends
    int DeleteString(int index); // the count left, or CB_ERR
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index); // -1 clears; no notification; CB_ERR when out of range
    std::string GetLBText(int index) const;
    int GetLBTextLen(int index) const;
    // The first item after startAfter (-1: from the top) equal to text / starting with text,
    // ignoring case, searching round to the start; CB_ERR when none.
    int FindStringExact(int startAfter, std::string_view text) const;
    int FindString(int startAfter, std::string_view text) const;
    void ResetContent();
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const; // CB_ERR cast when out of range
    void LimitText(int maxChars);
    void ShowDropDown(bool show = true);

    std::string GetClassName() const override { return "ComboBox"; }
    void OnSetFocus(CWnd* losing) override;
    void OnKillFocus(CWnd* gaining) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    // An editable box keeps the keys its edit part keeps.
    bool MayKeepFromAccelerators(const QKeyEvent& key) const override;

protected:
    QWidget* CreateWidget(QWidget* parent, DWORD style) override;
    void ConnectWidget() override;
    bool CanAdopt(const QWidget* widget) const override;
    bool PaintsItself() const override { return false; }
    UINT CtlColorKind() const override { return CTLCOLOR_EDIT; }
    void SetWidgetText(const QString& text) override;
    QString WidgetText() const override;

private:
    QComboBox* Box() const;
    bool ValidIndex(int index) const { return index >= 0 && index < GetCount(); }

    std::unique_ptr<CEdit> m_editPart;
};

namespace platform {
// Windows-style search over item texts shared by combo and list boxes.
int FindItem(int count, int startAfter, const QString& text, bool exact,
             const std::function<QString(int)>& itemText);
} // namespace platform
