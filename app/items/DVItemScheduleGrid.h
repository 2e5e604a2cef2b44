#pragma once

// The schedule of items as a grid (the item grid), with the items total under it when the
// sites' time costs are part of the bid. Ctrl+R prices the current item from the price reference
// file.
#include "app/grids/ItemGrid.h"
#include "app/items/GridView.h"

class CDV_ItemScheduleGrid : public CDV_GridView {
    DECLARE_DYNCREATE(CDV_ItemScheduleGrid)
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDD = 132;
    static constexpr UINT IDC_TOTAL_LABEL = 1012;
    static constexpr UINT IDC_TOTAL = 1013;

    CDV_ItemScheduleGrid();

    // A node of the schedule chosen elsewhere (grid mode): the grid goes to its item.
    void OnUpdate(CView* sender, LPARAM hint, void* hintObject) override;
    // This view becomes the active one, its grid on the item's unit price.
    void ShowItem(int index);

    CItemGrid& GetItemGrid() { return m_grid; }

protected:
    double BoxTotal(const CProp& prop) const override;
    bool ShowsTotalBox(const CProp& prop) const override;

    void OnReferencePrice();
    void OnUpdateReferencePrice(CCmdUI* ui);

private:
    CItemGrid m_grid;
};
