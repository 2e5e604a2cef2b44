#include "app/items/DVSiteGrid.h"

#include "app/items/ItemForms.h"
#include "model/records/Prop.h"

IMPLEMENT_DYNCREATE(CDV_SiteGrid, CDV_GridView)

namespace {

constexpr int kNarrowestBox = 80;
constexpr int kWidestBox = 235;

} // namespace

CDV_SiteGrid::CDV_SiteGrid()
    : CDV_GridView((RegisterItemForms(), IDD), m_grid,
                   {IDC_TOTAL_LABEL, IDC_TOTAL, CSiteDataSource::COL_TOTAL, kNarrowestBox, kWidestBox})
{
}

double CDV_SiteGrid::BoxTotal(const CProp& prop) const
{
    return prop.m_dTimeTotal;
}
