#pragma once

// The base of the views that host one of the proposal's grids: the grid fills the view but for
// a strip at the bottom with a total and its label; every change the grid stores is shown in
// the totals, the document and the tree. A command stores the entry being typed first (all but
// the commands that work on its text), so that saving or printing never leaves it behind.
#include "app/grids/GridHost.h"
#include "app/views/DV.h"

class CProp;
class CProposalGrid;

class CDV_GridView : public CDV, public CGridHost {
    DECLARE_DYNAMIC(CDV_GridView)
public:
    static constexpr UINT IDC_GRID = 1011;

    void OnInitialUpdate() override;
    // The totals follow every change of the document; the background stays clear.
    void OnUpdate(CView* sender, LPARAM hint, void* hintObject) override;
    void OnSize(UINT type, int cx, int cy) override;
    bool OnEraseBkgnd(CDC* dc) override;
    void OnDestroy() override;
    bool OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo = nullptr) override;

    void RefreshTotals() override;
    void OnGridChange() override;

    CProposalGrid& GetGrid() const { return m_grid; }
    bool HasGridWindow() const { return m_bGridCreated; }

protected:
    struct TotalBox {
        UINT labelId;
        UINT valueId;
        int logicalColumn; // the grid column the box is as wide as
        int narrowest;
        int widest;
    };

    CDV_GridView(UINT templateId, CProposalGrid& grid, TotalBox box);

    CProp* GetProp() const;
    // The value under the grid.
    virtual double BoxTotal(const CProp& prop) const = 0;
    virtual bool ShowsTotalBox(const CProp&) const { return true; }

private:
    int TotalColumnWidth() const;
    void PlaceTotalBox();

    CProposalGrid& m_grid;
    TotalBox m_box;
    bool m_bGridCreated = false;
};
