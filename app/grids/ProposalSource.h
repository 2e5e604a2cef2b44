#pragma once

// What the item and site grids' data sources share: the proposal they read and write, the grid
// they serve, the colours of the current row, and the reading of a typed entry, which the editor
// asks for before it lets an edit end.
#include "model/entry/TypedEntry.h"
#include "controls/grid/GridDataSource.h"
#include "platform/ui/window/WinTypes.h"

#include <functional>
#include <optional>
#include <string_view>

class CProp;
class CProposalGrid;

class CProposalSource : public CGridDataSource {
public:
    void SetProposal(CProp* prop) { m_pProp = prop; }
    CProp* GetProposal() const { return m_pProp; }
    void SetProposalGrid(CProposalGrid* grid);

    // Fonts, cell templates and the current row's colour; once, when the grid is set up.
    virtual void SetupCells() = 0;
    // What storing the text in the cell would take or refuse; none for a cell that takes no
    // typed entry.
    virtual std::optional<TypedEntry> ReadTypedEntry(int column, int row, std::string_view text) = 0;

protected:
    // The fonts are the grid's: "MS Sans Serif" of height 12 (the grid's default) and of 14 bold.
    int AddDefaultFont();
    int AddBoldFont();
    void TakeColors();
    // The text of a first-row cell read as a typed entry: refused with a message (1), or given
    // to store and followed by AfterStoredChange (0).
    int WriteTypedEntry(int column, int row, const CGridCell& cell, const std::function<void(double)>& store);
    // After every stored change: the bid recalculated and checked, the whole grid redrawn, and
    // the grid's host told.
    void AfterStoredChange();

    CProp* m_pProp = nullptr;
    CProposalGrid* m_pGrid = nullptr;
    COLORREF m_crHighlight = 0;
    bool m_bManyColors = true;
};
