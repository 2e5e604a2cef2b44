// How the firm item grid's cells look: colours, fonts and alignment by the kind of row (heading,
// item or section) and the column.
#include "app/firms/DBEItemDataSource.h"

#include "app/firms/DBEItemGrid.h"
#include "app/startup/BidApp.h"
#include "app/views/ViewBackgrounds.h"
#include "platform/ui/draw/SystemMetrics.h"

#include <algorithm>

namespace {

constexpr short kAlignLeft = 0;
constexpr short kAlignRight = 2;
constexpr short kAlignCentre = 4;
constexpr short kAlignMiddle = 0x20;

constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kGrey = 0x808080;

short ColumnAlignment(int column)
{
    switch (column) {
    case CDBEItemDataSource::USE:
    case CDBEItemDataSource::LINE:
    case CDBEItemDataSource::UNIT: return kAlignCentre;
    case CDBEItemDataSource::QUANTITY:
    case CDBEItemDataSource::UNIT_PRICE:
    case CDBEItemDataSource::EXTENSION: return kAlignRight;
    default: return kAlignLeft;
    }
}

bool ConfiguredGradient()
{
    const CBidApp* app = GetBidApp();
    return app && app->m_iBackgroundType == BACKGROUND_GRADIENT;
}

int Channel(COLORREF color, int shift)
{
    return int((color >> shift) & 0xFF);
}

} // namespace

COLORREF GridGradientColor(COLORREF top, COLORREF bottom, int step, int steps)
{
    if (steps <= 0)
        return top;
    const int clamped = std::clamp(step, 0, steps);
    COLORREF color = 0;
    for (int shift : {0, 8, 16}) {
        const int from = Channel(top, shift);
        const int to = Channel(bottom, shift);
        color |= COLORREF(from + (to - from) * clamped / steps) << shift;
    }
    return color;
}

COLORREF CDBEItemDataSource::BackColor(int row, Kind kind) const
{
    const CBidApp* app = GetBidApp();
    const bool colorMode = m_bManyColors && ConfiguredGradient();
    if (kind == SECTION_ROW)
        return colorMode ? app->m_crGridLabelColor : kGrey;
    if (!colorMode)
        return GetSysColor(COLOR_WINDOW);
    return GridGradientColor(app->m_crGridTopColor, app->m_crGridBottomColor, row, m_iRowCount);
}

void CDBEItemDataSource::Format(int column, int row, Kind kind, CGridCell* cell) const
{
    const CBidApp* app = GetBidApp();
    const bool colorMode = m_bManyColors && ConfiguredGradient();
    switch (kind) {
    case HEADING:
        cell->SetTextColor(GetSysColor(COLOR_BTNTEXT));
        cell->SetBackColor(GetSysColor(COLOR_BTNFACE));
        cell->SetHighlightTextColor(kBlack);
        cell->SetHighlightBackColor(kBlack);
        break;
    case ITEM_ROW:
        cell->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
        cell->SetBackColor(BackColor(row, kind));
        cell->SetHighlightTextColor(GetSysColor(colorMode ? COLOR_WINDOWTEXT : COLOR_CAPTIONTEXT));
        cell->SetHighlightBackColor(ConfiguredGradient() ? app->m_crGridSelectionColor : GetSysColor(COLOR_HIGHLIGHT));
        break;
    case SECTION_ROW:
        cell->SetTextColor(kWhite);
        cell->SetBackColor(BackColor(row, kind));
        cell->SetHighlightTextColor(GetSysColor(COLOR_CAPTIONTEXT));
        cell->SetHighlightBackColor(GetSysColor(COLOR_HIGHLIGHT));
        break;
    }
    CFont* font = m_pGrid ? m_pGrid->GetFont(kind == ITEM_ROW ? m_iDataFont : m_iBoldFont) : nullptr;
    if (font)
        cell->SetFont(font);
    cell->SetAlignment(short((kind == HEADING ? kAlignCentre : ColumnAlignment(column)) | kAlignMiddle));
}
