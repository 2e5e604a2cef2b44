#pragma once

// The upper pane of the firm item splitter: the firm item grid of one DBE, MBE or WBE firm,
// filling the view. Its height is remembered as the "HSplitterPos" setting.
#include "app/firms/DBEItemGrid.h"
#include "app/views/DV.h"

class CProp;

class CDV_DBEItemGrid : public CDV {
    DECLARE_DYNCREATE(CDV_DBEItemGrid)
public:
    static constexpr UINT kTemplate = 314;
    static constexpr UINT IDC_GRID = 1011;

    CDV_DBEItemGrid();

    void OnInitialUpdate() override;
    // The grid is repainted when the figures change and on hint 4660; grid views never show the
    // configured background.
    void OnUpdate(CView* sender, LPARAM hint, void* hintObject) override;
    void OnSize(UINT type, int cx, int cy) override;
    bool OnEraseBkgnd(CDC* dc) override;

    CDBEItemGrid& GetGrid() { return m_grid; }
    int GetFirmKind() const { return m_iFirmKind; }

protected:
    // Firm kinds: 1 DBE, 2 MBE, 3 WBE.
    explicit CDV_DBEItemGrid(int firmKind);

private:
    CProp* GetProp() const;

    CDBEItemGrid m_grid;
    const int m_iFirmKind;
};

class CDV_MBEItemGrid : public CDV_DBEItemGrid {
    DECLARE_DYNCREATE(CDV_MBEItemGrid)
public:
    CDV_MBEItemGrid();
};

class CDV_WBEItemGrid : public CDV_DBEItemGrid {
    DECLARE_DYNCREATE(CDV_WBEItemGrid)
public:
    CDV_WBEItemGrid();
};
