#pragma once
// A cell type draws one kind of cell and may take its mouse and key input. The base class
// is the normal type; a cell names its type by the index the control gave it. Every type
// draws through the base's border and text drawing.
#include <memory>
#include <string_view>

#include "controls/grid/GridCell.h"
#include "controls/grid/GridPtrList.h"
#include "platform/ui/draw/GdiObjects.h"
#include "platform/ui/window/Geometry.h"

class CBitmap;
class CDC;
class CGridCtrl;
class CGridLstBox;
struct CGridInfo;

// Notices the built-in types raise through CGridCtrl::OnCellTypeNotice.
enum : int {
    GRID_NOTICE_CHECK_TOGGLED = 53,   // parameter: the new value, 0 or 1
    GRID_NOTICE_LIST_CHOICES = 100,   // parameter: std::vector<std::string>*, may be changed
    GRID_NOTICE_LIST_CHOSEN = 101     // parameter: const std::string*; non-zero stores it
};

class CGridCellType {
public:
    CGridCellType() = default;
    CGridCellType(const CGridCellType&) = delete;
    CGridCellType& operator=(const CGridCellType&) = delete;
    virtual ~CGridCellType() = default;

    virtual const char* GetTypeName() const;
    virtual const GridTypeId* GetTypeGuid() const;
    virtual int AdjustTextRect(RECT* rect);
    virtual int OnSystemColorsChanged();
    virtual int OnLeftButton(int column, int row, int down, RECT* rect, POINT* point);
    virtual int OnRightButton(int column, int row, int down, RECT* rect, POINT* point);
    virtual int OnDoubleClick(int column, int row, RECT* rect, POINT* point);
    virtual int OnKeyDown(int column, int row, UINT* key);
    virtual int OnCharTyped(int column, int row, UINT* key);
    virtual int OnMouseMove(int column, int row, POINT* point, UINT keyFlags);
    virtual void OnDraw(CDC* dc, RECT* rect, int column, int row, CGridCell* cell, int selected, int current);
    virtual void OnDrawScaled(CDC* dc, RECT* rect, int column, int row, CGridCell* cell);
    virtual int OnCellEntered(int column, int row, CGridCell* cell);
    virtual int OnCellLeft(int column, int row, CGridCell* cell);
    virtual void GetBestSize(CDC* dc, SIZE* size, CGridCell* cell);

    // Told by CGridCtrl::AddCellType.
    void SetGrid(CGridCtrl* grid, int index)
    {
        m_grid = grid;
        m_index = index;
    }
    CGridCtrl* GetGrid() const { return m_grid; }
    int GetIndex() const { return m_index; }
    void SetShowLabel(int flag) { m_showLabel = flag ? 1 : 0; }

    // The drawing every type shares. The border answers the rectangle inside it; the text is
    // drawn x offset pixels from where its alignment puts it.
    void DrawBorder(CDC* dc, const RECT* rect, const CGridCell* cell, RECT* inner);
    void DrawText(CDC* dc, const RECT* rect, int xOffset, int column, int row, CGridCell* cell, int selected,
                  int current);
    int DrawBitmap(CDC* dc, CBitmap* bitmap, const RECT* rect, COLORREF back);
    // The neighbour whose text runs on into this empty cell, and how far left of this cell that
    // text starts; 1 when none does.
    int GetOverrunSource(CDC* dc, int column, int row, int* sourceColumn, int* offset);

protected:
    const CGridInfo* Info() const;
    void DrawPlaced(CDC* dc, const CRect& r, int y, std::string_view text, int align, int margin);
    void DrawWrapped(CDC* dc, const CRect& r, std::string_view text, int align, COLORREF back);
    void DrawCut(CDC* dc, CRect r, int y, std::string_view text);
    void DrawNoRoom(CDC* dc, const CRect& r, int y, int margin);
    const char* ShownText(const CGridCell& cell) const;
    bool MayShowOverrun(const CGridCell& cell) const;

    int m_flag = 1;
    int m_showLabel = 0;
    int m_mayBeOverrun = 1;
    CGridCtrl* m_grid = nullptr;
    int m_index = -1;
    CGridCell m_overrunCell;
};

// The drop list: a button at the cell's right edge opens a list of the choices in the cell's
// label, one per line.
class CGridDropListType : public CGridCellType {
public:
    CGridDropListType();
    ~CGridDropListType() override;
    const char* GetTypeName() const override;
    const GridTypeId* GetTypeGuid() const override;
    int AdjustTextRect(RECT* rect) override;
    void OnDraw(CDC* dc, RECT* rect, int column, int row, CGridCell* cell, int selected, int current) override;
    int OnLeftButton(int column, int row, int down, RECT* rect, POINT* point) override;
    int OnDoubleClick(int column, int row, RECT* rect, POINT* point) override;
    int OnKeyDown(int column, int row, UINT* key) override;
    int OnCharTyped(int column, int row, UINT* key) override;
    int OnMouseMove(int column, int row, POINT* point, UINT keyFlags) override;
    int OnCellLeft(int column, int row, CGridCell* cell) override;

    void ShowList();
    bool IsListOpen() const;
    // From the list: it closed, with or without a choice.
    void ListClosed(bool chosen);
    void Choose(const std::string& text);
    int GetListColumn() const { return m_listColumn; }
    int GetListRow() const { return m_listRow; }
    CGridLstBox* GetList() const { return m_list.get(); }

private:
    void DrawButton(CDC* dc, const CRect& button, int cellLeft, bool pressed);
    void RepaintListCell();
    void CloseList();

    int m_buttonWidth;
    int m_pressed = 0;
    CRect m_buttonRect;
    int m_listColumn = -1;  // -2 after the list closed without a choice
    int m_listRow = -1;
    CPen m_facePen;
    CBrush m_faceBrush;
    std::unique_ptr<CGridLstBox> m_list;
};

// The check box: a box at the cell's left that a click or the space bar ticks and clears.
class CGridCheckBoxType : public CGridCellType {
public:
    CGridCheckBoxType();
    const char* GetTypeName() const override;
    const GridTypeId* GetTypeGuid() const override;
    int OnLeftButton(int column, int row, int down, RECT* rect, POINT* point) override;
    int OnDoubleClick(int column, int row, RECT* rect, POINT* point) override;
    int OnCharTyped(int column, int row, UINT* key) override;
    void OnDraw(CDC* dc, RECT* rect, int column, int row, CGridCell* cell, int selected, int current) override;

    // The box of a cell rectangle: s = min(height - 6, 12) pixels square, 3 pixels in from the
    // left, centred.
    static CRect BoxOf(const RECT& cell);

private:
    int Toggle(int column, int row, bool byText);
    void DrawBox(CDC* dc, const CRect& box, int style);
    void DrawMark(CDC* dc, const CRect& box, int style);

    CPen m_lightPen;
    CPen m_shadowPen;
    CPen m_facePen;
    CGridCell m_workCell;
};

// Arrows, drawn in the cell's text colour.
class CGridArrowType : public CGridCellType {
public:
    CGridArrowType() { m_flag = 0; }
    const char* GetTypeName() const override;
    const GridTypeId* GetTypeGuid() const override;
    void OnDraw(CDC* dc, RECT* rect, int column, int row, CGridCell* cell, int selected, int current) override;
};
