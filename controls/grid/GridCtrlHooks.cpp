// Default answers of the hooks: questions say yes, notices do nothing.
#include <charconv>
#include <cstring>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"

namespace {
constexpr int kYes = 1;
}

void CGridCtrl::OnSectionFocus(int) {}
void CGridCtrl::OnGridSetup() {}
void CGridCtrl::OnSetupSheet(int) {}
int CGridCtrl::OnCanMoveCell(int, int, int, int) { return kYes; }
int CGridCtrl::OnCanScrollView(int, int, int, int) { return kYes; }
void CGridCtrl::OnPastLastRow(int, int, int) {}
void CGridCtrl::OnBeforeFirstRow(int, int) {}
int CGridCtrl::OnCanSizeColumn(int) { return kYes; }
void CGridCtrl::OnColumnSizing(int, int*) {}
void CGridCtrl::OnColumnSized(int, int*) {}
int CGridCtrl::OnCanSizeRow(int) { return kYes; }
void CGridCtrl::OnRowSizing(int, int*) {}
void CGridCtrl::OnRowSized(int, int*) {}
int CGridCtrl::OnCanSizeTopHeading() { return kYes; }
int CGridCtrl::OnCanSizeSideHeading() { return kYes; }
int CGridCtrl::OnTopHeadingSizing(int*) { return kYes; }
int CGridCtrl::OnSideHeadingSizing(int*) { return kYes; }
int CGridCtrl::OnTopHeadingSized(int*) { return kYes; }
int CGridCtrl::OnSideHeadingSized(int*) { return kYes; }
void CGridCtrl::OnCurrentColumnChanged(int, int) {}
void CGridCtrl::OnCurrentRowChanged(int, int) {}
void CGridCtrl::OnCurrentCellChanged(int, int, int, int) {}
void CGridCtrl::OnLeftColumnChanged(int, int) {}
void CGridCtrl::OnTopRowChanged(int, int) {}
void CGridCtrl::OnCellLeftClick(int, int, int, RECT*, POINT*, int) {}
void CGridCtrl::OnCellRightClick(int, int, int, RECT*, POINT*, int) {}
void CGridCtrl::OnCellDoubleClick(int, int, RECT*, POINT*, int) {}
void CGridCtrl::OnCellMouseMove(int, int, POINT*, UINT, int) {}
void CGridCtrl::OnColumnHeadingLeftClick(int, int, int, RECT*, POINT*, int) {}
void CGridCtrl::OnColumnHeadingRightClick(int, int, int, RECT*, POINT*, int) {}
void CGridCtrl::OnColumnHeadingDoubleClick(int, int, RECT*, POINT*, int) {}
void CGridCtrl::OnRowHeadingLeftClick(int, int, int, RECT*, POINT*, int) {}
void CGridCtrl::OnRowHeadingRightClick(int, int, int, RECT*, POINT*, int) {}
void CGridCtrl::OnRowHeadingDoubleClick(int, int, RECT*, POINT*, int) {}
void CGridCtrl::OnCornerLeftClick(int, RECT*, POINT*, int) {}
void CGridCtrl::OnCornerRightClick(int, RECT*, POINT*, int) {}
void CGridCtrl::OnCornerDoubleClick(RECT*, POINT*, int) {}
void CGridCtrl::OnGridKeyDown(UINT*, int) {}
void CGridCtrl::OnGridChar(UINT*, int) {}
void CGridCtrl::OnBeforeGetCell(int, int, CGridCell*) {}
void CGridCtrl::OnBeforeSetCell(int, int, CGridCell*) {}
void CGridCtrl::OnDataSourceNotice(CGridDataSource*, int, intptr_t) {}
int CGridCtrl::OnCellTypeNotice(int, int, int, int, intptr_t) { return kYes; }
int CGridCtrl::OnEditBegin(int, int, CWnd**) { return kYes; }
int CGridCtrl::OnEditKey(int, int, CWnd*, UINT*) { return kYes; }
int CGridCtrl::OnEditEnd(int, int, CWnd*, const std::string&, int) { return kYes; }
int CGridCtrl::OnEditNextCell(int, int, int*, int*) { return kYes; }
void CGridCtrl::OnPopupMenuCommand(int, int, int, UINT) {}
int CGridCtrl::OnPopupMenuShow(int, int, int) { return kYes; }

int CGridCtrl::OnCellHintText(int column, int row, int, std::string* text)
{
    *text = "Col:" + std::to_string(column) + " Row:" + std::to_string(row);
    return kYes;
}

int CGridCtrl::OnVerticalThumbHint(int, std::string*) { return kYes; }
int CGridCtrl::OnHorizontalThumbHint(int, std::string*) { return kYes; }
void CGridCtrl::OnPrepareScreenDC(CDC*, CDC*, int) {}
void CGridCtrl::OnLayoutComponents(RECT*, RECT*, RECT*, RECT*, RECT*, RECT*, RECT*) {}
void CGridCtrl::OnSheetTabSelected(int) {}

COLORREF CGridCtrl::OnDefaultBackColor(int section)
{
    return GetSysColor(section == GRID_SECTION_CELLS ? COLOR_WINDOW : COLOR_BTNFACE);
}

void CGridCtrl::OnDrawFocusFrame(CDC* dc, RECT* rect)
{
    CRect frame(*rect);
    frame.right -= 1;
    frame.bottom -= 1;
    dc->DrawFocusRect(&frame);
}

void CGridCtrl::OnSectionFocusLost(int) {}
int CGridCtrl::OnCanStartColumnDrag(int) { return kYes; }
int CGridCtrl::OnCanDropColumn(int, int) { return kYes; }
void CGridCtrl::OnTrackingWindowMoved(RECT*, RECT*) {}
