// What the control keeps registered: fonts, cell types and data sources; and its modes.
#include <cstring>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridDataSource.h"
#include "controls/grid/GridInfo.h"

namespace {

constexpr int kSourceTableGrowth = 16;
constexpr std::size_t kLeadingLogFontBytes = offsetof(LOGFONT, lfFaceName);

bool SameFont(const LOGFONT& a, const LOGFONT& b)
{
    return std::memcmp(&a, &b, kLeadingLogFontBytes) == 0 && std::strcmp(a.lfFaceName, b.lfFaceName) == 0;
}

}  // namespace

int CGridCtrl::AddFont(const char* face, int height, int weight)
{
    return AddFont(height, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0, face);
}

int CGridCtrl::AddFont(int height, int width, int escapement, int orientation, int weight, int italic,
                       int underline, int strikeOut, int charSet, int outPrecision, int clipPrecision,
                       int quality, int pitchAndFamily, const char* face)
{
    LOGFONT wanted{height, width, escapement, orientation, weight, BYTE(italic), BYTE(underline),
                   BYTE(strikeOut), BYTE(charSet), BYTE(outPrecision), BYTE(clipPrecision),
                   BYTE(quality), BYTE(pitchAndFamily), {}};
    // A face name too long for the record is dropped rather than cut.
    if (face && std::strlen(face) < LF_FACESIZE)
        std::strcpy(wanted.lfFaceName, face);
    for (int i = 0; i < m_fonts.GetCapacity(); ++i) {
        LOGFONT existing;
        if (CFont* font = m_fonts.Get(i); font && font->GetLogFont(&existing) && SameFont(existing, wanted))
            return i;
    }
    auto font = std::make_unique<CFont>();
    font->CreateFontIndirect(&wanted);
    const int index = m_fonts.Add(font.get());
    m_ownedFonts.push_back(std::move(font));
    return index;
}

CFont* CGridCtrl::GetFont(int index) const
{
    return m_fonts.Get(index);
}

int CGridCtrl::SetDefaultFont(int index)
{
    CFont* font = m_fonts.Get(index);
    if (!font)
        return 1;
    GetGridInfo()->m_defaultFont = font;
    return 0;
}

int CGridCtrl::AddCellType(CGridCellType* type)
{
    const int index = m_cellTypes.Add(type);
    if (index >= 0)
        type->SetGrid(this, index);
    return index;
}

CGridCellType* CGridCtrl::GetCellType(int index) const
{
    CGridCellType* type = index == GRID_CELLTYPE_NORMAL ? nullptr : m_cellTypes.Get(index);
    return type ? type : m_cellTypes.Get(GRID_CELLTYPE_NORMAL);
}

int CGridCtrl::AddDataSource(CGridDataSource* source)
{
    if (!source)
        return 1;
    source->SetGrid(this);
    if (m_dataSourceCount == static_cast<int>(m_dataSources.size()))
        m_dataSources.resize(m_dataSources.size() + kSourceTableGrowth, nullptr);
    // Entry 0 stands for the built-in source, so the table holds one fewer than it has room for.
    for (int index = 1; index < static_cast<int>(m_dataSources.size()); ++index) {
        if (m_dataSources[index])
            continue;
        m_dataSources[index] = source;
        ++m_dataSourceCount;
        source->SetId(index);
        return index;
    }
    return -1;
}

CGridDataSource* CGridCtrl::GetDataSource(int index) const
{
    if (index == 0)
        return GetGridInfo()->m_builtInSource.get();
    return index > 0 && index < static_cast<int>(m_dataSources.size()) ? m_dataSources[index] : nullptr;
}

int CGridCtrl::SetDefaultDataSource(int index)
{
    CGridDataSource* source = GetDataSource(index);
    if (index > m_dataSourceCount || !source)
        return 1;
    CGridInfo* info = GetGridInfo();
    info->m_defaultSourceIndex = index;
    info->m_defaultSource = source;
    for (CGridColumn& column : info->m_columns)
        column.m_dataSource = source;
    return 0;
}

int CGridCtrl::SetCurrentCellMode(int mode)
{
    if (mode < 0 || mode > 3)
        return 1;
    GetGridInfo()->m_currentCellMode = mode;
    return 0;
}

int CGridCtrl::SetHighlightRow(int flag)
{
    CGridInfo* info = GetGridInfo();
    info->m_highlightRow = flag ? 1 : 0;
    // Only a selection that is on switches between cell blocks and whole rows.
    CGridSelectionList& selection = info->m_selection;
    if (selection.IsActive()) {
        const int kind = info->m_highlightRow ? GRID_SELECT_ROWS : GRID_SELECT_CELLS;
        selection.SetMode((selection.GetMode() & ~(GRID_SELECT_CELLS | GRID_SELECT_ROWS)) | kind);
    }
    return 0;
}

int CGridCtrl::SetMultiSelectMode(int mode)
{
    CGridInfo* info = GetGridInfo();
    info->m_multiSelect = mode ? 1 : 0;
    const int kind = info->m_highlightRow ? GRID_SELECT_ROWS : GRID_SELECT_CELLS;
    info->m_selection.SetMode(mode ? kind : 0);
    return 0;
}

int CGridCtrl::EnableColumnMove(int flag)
{
    GetGridInfo()->m_columnMove = flag ? 1 : 0;
    return 0;
}

int CGridCtrl::EnableGridLines(int flag)
{
    GetGridInfo()->m_gridLines = flag ? 1 : 0;
    return 0;
}
