#pragma once

// The editor of the proposal's grids. Tab and Enter (backwards with Shift), Up and Down go on
// to the next cell that takes an entry, as the grid finds it; when there is none the edit ends
// there. What the bidder typed is read before the edit ends: text the cell refuses is not
// stored, the cell keeps its value and the bidder is told, however the edit was left.
#include "controls/grid/GridMaskedEdit.h"

class CProposalEditCtl : public CGridMaskedEdit {
public:
    void SetLogicalColumn(int column) { m_iLogicalColumn = column; }
    int GetLogicalColumn() const { return m_iLogicalColumn; }

    // Ends the edit now, as leaving the cell would.
    void FinishEntry();

    void OnKeyDown(UINT key, UINT repeatCount, UINT flags) override;
    void OnKillFocus(CWnd* gaining) override;

protected:
    // Where editing goes on from the cell being edited: false when nowhere.
    virtual bool FindNextEntry(bool backwards, int* column, int* row) = 0;

private:
    void MoveToNextEntry(bool backwards);

    int m_iLogicalColumn = 0;
};
