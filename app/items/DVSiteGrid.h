#pragma once

// The proposal's sites as a grid (the site grid), with the time total under it.
#include "app/grids/SiteGrid.h"
#include "app/items/GridView.h"

class CDV_SiteGrid : public CDV_GridView {
    DECLARE_DYNCREATE(CDV_SiteGrid)
public:
    static constexpr UINT IDD = 311;
    static constexpr UINT IDC_TOTAL_LABEL = 1127;
    static constexpr UINT IDC_TOTAL = 1128;

    CDV_SiteGrid();

    CSiteGrid& GetSiteGrid() { return m_grid; }

protected:
    double BoxTotal(const CProp& prop) const override;

private:
    CSiteGrid m_grid;
};
