#pragma once
// A cell type draws one kind of cell and may take its mouse and key input. The base class
// is the normal type; a cell names its type by the index the control gave it.
#include "controls/grid/GridPtrList.h"
#include "platform/ui/window/Geometry.h"

class CDC;
class CGridCell;
class CGridCtrl;

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

protected:
    int m_flag = 1;
    int m_showLabel = 0;
    int m_mayBeOverrun = 1;
    CGridCtrl* m_grid = nullptr;
    int m_index = -1;
};

// The other built-in types, registered by every grid at indices 1 to 3. Their drawing and
// input are the normal type's until they get their own.
class CGridDropListType : public CGridCellType {
public:
    CGridDropListType() { m_mayBeOverrun = 0; }
    const char* GetTypeName() const override;
    const GridTypeId* GetTypeGuid() const override;
};

class CGridCheckBoxType : public CGridCellType {
public:
    const char* GetTypeName() const override;
    const GridTypeId* GetTypeGuid() const override;
};

class CGridArrowType : public CGridCellType {
public:
    CGridArrowType() { m_flag = 0; }
    const char* GetTypeName() const override;
    const GridTypeId* GetTypeGuid() const override;
};
