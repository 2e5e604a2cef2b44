// Copy and paste of a block of cells as tab-separated text through the system clipboard. Pasted
// cells are stored as edits are: read-only cells are left alone, and the data source and the
// hook may refuse a text.
#include <algorithm>

#include "controls/grid/GridArea.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridDataSource.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/text/GridText.h"
#include "platform/ui/window/Shell.h"

namespace {
constexpr int kNothing = 1;
}

int CGridCtrl::CopyToClipboard()
{
    CGridInfo* info = GetGridInfo();
    GridRange block{info->m_currentColumn, info->m_currentRow, info->m_currentColumn, info->m_currentRow};
    int left, top, right, bottom;
    if (info->m_selection.GetBoundingRange(&left, &top, &right, &bottom) == 0)
        block = GridRange{left, top, right, bottom};
    block.startColumn = std::max(block.startColumn, 0);
    block.startRow = std::max(block.startRow, 0);
    block.endColumn = std::min(block.endColumn, info->m_columnCount - 1);
    block.endRow = std::min(block.endRow, info->m_rowCount - 1);
    if (block.startColumn > block.endColumn || block.startRow > block.endRow)
        return kNothing;
    gridtext::Block rows;
    CGridCell cell;
    for (int row = block.startRow; row <= block.endRow; ++row) {
        rows.emplace_back();
        for (int column = block.startColumn; column <= block.endColumn; ++column) {
            GetCell(column, row, &cell);
            rows.back().emplace_back(cell.GetText() ? cell.GetText() : "");
        }
    }
    return platform::SetClipboardText(gridtext::JoinBlock(rows)) ? 0 : kNothing;
}

// A pasted text is stored only where an edit could store it.
bool CGridCtrl::MayStore(int column, int row, const std::string& text)
{
    CGridInfo* info = GetGridInfo();
    CGridCell cell;
    GetCell(column, row, &cell);
    if (cell.GetReadOnly())
        return false;
    return info->m_defaultSource->OnEditEnd(column, row, info->m_editor, text, 0) == 1 &&
           OnEditEnd(column, row, info->m_editor, text, 0);
}

int CGridCtrl::PasteFromClipboard()
{
    CGridInfo* info = GetGridInfo();
    int firstColumn = 0, firstRow = 0;
    if (m_editing || FirstSelectedCell(&firstColumn, &firstRow) != 0 || firstColumn < 0 || firstRow < 0)
        return kNothing;
    const std::optional<std::string> text = platform::GetClipboardText();
    if (!text)
        return kNothing;
    const gridtext::Block rows =
        gridtext::SplitBlock(*text, info->m_rowCount - firstRow, info->m_columnCount - firstColumn);
    if (rows.empty())
        return kNothing;
    int lastColumn = firstColumn;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = firstRow + static_cast<int>(r);
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const int column = firstColumn + static_cast<int>(c);
            lastColumn = std::max(lastColumn, column);
            if (MayStore(column, row, rows[r][c]))
                QuickSetText(column, row, rows[r][c].c_str());
        }
    }
    RedrawRange(firstColumn, firstRow, lastColumn, firstRow + static_cast<int>(rows.size()) - 1);
    return 0;
}
