#pragma once

// The item grid's data source: the proposal's schedule of items read into the grid's cells
// (two rows an item, section rows between), and what the bidder enters stored back: unit
// prices, quantities where the agency leaves them to the bidder, and "Use this item".
#include "app/grids/ProposalSource.h"
#include "controls/grid/GridCell.h"

#include <array>

class CItem;
class CItemGrid;

class CBidDataSource : public CProposalSource {
public:
    // Logical columns.
    enum : int { COL_LINE, COL_ITEM, COL_QUANTITY, COL_UNIT, COL_UNIT_PRICE, COL_EXTENSION, kColumns };
    // The place of "Use this item" in a fixed-price item's second row.
    static constexpr int kUseColumn = 4;

    int RowCount() override;
    int ColumnCount() override { return kColumns; }
    int ReadCell(int column, int row, CGridCell* cell) override;
    int WriteCell(int column, int row, CGridCell* cell) override;

    void SetupCells() override;
    std::optional<TypedEntry> ReadTypedEntry(int column, int row, std::string_view text) override;

private:
    CItemGrid& Grid() const;
    void SetupItemCells(CFont* section);
    void SetupJoins();
    void ReadFirstRow(int column, const CItem& item, int index, CGridCell* cell);
    void ReadSecondRow(int column, const CItem& item, int index, CGridCell* cell);
    void ReadSectionRow(int column, int row, const CItem& item, CGridCell* cell);
    void SetCellColor(CGridCell* cell, const CItem& item, int index, bool editable) const;

    // First rows by logical column (0-5), second rows at 8 + place (8-13) and the fixed-price
    // item's two description cells (14, 15).
    std::array<CGridCell, 16> m_itemCells;
    // First row by place (0-5), second row at 6 + place.
    std::array<CGridCell, 12> m_sectionCells;
    std::array<CGridCell, kColumns> m_headingCells;
    CGridCell m_checkCell;
};
