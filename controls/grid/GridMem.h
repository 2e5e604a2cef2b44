#pragma once
// The data source that keeps cells in memory: every sheet's built-in source, so a grid that
// registers no source of its own stores its cells here. Only written cells take memory, but
// every row up to the furthest one written, and every cell of a row up to its furthest one,
// count as present (empty) when rows and columns are inserted and deleted. Negative columns
// hold the row-heading cells, negative rows the column-heading cells.
#include <map>
#include <memory>
#include <vector>

#include "controls/grid/GridDataSource.h"

class CGridMem : public CGridDataSource {
public:
    CGridMem();
    ~CGridMem() override;

    int AppendRow() override;
    int InsertRowAt(int row) override;
    int AppendColumn() override;
    int InsertColumnAt(int column) override;
    int DeleteRowAt(int row) override;
    int DeleteColumnAt(int column) override;
    int ClearCell(int column, int row) override;
    int RemoveAllData() override;
    int ReadCell(int column, int row, CGridCell* cell) override;
    int WriteCell(int column, int row, CGridCell* cell) override;
    int FindFirst(const std::string& text, int* column, int* row, int flags) override;
    int FindNext(const std::string& text, int* column, int* row, int flags) override;
    int SortByColumns(const int* columns, int count, int flags) override;
    int SortByColumn(int column, int flags) override;
    int FindPreviousFilledCell(int* column, int row) override;

private:
    struct Row {
        std::map<int, std::unique_ptr<CGridCell>> cells;
        int nodeCount = 0;  // columns 0 .. nodeCount - 1 are present
    };

    bool HasRowNode(int row) const { return m_hasRows && row >= m_firstRow && row <= m_lastRow; }
    const CGridCell* StoredCell(const Row* row, int column) const;
    const Row* FindRow(int row) const;
    void ShiftRows(int from, int by);
    int RowCountForSearch() const;
    int ColumnCountForSearch() const;
    bool StepSearch(int& column, int& row, int flags, int rows, int columns) const;
    bool Matches(int column, int row, const std::string& needle, int flags) const;
    int CompareRows(const Row& first, const Row& second, const int* columns, int count, int flags) const;
    void MergeSortRows(std::vector<Row*>& rows, const int* columns, int count, int flags) const;

    std::map<int, Row> m_rows;
    bool m_hasRows = false;
    int m_firstRow = 0;
    int m_lastRow = -1;
};
