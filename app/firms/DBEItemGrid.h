#pragma once

// The firm item grid: the proposal's items with a "Use?" box each, in the upper pane of the firm
// item splitter. The form in the lower pane follows the grid's cursor.
#include "app/firms/DBEItemDataSource.h"
#include "controls/grid/GridCtrl.h"

class CBidTreeView;
class CFirmItemPane;
class CProp;

class CDBEItemGrid : public CGridCtrl {
public:
    // Once, after the grid took its place on the form: the grid's settings and its cells.
    void Setup(CProp* prop, int firmIndex);
    // On every resize of the view, with its new width: widths by weight, filling a wide view.
    void SizeColumns(int width);
    // The form in the lower pane of the splitter that holds the grid's view; null when there is
    // none (or it is not a firm item form).
    CFirmItemPane* GetFirmItemView() const;

    CDBEItemDataSource& GetDataSource() { return m_dataSource; }

    // The data source stored a commitment on the row: the row shows it, the document is
    // modified and the proposal tree's marks follow at once.
    void OnCommitmentStored(int row);
    // The firm's items changed (one was committed or taken back): the firm's item nodes in the
    // proposal tree follow.
    void OnFirmItemsChanged();

    void OnCurrentRowChanged(int oldRow, int newRow) override;
    // The cursor leaves the item only once the form below has stored what was typed in it.
    int OnCanMoveCell(int oldColumn, int oldRow, int newColumn, int newRow) override;

private:
    int AverageCharWidth();
    // The proposal tree beside the splitter that holds the grid's view; null when there is none.
    CBidTreeView* GetTreeView() const;

    CDBEItemDataSource m_dataSource;
};
