#include "controls/grid/GridCellType.h"

#include "controls/grid/GridCell.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/draw/DC.h"

namespace {

// Any distinct values identify the types.
constexpr GridTypeId kNormalId{0x5a, 0x47, 0x52, 0x44, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01};
constexpr GridTypeId kDropListId{0x5a, 0x47, 0x52, 0x44, 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x02};
constexpr GridTypeId kCheckBoxId{0x5a, 0x47, 0x52, 0x44, 0x03, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x03};
constexpr GridTypeId kArrowId{0x5a, 0x47, 0x52, 0x44, 0x04, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x04};

constexpr int kNotHandled = 0;

}  // namespace

const char* CGridCellType::GetTypeName() const { return "Normal Cell Type (default)"; }
const GridTypeId* CGridCellType::GetTypeGuid() const { return &kNormalId; }
int CGridCellType::AdjustTextRect(RECT*) { return kNotHandled; }
int CGridCellType::OnSystemColorsChanged() { return kNotHandled; }
int CGridCellType::OnLeftButton(int, int, int, RECT*, POINT*) { return kNotHandled; }
int CGridCellType::OnRightButton(int, int, int, RECT*, POINT*) { return kNotHandled; }
int CGridCellType::OnDoubleClick(int, int, RECT*, POINT*) { return kNotHandled; }
int CGridCellType::OnKeyDown(int, int, UINT*) { return kNotHandled; }
int CGridCellType::OnCharTyped(int, int, UINT*) { return kNotHandled; }
int CGridCellType::OnMouseMove(int, int, POINT*, UINT) { return kNotHandled; }
int CGridCellType::OnCellEntered(int, int, CGridCell*) { return kNotHandled; }
int CGridCellType::OnCellLeft(int, int, CGridCell*) { return kNotHandled; }

void CGridCellType::GetBestSize(CDC* dc, SIZE* size, CGridCell* cell)
{
    if (cell->GetTextLength() == 0) {
        *size = CSize(9, 5);
        return;
    }
    CFont* font = cell->GetFont();
    if (!font && m_grid)
        font = m_grid->GetGridInfo()->m_defaultFont;
    CFont* previous = font ? dc->SelectObject(font) : nullptr;
    const CSize extent = dc->GetTextExtent(cell->GetText());
    if (previous)
        dc->SelectObject(previous);
    *size = CSize(extent.cx + 6, extent.cy + 2);
}

const char* CGridDropListType::GetTypeName() const { return "Standard DropList"; }
const GridTypeId* CGridDropListType::GetTypeGuid() const { return &kDropListId; }
const char* CGridCheckBoxType::GetTypeName() const { return "Standard CheckBox Type"; }
const GridTypeId* CGridCheckBoxType::GetTypeGuid() const { return &kCheckBoxId; }
const char* CGridArrowType::GetTypeName() const { return "Arrow Type"; }
const GridTypeId* CGridArrowType::GetTypeGuid() const { return &kArrowId; }

const CGridInfo* CGridCellType::Info() const
{
    return m_grid ? m_grid->GetGridInfo() : nullptr;
}

const char* CGridCellType::ShownText(const CGridCell& cell) const
{
    const char* shown = m_showLabel || (cell.GetCellTypeEx() & 8) ? cell.GetLabelText() : cell.GetText();
    return shown ? shown : "";
}
