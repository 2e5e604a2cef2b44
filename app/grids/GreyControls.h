#pragma once

// The edit and combo box of the template-driven forms. Their form paints them grey while they
// are read-only; Tab and Enter typed in them go to the form as Tab, so that the form moves on to
// its next field.
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/draw/GdiObjects.h"

#include <string>
#include <vector>

class CGreyEdit : public CEdit {
public:
    static constexpr COLORREF kGrey = 0xE0E0E0;

    CGreyEdit();

    // Without a border of its own; a sunken client edge instead.
    bool Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent,
                UINT id) override;
    void OnChar(UINT key, UINT repeatCount, UINT flags) override;
    // Tab must reach OnChar: the form, not the toolkit's focus chain, knows which field is next.
    UINT OnGetDlgCode() override;

    CBrush& GetGreyBrush() { return m_greyBrush; }
    COLORREF GetGreyColor() const { return m_crGrey; }
    // Texts kept beside the control; the list grows to an index set. Indexes run 0 to 32767.
    void SetListText(int index, const std::string& text);
    std::string GetListText(int index) const;

private:
    CBrush m_greyBrush;
    COLORREF m_crGrey = kGrey;
    std::vector<std::string> m_listTexts;
};

class CGreyComboBox : public CComboBox {
public:
    void OnChar(UINT key, UINT repeatCount, UINT flags) override;
    UINT OnGetDlgCode() override;
};
