#include "controls/grid/GridMaskedEdit.h"

#include "controls/grid/GridCtrl.h"

CGridMaskedEdit::CGridMaskedEdit() = default;

int CGridMaskedEdit::OnCreate(CREATESTRUCT* create)
{
    if (CGridCellEditor::OnCreate(create) == -1)
        return -1;
    // Made as a child of its grid, it edits for that grid, one line scrolling sideways.
    m_grid = dynamic_cast<CGridCtrl*>(GetParent());
    ModifyStyle(0, ES_AUTOHSCROLL);
    return 0;
}

void CGridMaskedEdit::SetMask(const char* mask)
{
    m_mask = CGridMask(mask ? mask : "");
    if (!m_mask.IsOn())
        return;
    SetLimitText(static_cast<UINT>(m_mask.Length()));
    int start = 0, end = 0;
    GetSel(start, end);
    m_programmatic = true;
    SetWindowText(m_mask.Remask(GetWindowText()));
    m_programmatic = false;
    SetSel(start, end);
}

void CGridMaskedEdit::OnSetFocus(CWnd* losing)
{
    SetMask(m_grid ? m_grid->GetEditCell()->GetMask() : nullptr);
    CGridCellEditor::OnSetFocus(losing);
}

void CGridMaskedEdit::TypeProgrammatically(char c)
{
    m_programmatic = true;
    SendMessage(WM_CHAR, static_cast<unsigned char>(c));
    m_programmatic = false;
}

bool CGridMaskedEdit::AcceptsChar(UINT* key)
{
    if (!m_mask.IsOn() || *key < ' ' || *key > 0xFF)
        return true;
    SendMessage(WM_CLEAR);
    int position = 0, end = 0;
    GetSel(position, end);
    // The literals before the next input position go in by themselves (while they can: a full
    // editor takes none).
    while (m_mask.IsLiteralAt(static_cast<std::size_t>(position))) {
        const int before = position;
        TypeProgrammatically(m_mask.LiteralAt(static_cast<std::size_t>(position)));
        GetSel(position, end);
        if (position <= before)
            return false;
    }
    return m_mask.Accepts(static_cast<std::size_t>(position), static_cast<unsigned char>(*key));
}

void CGridMaskedEdit::OnChar(UINT key, UINT repeatCount, UINT flags)
{
    if (m_programmatic) {
        CEdit::OnChar(key, repeatCount, flags);
        return;
    }
    CGridCellEditor::OnChar(key, repeatCount, flags);
}
