#pragma once

// The grid of the option pages: a plain table of texts under a row of column headings, edited
// in place, whose rows the page's buttons insert, delete and move. Its sizes are fixed; a new
// width fits the columns to it.
#include "controls/grid/GridCtrl.h"

#include <string>
#include <vector>

class CPropertyPage;

class COptionsCommonGrid : public CGridCtrl {
public:
    COptionsCommonGrid() = default;

    // Columns with their headings and widths (before fitting), and the number of rows.
    void SetColumns(const std::vector<std::pair<const char*, int>>& columns);
    // Every cell of the row, trimmed of blanks and tabs; as many as there are columns.
    std::vector<std::string> RowTexts(int row);
    void SetRowTexts(int row, const std::vector<std::string>& texts);
    // Makes the rows as many as needed and fills them from the top; the rest are emptied.
    void FillRows(const std::vector<std::vector<std::string>>& rows, int minimumRows);

    // An edit still open (OK pressed with the editor up) hands its text to the grid.
    void FinishEdit();

    // The buttons' actions on the current row.
    virtual void InsertRowAtCurrent();
    void DeleteCurrentRow();
    // direction -1 exchanges the row with the one above, 1 with the one below.
    void MoveCurrentRow(int direction);

    int m_bEditable = 1;

    void OnGridSetup() override;
    int OnCanSizeColumn(int column) override;
    int OnCanSizeRow(int row) override;
    int OnCanSizeTopHeading() override;
    int OnCanSizeSideHeading() override;
    void OnRowHeadingLeftClick(int column, int row, int down, RECT* rect, POINT* point, int processed) override;
    void OnCellDoubleClick(int column, int row, RECT* rect, POINT* point, int processed) override;
    void OnGridChar(UINT* key, int processed) override;
    int OnEditEnd(int column, int row, CWnd* editor, const std::string& text, int cancelled) override;

protected:
    void OnSize(UINT type, int cx, int cy) override;
    // The page the grid stands on; null before it is placed on one.
    CPropertyPage* OwnerPage() const;
    void FitColumns();

private:
    void RowCountChanged();
};
