#pragma once
// Which cells the next paint pass draws, and which joined blocks it has drawn already.
#include <vector>

struct GridRange {
    int startColumn;
    int startRow;
    int endColumn;  // inclusive
    int endRow;     // inclusive

    bool Contains(int column, int row) const
    {
        return column >= startColumn && column <= endColumn && row >= startRow && row <= endRow;
    }
};

class CGridRedrawList {
public:
    void AddRange(int startColumn, int startRow, int endColumn, int endRow);
    void AddCell(int column, int row) { AddRange(column, row, column, row); }
    // Widens the first range (and the bounds) to take in the given range.
    void WidenFirstRange(int startColumn, int startRow, int endColumn, int endRow);

    int IsCellToBePainted(int column, int row) const;
    int WasJoinPainted(int column, int row) const;
    void MarkJoinPainted(int column, int row);

    bool IsEmpty() const { return m_ranges.empty(); }
    const GridRange& GetBounds() const { return m_bounds; }
    const std::vector<GridRange>& GetRanges() const { return m_ranges; }
    void Clear();

private:
    struct Cell {
        int column;
        int row;
    };
    void Widen(const GridRange& range);

    std::vector<GridRange> m_ranges;
    GridRange m_bounds{0, 0, -1, -1};
    std::vector<Cell> m_paintedJoins;
};
