#pragma once
// The sheet's multiple selection: rectangular blocks of cells, each started by a click or
// key and extended by dragging or Shift.
#include <vector>

class CGridCtrl;
class CGridRedrawList;

// Mode bits.
enum : int {
    GRID_SELECT_CELLS = 1,
    GRID_SELECT_ROWS = 2,          // each block spans every column
    GRID_SELECT_FIRST_DECIDES = 16  // the first block holding a cell answers for it
};

// Kinds of input that move the current cell.
enum : int {
    GRID_INPUT_KEYBOARD = 0,
    GRID_INPUT_LEFT_BUTTON = 1,
    GRID_INPUT_RIGHT_BUTTON = 2,
    GRID_INPUT_DRAG = 3,
    GRID_INPUT_SCROLL_BAR = 4
};

class CGridSelectionList {
public:
    explicit CGridSelectionList(CGridCtrl* grid = nullptr) : m_grid(grid) {}
    void SetGrid(CGridCtrl* grid) { m_grid = grid; }

    int StartBlock(int column, int row);
    int ExtendBlock(int column, int row);
    // The selected flag of the block holding the cell (0 when none), and its index.
    int IsSelected(int column, int row, int* blockIndex = nullptr) const;
    // The start cell of the latest block while selecting; 1 otherwise.
    int GetCurrentCell(int* column, int* row) const;
    int Clear();
    int SetMode(int mode);
    int GetMode() const { return m_mode; }
    bool IsActive() const { return (m_mode & (GRID_SELECT_CELLS | GRID_SELECT_ROWS)) != 0; }
    int GetBlockCount() const { return m_blockCount; }
    void SetAnchor(int column, int row)
    {
        m_anchorColumn = column;
        m_anchorRow = row;
    }
    int GetAnchorColumn() const { return m_anchorColumn; }
    int GetAnchorRow() const { return m_anchorRow; }

    int GetBoundingRange(int* left, int* top, int* right, int* bottom) const;
    int RepaintSelection(CGridRedrawList& list) const;
    int FirstSelectedCell(int* column, int* row);
    int NextSelectedCell(int* column, int* row);

    // How the selection follows a move of the current cell to (column, row); the key
    // flags are MK_SHIFT and MK_CONTROL.
    int ReactToMove(int column, int row, int inputKind, unsigned keyFlags);

private:
    struct Block {
        int startColumn;
        int currentColumn;
        int startRow;
        int currentRow;
        int left;
        int right;
        int top;
        int bottom;
        int selected;

        bool Holds(int column, int row) const
        {
            return column >= left && column <= right && row >= top && row <= bottom;
        }
    };

    bool IsRowMode() const { return (m_mode & GRID_SELECT_ROWS) != 0; }
    int ColumnCount() const;
    void SpanBlock(Block& block) const;
    void RedrawChangedCells(const Block& before, const Block& after) const;
    void RepaintAndClear();
    void StartAfterClearing(int column, int row);
    int ScanFrom(int column, int row, int* foundColumn, int* foundRow);

    std::vector<Block> m_blocks;  // the last one is the block being extended
    int m_anchorColumn = -1;
    int m_anchorRow = -1;
    int m_selecting = 0;
    int m_mode = 0;
    int m_blockCount = 0;
    int m_blockPending = 0;
    int m_enumLeft = 0;
    int m_enumTop = 0;
    int m_enumRight = -1;
    int m_enumBottom = -1;
    int m_enumColumn = 0;
    int m_enumRow = 0;
    int m_enumerating = 0;
    CGridCtrl* m_grid;
    int m_lastClickedColumn = -1;
    int m_lastClickedRow = -1;
    int m_startColumn = -1;
    int m_startRow = -1;
};
