#include "app/grids/SiteGrid.h"

#include "model/records/Prop.h"

namespace {

const std::vector<int> kColumnWeights = {7, 10, 10, 10, 15};

} // namespace

bool CSiteEditCtl::FindNextEntry(bool backwards, int* column, int* row)
{
    auto* grid = dynamic_cast<CSiteGrid*>(m_grid);
    if (!grid)
        return false;
    const int step = backwards ? -2 : 2;
    for (int r = grid->GetEditRow() / 2 * 2 + step; r >= 0 && r < grid->GetRowCount(); r += step) {
        const CSite* site = grid->GetSiteOfRow(r);
        if (site && TestFlagBit(site->m_wFlags, SITE_BIDDABLE)) {
            *column = grid->GetDisplayColumn(CSiteDataSource::COL_DAYS);
            *row = r;
            return true;
        }
    }
    return false;
}

CSiteGrid::CSiteGrid() : CProposalGrid(m_dataSource, m_editCtl, kColumnWeights) {}

CSiteGrid::~CSiteGrid()
{
    // The window goes while the source and editor it uses are still here.
    DestroyWindowFromDestructor();
}

CSite* CSiteGrid::GetSiteOfRow(int row) const
{
    const CProp* prop = GetProposal();
    if (!prop || row < 0 || row / 2 >= prop->m_sites.GetSize())
        return nullptr;
    return prop->m_sites.GetAtOrNull(row / 2);
}

bool CSiteGrid::FindNextDaysCell(int* column, int* row, bool backwards)
{
    const int target = *row / 2 * 2 + (backwards ? -2 : 2);
    if (target < 0 || target >= GetRowCount())
        return false;
    *column = GetDisplayColumn(CSiteDataSource::COL_DAYS);
    *row = target;
    return true;
}
