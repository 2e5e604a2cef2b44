#include "app/grids/SiteDataSource.h"

#include "app/grids/GridColors.h"
#include "app/grids/SiteGrid.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/text/NumberFormat.h"
#include "platform/ui/draw/SystemMetrics.h"

namespace {

constexpr int kSecondRow = CSiteDataSource::kColumns;
constexpr short kRightAligned = 2;
constexpr short kBottomLine = 8;
constexpr short kSunkenEdge = 0x1000;
constexpr int kAmountDecimals = 2;
constexpr const char* kHeadings[] = {"Site #", "Type", "Cost/Day", "# Days", "Total"};

std::string Amount(const CProp& prop, double value)
{
    return FormatAmount(value, 0, kAmountDecimals, true, prop.GetCurrencySymbol(0));
}

std::string DaysText(int days)
{
    return CSite::IsDaysNotGiven(days) ? std::string() : FormatDollars(days, 0, 0, true, false);
}

bool DaysAreTheBidders(const CSite& site)
{
    return TestFlagBit(site.m_wFlags, SITE_BIDDABLE) != 0;
}

bool HasCostPerDay(const CSite& site)
{
    return IsEvalValueValid(site.m_dRoadCostPerDay) && site.m_dRoadCostPerDay != 0;
}

} // namespace

CSiteGrid& CSiteDataSource::Grid() const
{
    return static_cast<CSiteGrid&>(*m_pGrid);
}

int CSiteDataSource::RowCount()
{
    return m_pProp ? 2 * m_pProp->m_sites.GetSize() : 0;
}

void CSiteDataSource::SetupCells()
{
    AddDefaultFont();
    CFont* heading = m_pGrid->GetFont(AddBoldFont());
    for (int place = 0; place < 2 * kColumns; ++place) {
        CGridCell& cell = m_siteCells[size_t(place)];
        cell.SetBackColor(GetSysColor(COLOR_BTNFACE));
        cell.SetTextColor(GetSysColor(COLOR_BTNTEXT));
        cell.SetReadOnly(1);
        if (place >= kSecondRow)
            cell.SetBorderStyle(kBottomLine);
    }
    for (int column = 0; column < kColumns; ++column) {
        CGridCell& cell = m_headingCells[size_t(column)];
        m_pGrid->GetHeadingDefaultCell(&cell);
        cell.SetFont(heading);
        cell.SetText(kHeadings[column]);
    }
    for (const int column : {COL_COST, COL_DAYS, COL_TOTAL})
        m_siteCells[size_t(column)].SetAlignment(kRightAligned);
    // The description spans the second row from the second place on.
    m_siteCells[kSecondRow + 1].SetJoinInfo(1, 3, 0);
    for (int i = 1; i <= 3; ++i)
        m_siteCells[size_t(kSecondRow + 1 + i)].SetJoinInfo(0, -i, 0);
    TakeColors();
}

int CSiteDataSource::ReadCell(int column, int row, CGridCell* cell)
{
    if (!m_pProp || column < 0 || column >= kColumns)
        return 1;
    if (row == -1) {
        cell->CopyFrom(m_headingCells[size_t(Grid().GetLogicalColumn(column))]);
        return 0;
    }
    CSite* found = Grid().GetSiteOfRow(row);
    if (!found)
        return 1;
    CSite& site = *found;
    const int index = row / 2;
    if (row % 2 == 0) {
        ReadFirstRow(column, site, index, cell);
        return 0;
    }
    cell->CopyFrom(m_siteCells[size_t(kSecondRow + column)]);
    SetCellColor(cell, index, false);
    if (column == 1)
        cell->SetText(site.m_strDescription);
    return 0;
}

void CSiteDataSource::ReadFirstRow(int column, CSite& site, int index, CGridCell* cell)
{
    const bool biddersDays = DaysAreTheBidders(site);
    // A site of the bidder's that the recalculation left unpriced has no days.
    if (biddersDays && !TestFlagBit(site.m_wFlags, SITE_VALID))
        site.m_iNumberOfDays = CSite::kDaysNotGiven;
    const int logical = Grid().GetLogicalColumn(column);
    cell->CopyFrom(m_siteCells[size_t(logical)]);
    const bool editable = logical == COL_DAYS && biddersDays;
    if (editable) {
        cell->SetReadOnly(0);
        cell->SetBorderStyle(kSunkenEdge);
    }
    SetCellColor(cell, index, editable);
    switch (logical) {
    case COL_SITE: cell->SetText(site.m_strSiteNumber); break;
    case COL_TYPE: cell->SetText(site.m_strTypeOfDays); break;
    case COL_COST: cell->SetText(Amount(*m_pProp, site.m_dRoadCostPerDay)); break;
    case COL_DAYS: cell->SetText(DaysText(site.m_iNumberOfDays)); break;
    default:
        if (biddersDays && !CSite::IsDaysNotGiven(site.m_iNumberOfDays))
            cell->SetText(Amount(*m_pProp, site.m_dSiteTotal));
        break;
    }
}

void CSiteDataSource::SetCellColor(CGridCell* cell, int index, bool editable) const
{
    const bool colorMode = IsGridColorMode(m_bManyColors);
    if (editable)
        cell->SetBackColor(GetSysColor(COLOR_WINDOW));
    else if (index == m_pGrid->GetCurrentRecord())
        cell->SetBackColor(colorMode ? GridSelectionColor() : m_crHighlight);
    else
        cell->SetBackColor(colorMode ? GridShadeColor(index, m_pProp->m_sites.GetSize()) : GetSysColor(COLOR_BTNFACE));
}

std::optional<TypedEntry> CSiteDataSource::ReadTypedEntry(int column, int row, std::string_view text)
{
    const CSite* found = Grid().GetSiteOfRow(row);
    if (!found || row % 2 != 0)
        return std::nullopt;
    const CSite& site = *found;
    const int logical = Grid().GetLogicalColumn(column);
    if (logical == COL_COST && text != Amount(*m_pProp, site.m_dRoadCostPerDay))
        return ReadSiteCost(*m_pProp, site, text);
    if (logical != COL_DAYS || !DaysAreTheBidders(site) || text == DaysText(site.m_iNumberOfDays))
        return std::nullopt;
    TypedEntry entry = ReadSiteDays(site, text);
    // Days of a site without a cost per day would go again at once (see ReadFirstRow).
    if (!entry.Refused() && IsEvalValueValid(entry.value) && !HasCostPerDay(site))
        entry.refusal = "Site " + site.m_strSiteNumber + " has no cost per day: its " + entry.field +
                        " cannot be entered.";
    return entry;
}

int CSiteDataSource::WriteCell(int column, int row, CGridCell* cell)
{
    return WriteTypedEntry(column, row, *cell, [&](double value) {
        CSite& site = *Grid().GetSiteOfRow(row);
        if (Grid().GetLogicalColumn(column) == COL_COST)
            site.m_dRoadCostPerDay = value;
        else
            site.m_iNumberOfDays = IsEvalValueValid(value) ? int(value) : CSite::kDaysNotGiven;
    });
}
