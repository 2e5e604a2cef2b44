#include "app/grids/ProposalSource.h"

#include "app/grids/GridColors.h"
#include "app/grids/ProposalGrid.h"
#include "app/grids/Refusal.h"
#include "model/check/CheckBid.h"
#include "model/check/Recalc.h"

namespace {

constexpr const char* kFace = "MS Sans Serif";
constexpr int kRowFontHeight = 12;
constexpr int kRowFontWeight = 500;
constexpr int kBoldFontHeight = 14;
constexpr int kBoldFontWeight = 700;

} // namespace

void CProposalSource::SetProposalGrid(CProposalGrid* grid)
{
    m_pGrid = grid;
    SetGrid(grid);
}

int CProposalSource::AddDefaultFont()
{
    const int font = m_pGrid->AddFont(kFace, kRowFontHeight, kRowFontWeight);
    m_pGrid->SetDefaultFont(font);
    return font;
}

int CProposalSource::AddBoldFont()
{
    return m_pGrid->AddFont(kFace, kBoldFontHeight, kBoldFontWeight);
}

void CProposalSource::TakeColors()
{
    m_bManyColors = DisplayHasManyColors();
    m_crHighlight = GridHighlightColor(m_bManyColors);
}

int CProposalSource::WriteTypedEntry(int column, int row, const CGridCell& cell,
                                     const std::function<void(double)>& store)
{
    const std::optional<TypedEntry> entry = ReadTypedEntry(column, row, cell.GetText() ? cell.GetText() : "");
    if (!entry)
        return 1;
    if (entry->Refused()) {
        m_pGrid->TellRefusal(*entry, column, row);
        return 1;
    }
    store(entry->value);
    AfterStoredChange();
    return 0;
}

void CProposalSource::AfterStoredChange()
{
    RecalcBidTotals(m_pProp);
    CheckBid(m_pProp, false);
    m_pGrid->RedrawCells();
    m_pGrid->OnDataSourceNotice(this, 0, 0);
}
