#pragma once
// An in-place editor with an optional input mask, taken from the edit cell of the control it
// edits for. Applications derive their own editors from it.
#include "controls/grid/GridEdit.h"
#include "controls/grid/GridMask.h"

class CGridMaskedEdit : public CGridCellEditor {
public:
    CGridMaskedEdit();

    // Null or empty switches the mask off.
    void SetMask(const char* mask);
    bool IsMaskOn() const { return m_mask.IsOn(); }

    void OnSetFocus(CWnd* losing) override;
    void OnChar(UINT key, UINT repeatCount, UINT flags) override;

protected:
    int OnCreate(CREATESTRUCT* create) override;
    bool AcceptsChar(UINT* key) override;

private:
    void TypeProgrammatically(char c);

    CGridMask m_mask;
    bool m_programmatic = false;
};
