#pragma once

// What the item grid and the site grid share. Each shows its records two grid rows apiece (row
// 2i the values, row 2i+1 the description under them); the bidder moves between the cells that
// take an entry with the cursor keys, Tab and Enter, and types into them. The columns can be
// dragged to another place: the first rows and the headings follow an order table, the second
// rows keep their places. The current record's rows are highlighted.
#include "controls/grid/GridCtrl.h"

#include <vector>

class CGridHost;
class CProp;
class CProposalEditCtl;
class CProposalSource;
struct TypedEntry;

class CProposalGrid : public CGridCtrl {
public:
    // Posted to the grid as the current row changes: the new record in wParam, the old in lParam.
    static constexpr UINT WM_CURRENT_RECORD = 1049;
    static constexpr UINT kEditorId = 125;

    // The column weights give the logical columns' shares of the width.
    CProposalGrid(CProposalSource& source, CProposalEditCtl& editor, std::vector<int> weights);
    ~CProposalGrid() override;

    void SetProposal(CProp* prop);
    CProp* GetProposal() const { return m_pProp; }

    // The logical column shown in a display column (0 outside them), and the first display
    // column that shows a logical column (0 when none does).
    int GetLogicalColumn(int displayColumn) const;
    int GetDisplayColumn(int logicalColumn) const;
    // The record the cursor is on; -1 before it moved.
    int GetCurrentRecord() const { return m_iCurrent; }

    // Width 0, or one over 50 average characters, shares the client width out by weight;
    // otherwise each column is its weight in average characters.
    void SizeColumns(int width);
    // A typed entry being edited is stored (or refused) now.
    void EndEditing();
    // The cell refused the entry: the bidder is told in a message box, then the cell is the
    // current one and the keyboard the grid's again (closing the box gives it back to nothing).
    void TellRefusal(const TypedEntry& entry, int column, int row);
    // A stored value changes cells only: they are painted again, the headings and scroll bars
    // stay as they are.
    void RedrawCells();

    void OnGridSetup() override;
    void OnCurrentRowChanged(int oldRow, int newRow) override;
    void OnCellLeftClick(int column, int row, int down, RECT* rect, POINT* point, int processed) override;
    void OnGridKeyDown(UINT* key, int processed) override;
    void OnGridChar(UINT* key, int processed) override;
    void OnDataSourceNotice(CGridDataSource* source, int message, intptr_t parameter) override;
    int OnEditBegin(int column, int row, CWnd** editor) override;
    int OnEditEnd(int column, int row, CWnd* editor, const std::string& text, int cancelled) override;
    int MoveColumn(int fromColumn, int toColumn, int before) override;

    CProposalSource& GetSource() const { return m_source; }

protected:
    // The cell that Up, Down, Tab and Enter go to from the current row: false when there is none.
    virtual bool FindNextEntryCell(int* column, int* row, bool backwards) = 0;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CGridHost* Host() const;
    void InvalidateRow(int row);
    void GoToNextEntry(bool backwards);
    int AverageCharWidth();

    CProposalSource& m_source;
    CProposalEditCtl& m_editor;
    std::vector<int> m_weights;
    std::vector<int> m_columnOrder;
    int m_iCurrent = -1;
    CProp* m_pProp = nullptr;
};
