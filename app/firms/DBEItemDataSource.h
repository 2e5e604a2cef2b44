#pragma once

// The cells of the firm item grid: every row of the proposal's item list, sections as bands,
// items with a "Use?" box that commits the item to the firm. An item the firm committed to
// shows the firm's quantity, price and amount; any other item what is left of it for the kind.
#include "controls/grid/GridCell.h"
#include "controls/grid/GridDataSource.h"

#include <array>
#include <string>
#include <vector>

class CDBEItemGrid;
class CDBEItem;
class CItem;
class CProp;

// The colour at `step` of `steps` from top to bottom, each channel in a straight line; the step
// is held within 0..steps.
COLORREF GridGradientColor(COLORREF top, COLORREF bottom, int step, int steps);

class CDBEItemDataSource : public CGridDataSource {
public:
    static constexpr int kColumnCount = 8;
    enum Column : int { USE, LINE, ITEM, QUANTITY, UNIT, UNIT_PRICE, EXTENSION, DESCRIPTION };

    // Fonts, proposal, firm, rows (one per item, the row map an identity) and the colour depth.
    void SetupCells(CDBEItemGrid* grid, CProp* prop, int firmIndex);
    void SetFirmType(int firmType) { m_iFirmType = firmType; }
    int GetFirmType() const { return m_iFirmType; }
    int GetFirmIndex() const { return m_iFirmIndex; }
    int GetDataFont() const { return m_iDataFont; }

    // The item a row shows (its index in the item list); -1 for a row of no item.
    int ItemOfRow(int row) const;

    int RowCount() override;
    int ColumnCount() override;
    int ReadCell(int column, int row, CGridCell* cell) override;
    // Only the "Use?" box of an item row is written: ticked commits the item, cleared removes it.
    int WriteCell(int column, int row, CGridCell* cell) override;

    // The heading texts, which the screen may rename.
    std::array<std::string, kColumnCount> m_strHeadings{"Use?",      "Line",       "Item",      "Quantity",
                                                        "Unit",      "Unit Price", "Extension", "Description"};

private:
    enum Kind : int { HEADING, ITEM_ROW, SECTION_ROW };

    void Format(int column, int row, Kind kind, CGridCell* cell) const;
    COLORREF BackColor(int row, Kind kind) const;
    void ReadSectionCell(int column, const CItem& section, CGridCell* cell) const;
    void ReadItemCell(int column, int index, const CItem& item, CGridCell* cell) const;
    // The quantity, unit price and amount an item row shows, in the units shown.
    struct Shown {
        double quantity;
        double unitPrice;
        double extension;
        std::string unit;
    };
    Shown ShownValues(const CItem& item, const CDBEItem* entry) const;
    std::string Money(double value, int format) const;

    CGridCell m_cell;
    CDBEItemGrid* m_pGrid = nullptr;
    CProp* m_pProp = nullptr;
    int m_iFirmIndex = 0;
    int m_iDataFont = -1;
    int m_iBoldFont = -1; // section rows and headings
    int m_iRowCount = 0;
    std::vector<int> m_rowToItem;
    bool m_bManyColors = false;
    int m_iFirmType = 1;
};
