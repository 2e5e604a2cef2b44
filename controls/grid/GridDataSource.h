#pragma once
// The interface through which a grid reads and writes every cell it shows. Results are
// 0 for done, non-zero for not done; -1 means the source does not support the operation.
#include <string>

class CGridCell;
class CGridCtrl;
class CWnd;

class CGridDataSource {
public:
    CGridDataSource() = default;
    CGridDataSource(const CGridDataSource&) = delete;
    CGridDataSource& operator=(const CGridDataSource&) = delete;

    virtual ~CGridDataSource();
    virtual int RowCount();
    virtual int ColumnCount();
    virtual int AppendRow();
    virtual int InsertRowAt(int row);
    virtual int AppendColumn();
    virtual int InsertColumnAt(int column);
    virtual int DeleteRowAt(int row);
    virtual int DeleteColumnAt(int column);
    virtual int ClearCell(int column, int row);
    virtual int RemoveAllData();
    virtual int ReadCell(int column, int row, CGridCell* cell);
    virtual int WriteCell(int column, int row, CGridCell* cell);
    virtual int FindFirst(const std::string& text, int* column, int* row, int flags);
    virtual int FindNext(const std::string& text, int* column, int* row, int flags);
    virtual int SortByColumns(const int* columns, int count, int flags);
    virtual int SortByColumn(int column, int flags);
    // A move targets a row at or past the row count; the source may add rows and set *flag.
    virtual int OnPastLastRow(int rowCount, int rowsMissing, int* flag);
    virtual void OnCurrentRowChanged(int oldRow, int newRow);
    virtual void OnCurrentColumnChanged(int oldColumn, int newColumn);
    // Anything but 1 refuses the move.
    virtual int OnCanMoveCell(int oldColumn, int oldRow, int newColumn, int newRow);
    virtual int OnEditBegin(int column, int row, CWnd** editor);
    virtual int OnEditEnd(int column, int row, CWnd* editor, const std::string& text, int cancelled);
    virtual int OnEditNextCell(int column, int row, int* newColumn, int* newRow);
    virtual int FindPreviousFilledCell(int* column, int row);

    void SetGrid(CGridCtrl* grid) { m_grid = grid; }
    CGridCtrl* GetGrid() const { return m_grid; }
    void SetId(int id) { m_id = id; }
    int GetId() const { return m_id; }

private:
    CGridCtrl* m_grid = nullptr;
    int m_id = -1;
};
