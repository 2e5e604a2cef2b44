#pragma once
// The grid control: a window made of sections (cell area, headings, corner button, scroll
// bars, sheet tabs), per-sheet settings, registered cell types, fonts and data sources, and
// a table of hooks the application overrides.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/grid/GridCell.h"
#include "controls/grid/GridCellType.h"
#include "controls/grid/GridPtrList.h"
#include "platform/ui/draw/GdiObjects.h"
#include "platform/ui/window/Menu.h"
#include "platform/ui/window/Wnd.h"

class CDC;
class CFindReplaceDialog;
class CGridArea;
class CGridCnrBtn;
class CGridDataSource;
class CGridEdit;
class CGridHint;
class CGridHScroll;
class CGridRedrawList;
class CGridSideHdg;
class CGridTab;
class CGridTopHdg;
class CGridVScroll;
class CScrollBar;
struct CGridInfo;
struct GridRange;

// Sections, numbered like the control's child windows.
enum : int {
    GRID_SECTION_CELLS = 1,
    GRID_SECTION_TOP_HEADING = 2,
    GRID_SECTION_SIDE_HEADING = 3,
    GRID_SECTION_CORNER = 4,
    GRID_SECTION_HSCROLL = 5,
    GRID_SECTION_VSCROLL = 6,
    GRID_SECTION_TABS = 7
};

// Built-in cell types, always at these indices.
enum : int { GRID_CELLTYPE_NORMAL = 0, GRID_CELLTYPE_DROPLIST = 1, GRID_CELLTYPE_CHECKBOX = 2, GRID_CELLTYPE_ARROW = 3 };

// BestFitColumns: measure the column-heading rows too.
constexpr int GRID_BESTFIT_HEADINGS = 0x2;

class CGridCtrl : public CWnd {
public:
    static constexpr int kMaxColumns = 32000;
    static constexpr int kUniformRowsAbove = 64000;
    static constexpr int kMaxSheets = 1024;
    static constexpr int kMaxBandSize = 1024;
    static constexpr int kMaxHeadingRows = 64;
    static constexpr int kEditorId = 123;

    CGridCtrl();
    ~CGridCtrl() override;

    // Creation: as a window of its own (children clipped), or in place of a dialog's control.
    bool Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                CWnd* parent, UINT id) override;
    int AttachToDialogItem(UINT id, CWnd* parent);

    // Sheets.
    int SetNumberSheets(int count);
    int GetNumberSheets() const { return static_cast<int>(m_sheets.size()); }
    int SetSheetNumber(int index, int redraw = 1);
    int GetSheetNumber() const { return m_currentSheet; }
    CGridInfo* GetGridInfo() const { return m_sheets[m_currentSheet].get(); }

    // Cells.
    int GetCell(int column, int row, CGridCell* cell);
    int SetCell(int column, int row, CGridCell* cell);
    int ReadDataSourceCell(int column, int row, CGridCell* cell);
    int QuickSetText(int column, int row, const char* text);
    int QuickGetText(int column, int row, std::string* text);
    int QuickSetLabelText(int column, int row, const char* text);
    int QuickSetCellType(int column, int row, int type);
    int QuickSetCellTypeEx(int column, int row, int style);
    int GetHeadingDefaultCell(CGridCell* cell) const;

    // Counts and sizes: 0 when done, small positive codes for bad arguments.
    int SetColumnCount(int count, int redraw = 1);
    int SetRowCount(int count, int redraw = 1);
    int InsertRow(int row);
    int DeleteRow(int row);
    int GetColumnCount() const;
    int GetRowCount() const;
    int GetCurrentColumn() const;
    int GetCurrentRow() const;
    int GetColumnWidth(int column) const;
    int GetColumnWidth(int column, int* width) const;
    int SetColumnWidth(int column, int width);
    int GetRowHeight(int row) const;
    int SetRowHeight(int row, int height);
    int SetDefaultRowHeight(int height);
    int SetUniformRowHeight(int flag);
    int SetTopHeadingRowCount(int count);
    int SetTopHeadingRowHeight(int row, int height);
    int SetTopHeadingHeight(int height);
    int SetSideHeadingWidth(int width);
    int SetHScrollHeight(int height);
    int LockColumns(int count);
    int LockRows(int count);
    int BestFitColumns(int firstColumn, int lastColumn, int rowLimit, int flags);
    int FitColumnsToWidth(int firstColumn, int lastColumn);
    int SizeGridToDataSource(int index);

    // Modes and appearance.
    int SetCurrentCellMode(int mode);
    int SetHighlightRow(int flag);
    int SetMultiSelectMode(int mode);
    int EnableColumnMove(int flag);
    int EnableGridLines(int flag);
    int SetVScrollMode(int mode);
    int SetHScrollMode(int mode);
    int SetPaintMode(int flag);

    // Fonts, cell types and data sources.
    int AddFont(const char* face, int height, int weight);
    int AddFont(int height, int width, int escapement, int orientation, int weight, int italic,
                int underline, int strikeOut, int charSet, int outPrecision, int clipPrecision,
                int quality, int pitchAndFamily, const char* face);
    CFont* GetFont(int index) const;
    int SetDefaultFont(int index);
    int AddCellType(CGridCellType* type);
    CGridCellType* GetCellType(int index) const;
    int AddDataSource(CGridDataSource* source);
    int SetDefaultDataSource(int index);
    CGridDataSource* GetDataSource(int index) const;

    // Redrawing and layout.
    void RedrawAll();
    void RedrawRow(int row);
    void RedrawRange(int column1, int row1, int column2, int row2);
    void RedrawCell(int column, int row);
    void RecalcLayout();
    void SetLayoutOnly(int flag) { m_layoutOnly = flag; }
    bool IsLayingOut() const { return m_layoutDepth > 0; }

    // The sections, for the code that works with them.
    CGridArea* GetCellArea() const { return m_cellArea.get(); }
    CGridTopHdg* GetTopHeading() const { return m_topHeading.get(); }
    CGridSideHdg* GetSideHeading() const { return m_sideHeading.get(); }
    CGridCnrBtn* GetCornerButton() const { return m_cornerButton.get(); }
    CGridVScroll* GetVScroll() const { return m_vScroll.get(); }
    CGridHScroll* GetHScroll() const { return m_hScroll.get(); }
    CGridTab* GetTab() const { return m_tab.get(); }
    CGridHint* GetHint() const { return m_hint.get(); }
    CGridEdit* GetDefaultEditor() const { return m_editor.get(); }
    CPen* GetWhitePen() { return &m_whitePen; }
    CPen* GetShadowPen() { return &m_shadowPen; }

    // The end of every change of current cell, left column or top row: selection,
    // notices to the default source and the hooks, sections brought up to date.
    void CompleteMove();

    // Moves of the current cell and of the view: 0 when done or nothing needed doing, 1 for a
    // bad target, 2 when the data source or a hook refused.
    int GotoCell(int column, int row);
    int GotoRow(int row);
    int GotoColumn(int column);
    int SetTopRow(int row);
    int SetLeftColumn(int column);
    // Actions: 0 one back, 1 one forward, 2 a page back, 3 a page forward, 4 the first, 5 the last.
    int MoveCurrentRow(int action);
    int MoveCurrentColumn(int action);
    int MoveTopRow(int action);
    int MoveLeftColumn(int action);
    int GetTopRow() const;
    int GetLeftColumn() const;

    // The multiple selection.
    int ClearSelections();
    int SelectRange(int startColumn, int startRow, int endColumn, int endRow);
    int FirstSelectedCell(int* column, int* row);
    // A press on the cell that is current already still starts (or extends) a block.
    void SelectCurrentByPress(unsigned keyFlags);

    // Geometry in the coordinates of the section that shows the cell; a joined cell answers
    // for its whole block, with the coordinates moved to the block's origin. 1 for a cell the
    // sheet does not have (or, from a point, a point on no cell).
    int GetCellRect(int* column, int* row, RECT* rect);
    int GetCellFromPoint(int x, int y, int* column, int* row, RECT* rect);
    // The joined block that holds the cell (the cell alone when it is not joined).
    void GetJoinBlock(int column, int row, GridRange* block);
    void GetJoinBlock(int column, int row, const CGridCell& cell, GridRange* block);
    // Reads a cell for a section's paint. A joined cell becomes its block's origin, with the
    // block's rectangle, and is drawn once per paint: false when the list says it was drawn.
    bool PrepareDrawnCell(CGridRedrawList& list, CGridCell* cell, int* column, int* row, RECT* rect);

    // Editing in place: 0 when the editor opened, 1 refused, 2 the cell could not be made current.
    int StartEdit(int column, int row, int key);
    int StartEditCurrent();
    int StartEditCurrentWithKey(int key);
    // Called by an editor as it ends: 0 keeps the edit open (refused), 1 ended.
    int EditCtrlFinished(const std::string& text, int cancelled, int continueEditing, int nextColumn,
                         int nextRow);
    int IsEditing() const { return m_editing; }
    int GetEditColumn() const { return m_editColumn; }
    int GetEditRow() const { return m_editRow; }
    CGridCell* GetEditCell() { return &m_editCell; }
    CWnd* GetActiveEditor() const { return m_activeEditor; }

    // The pop-up menu (empty until the application fills it): 0 shown, 1 switched off,
    // 2 refused by the hook, 3 when it could not be tracked.
    int StartMenu(int column, int row, POINT* point, int section);
    CMenu* GetPopupMenu() { return &m_popupMenu; }

    // The Find (or with replace, the Replace) dialog over the grid; allColumns searches every
    // column instead of the current one. 1 when it is open already.
    int OpenFindDialog(int replace, int allColumns);
    CFindReplaceDialog* GetFindDialog() const;
    bool IsFindDialogOpen() const;

    // The cell area's off-screen drawing: 0 off, 1 on; 1 when it cannot be had.
    int SetDoubleBuffer(int mode);

    // Notification hooks, in their fixed order. Questions answer non-zero for yes.
    virtual void OnSectionFocus(int section);
    virtual void OnGridSetup();
    virtual void OnSetupSheet(int sheet);
    virtual int OnCanMoveCell(int oldColumn, int oldRow, int newColumn, int newRow);
    virtual int OnCanScrollView(int oldLeftColumn, int oldTopRow, int newLeftColumn, int newTopRow);
    virtual void OnPastLastRow(int rowCount, int rowsMissing, int flag);
    virtual void OnBeforeFirstRow(int first, int second);
    virtual int OnCanSizeColumn(int column);
    virtual void OnColumnSizing(int column, int* width);
    virtual void OnColumnSized(int column, int* width);
    virtual int OnCanSizeRow(int row);
    virtual void OnRowSizing(int row, int* height);
    virtual void OnRowSized(int row, int* height);
    virtual int OnCanSizeTopHeading();
    virtual int OnCanSizeSideHeading();
    virtual int OnTopHeadingSizing(int* size);
    virtual int OnSideHeadingSizing(int* size);
    virtual int OnTopHeadingSized(int* size);
    virtual int OnSideHeadingSized(int* size);
    virtual void OnCurrentColumnChanged(int oldColumn, int newColumn);
    virtual void OnCurrentRowChanged(int oldRow, int newRow);
    virtual void OnCurrentCellChanged(int oldColumn, int newColumn, int oldRow, int newRow);
    virtual void OnLeftColumnChanged(int oldColumn, int newColumn);
    virtual void OnTopRowChanged(int oldRow, int newRow);
    virtual void OnCellLeftClick(int column, int row, int down, RECT* rect, POINT* point, int processed);
    virtual void OnCellRightClick(int column, int row, int down, RECT* rect, POINT* point, int processed);
    virtual void OnCellDoubleClick(int column, int row, RECT* rect, POINT* point, int processed);
    virtual void OnCellMouseMove(int column, int row, POINT* point, UINT flags, int processed);
    virtual void OnColumnHeadingLeftClick(int column, int row, int down, RECT* rect, POINT* point, int processed);
    virtual void OnColumnHeadingRightClick(int column, int row, int down, RECT* rect, POINT* point, int processed);
    virtual void OnColumnHeadingDoubleClick(int column, int row, RECT* rect, POINT* point, int processed);
    virtual void OnRowHeadingLeftClick(int column, int row, int down, RECT* rect, POINT* point, int processed);
    virtual void OnRowHeadingRightClick(int column, int row, int down, RECT* rect, POINT* point, int processed);
    virtual void OnRowHeadingDoubleClick(int column, int row, RECT* rect, POINT* point, int processed);
    virtual void OnCornerLeftClick(int down, RECT* rect, POINT* point, int processed);
    virtual void OnCornerRightClick(int down, RECT* rect, POINT* point, int processed);
    virtual void OnCornerDoubleClick(RECT* rect, POINT* point, int processed);
    virtual void OnGridKeyDown(UINT* key, int processed);
    virtual void OnGridChar(UINT* key, int processed);
    virtual void OnBeforeGetCell(int column, int row, CGridCell* cell);
    virtual void OnBeforeSetCell(int column, int row, CGridCell* cell);
    virtual void OnDataSourceNotice(CGridDataSource* source, int message, intptr_t parameter);
    virtual int OnCellTypeNotice(int id, int column, int row, int message, intptr_t parameter);
    virtual int OnEditBegin(int column, int row, CWnd** editor);
    virtual int OnEditKey(int column, int row, CWnd* editor, UINT* key);
    virtual int OnEditEnd(int column, int row, CWnd* editor, const std::string& text, int cancelled);
    virtual int OnEditNextCell(int oldColumn, int oldRow, int* newColumn, int* newRow);
    virtual void OnPopupMenuCommand(int column, int row, int section, UINT id);
    virtual int OnPopupMenuShow(int column, int row, int section);
    virtual int OnCellHintText(int column, int row, int section, std::string* text);
    virtual int OnVerticalThumbHint(int row, std::string* text);
    virtual int OnHorizontalThumbHint(int column, std::string* text);
    virtual int OnCompareCells(CGridCell* cell1, CGridCell* cell2, int flags);
    virtual void OnPrepareScreenDC(CDC* dc, CDC* memoryDC, int section);
    virtual void OnLayoutComponents(RECT* cells, RECT* topHeading, RECT* sideHeading, RECT* corner,
                                    RECT* vScroll, RECT* hScroll, RECT* tabs);
    virtual void OnSheetTabSelected(int id);
    virtual COLORREF OnDefaultBackColor(int section);
    virtual void OnDrawFocusFrame(CDC* dc, RECT* rect);
    virtual void OnSectionFocusLost(int section);
    virtual int OnCanStartColumnDrag(int column);
    virtual int OnCanDropColumn(int fromColumn, int toColumn);
    virtual int MoveColumn(int fromColumn, int toColumn, int before);
    virtual void OnTrackingWindowMoved(RECT* oldRect, RECT* newRect);

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    void OnSetFocus(CWnd* losing) override;
    UINT OnGetDlgCode() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT position, CScrollBar* bar) override;
    void OnVScroll(UINT code, UINT position, CScrollBar* bar) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::unique_ptr<CGridInfo> MakeSheet();
    void CreateSections();
    void HandSettingsToSections();
    void ApplySheetHooksForNewSheets(int firstNew);
    CGridDataSource* SourceOfColumn(int column) const;
    int MapColumn(int column) const;
    int RecalcLockedWidth();
    int RecalcLockedHeight();
    bool RecalcMaxLeftColumn();
    bool RecalcMaxTopRow();
    void LayoutSections();
    void RunLayoutPass();
    void RelayoutIfBarsChanged(int oldMaxTopRow, int oldMaxLeftColumn);
    void MoveSectionWindows(bool layoutOnly);
    int RescaleBand(std::vector<int>& sizes, int newSize) const;
    int MeasureBestWidth(CDC& dc, int column, int firstRow, int rowLimit);
    void TakeCurrentFromTarget();
    void NotifyMoveChanges();
    void TellCellTypesOfMove();
    void RefreshAfterMove();
    bool IsPaintOn() const;
    int CheckTargetRow(int* row);
    int CheckTargetColumn(int* column);
    void AdjustRowForJoin(int* row);
    void AdjustColumnForJoin(int* column);
    int AskCanMove(int column, int row);
    void MakeTargetVisible();
    int PageRows(int from, bool forward) const;
    int PageColumns(int from, bool forward) const;
    int StepTarget(int action, int from, int first, int last, bool rows) const;
    CWnd* SectionOfCell(int column, int row) const;
    int PlaceEditor(CWnd* editor, int column, int row);
    void ContinueEditing(int nextColumn, int nextRow);
    void CloseEditor();
    // Rows inserted (shift 1) or deleted (shift -1) at `row` while an edit is open.
    void FollowRowsWithEdit(int row, int shift);
    void AbandonEdit();
    LRESULT OnFindReplace(CFindReplaceDialog* dialog);
    void ReplaceAllMatches(const std::string& find, const std::string& replace, int flags);
    int FindNextMatch(const std::string& find, int flags, int* column, int* row);
    int GridColumnOfMapped(int mapped) const;

    // The four built-in types, registered first so their indices are fixed.
    CGridCellType m_normalType;
    CGridDropListType m_dropListType;
    CGridCheckBoxType m_checkBoxType;
    CGridArrowType m_arrowType;
    CGridCell m_workCell;
    CGridPtrList<CFont> m_fonts;
    CGridPtrList<CGridCellType> m_cellTypes;
    std::vector<std::unique_ptr<CFont>> m_ownedFonts;

    std::unique_ptr<CGridArea> m_cellArea;
    std::unique_ptr<CGridTopHdg> m_topHeading;
    std::unique_ptr<CGridSideHdg> m_sideHeading;
    std::unique_ptr<CGridCnrBtn> m_cornerButton;
    std::unique_ptr<CGridVScroll> m_vScroll;
    std::unique_ptr<CGridHScroll> m_hScroll;
    std::unique_ptr<CGridTab> m_tab;
    std::unique_ptr<CGridHint> m_hint;
    std::unique_ptr<CGridEdit> m_editor;

    std::vector<std::unique_ptr<CGridInfo>> m_sheets;
    int m_currentSheet = 0;
    int m_paintEnabled = 1;
    int m_editing = 0;  // set while an edit is open; the selection then stays out of moves
    int m_editColumn = -1;
    int m_editRow = -1;
    CGridCell m_editCell;
    CWnd* m_activeEditor = nullptr;
    CWnd* m_editSection = nullptr;
    CMenu m_popupMenu;
    std::unique_ptr<CFindReplaceDialog> m_findDialog;
    int m_findAllColumns = 0;
    // Where the last pop-up menu was asked for.
    int m_menuColumn = -1;
    int m_menuRow = -1;
    int m_menuSection = 0;

    // Entry 0 stands for the sheet's built-in source; registered sources start at 1.
    std::vector<CGridDataSource*> m_dataSources;
    int m_dataSourceCount = 0;

    CPen m_whitePen;
    CPen m_shadowPen;
    int m_layoutOnly = 0;
    int m_layoutDepth = 0;
};
