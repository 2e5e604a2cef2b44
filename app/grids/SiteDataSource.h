#pragma once

// The site grid's data source: the proposal's sites read into the grid's cells (two rows a
// site), and the number of days the bidder enters for the sites whose days are the bidder's.
#include "app/grids/ProposalSource.h"
#include "controls/grid/GridCell.h"

#include <array>

class CSite;
class CSiteGrid;

class CSiteDataSource : public CProposalSource {
public:
    // Logical columns.
    enum : int { COL_SITE, COL_TYPE, COL_COST, COL_DAYS, COL_TOTAL, kColumns };

    int RowCount() override;
    int ColumnCount() override { return kColumns; }
    int ReadCell(int column, int row, CGridCell* cell) override;
    int WriteCell(int column, int row, CGridCell* cell) override;

    void SetupCells() override;
    std::optional<TypedEntry> ReadTypedEntry(int column, int row, std::string_view text) override;

private:
    CSiteGrid& Grid() const;
    void ReadFirstRow(int column, CSite& site, int index, CGridCell* cell);
    void SetCellColor(CGridCell* cell, int index, bool editable) const;

    // First rows by logical column (0-4), second rows at 5 + place.
    std::array<CGridCell, 2 * kColumns> m_siteCells;
    std::array<CGridCell, kColumns> m_headingCells;
};
