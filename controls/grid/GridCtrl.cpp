// The control's life: construction, its section windows, sheets, and its own messages.
#include "controls/grid/GridCtrl.h"

#include "controls/grid/GridArea.h"
#include "controls/grid/GridDataSource.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/GridRedrawList.h"
#include "controls/grid/GridSections.h"
#include "platform/ui/dialogs/FindReplaceDialog.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/SystemMetrics.h"

namespace {

constexpr DWORD kSectionStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kEditorStyle = WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL;
constexpr UINT kDlgCodeArrowsAndAll = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
constexpr UINT kFirstPopupCommand = 1000;

}  // namespace

CGridCtrl::CGridCtrl()
    : m_cellArea(std::make_unique<CGridArea>()),
      m_topHeading(std::make_unique<CGridTopHdg>()),
      m_sideHeading(std::make_unique<CGridSideHdg>()),
      m_cornerButton(std::make_unique<CGridCnrBtn>()),
      m_vScroll(std::make_unique<CGridVScroll>()),
      m_hScroll(std::make_unique<CGridHScroll>()),
      m_tab(std::make_unique<CGridTab>()),
      m_hint(std::make_unique<CGridHint>()),
      m_editor(std::make_unique<CGridEdit>()),
      m_whitePen(PS_SOLID, 1, RGB(255, 255, 255)),
      m_shadowPen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW))
{
    m_editor->SetGrid(this);
    m_popupMenu.CreatePopupMenu();
    // Still under construction: only this class's own sheet hook runs.
    SetNumberSheets(1);
    AddCellType(&m_normalType);
    AddCellType(&m_dropListType);
    AddCellType(&m_checkBoxType);
    AddCellType(&m_arrowType);
    m_paintEnabled = 1;
}

CGridCtrl::~CGridCtrl()
{
    // Sections go before the sheets they point at.
    m_findDialog.reset();
    m_editor.reset();
    m_hint.reset();
    m_tab.reset();
    m_hScroll.reset();
    m_vScroll.reset();
    m_cornerButton.reset();
    m_sideHeading.reset();
    m_topHeading.reset();
    m_cellArea.reset();
}

bool CGridCtrl::Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                       CWnd* parent, UINT id)
{
    return CWnd::Create(className, windowName, style | WS_CLIPCHILDREN, rect, parent, id);
}

int CGridCtrl::OnCreate(CREATESTRUCT* create)
{
    if (CWnd::OnCreate(create) == -1)
        return -1;
    CreateSections();
    return 0;
}

int CGridCtrl::AttachToDialogItem(UINT id, CWnd* parent)
{
    // The grid takes over the dialog's own window for the item, keeping its place and id.
    if (IsWindow() || !SubclassDlgItem(id, parent))
        return 1;
    ModifyStyle(0, WS_CLIPCHILDREN | WS_BORDER | WS_TABSTOP);
    CreateSections();
    OnGridSetup();
    OnSetupSheet(0);
    return 0;
}

void CGridCtrl::CreateSections()
{
    const CRect none;
    m_cellArea->Create(nullptr, nullptr, kSectionStyle, none, this, GRID_SECTION_CELLS);
    m_topHeading->Create(nullptr, nullptr, kSectionStyle, none, this, GRID_SECTION_TOP_HEADING);
    m_sideHeading->Create(nullptr, nullptr, kSectionStyle, none, this, GRID_SECTION_SIDE_HEADING);
    m_cornerButton->Create(nullptr, nullptr, kSectionStyle, none, this, GRID_SECTION_CORNER);
    m_hScroll->Create(nullptr, nullptr, kSectionStyle | SBS_HORZ, none, this, GRID_SECTION_HSCROLL);
    m_vScroll->Create(nullptr, nullptr, kSectionStyle | SBS_VERT, none, this, GRID_SECTION_VSCROLL);
    m_tab->Create(nullptr, nullptr, kSectionStyle, none, this, GRID_SECTION_TABS);
    m_hint->Create(this);
    m_editor->Create(nullptr, nullptr, kEditorStyle, none, this, kEditorId);
    HandSettingsToSections();
    RecalcLayout();
}

void CGridCtrl::HandSettingsToSections()
{
    CGridInfo* info = GetGridInfo();
    info->m_editor = m_editor.get();
    m_cellArea->SetGrid(this, info);
    m_topHeading->SetGrid(this, info);
    m_sideHeading->SetGrid(this, info);
    m_cornerButton->SetGrid(this, info);
    m_vScroll->SetGrid(this, info);
    m_hScroll->SetGrid(this, info);
    m_tab->SetGrid(this, info);
}

std::unique_ptr<CGridInfo> CGridCtrl::MakeSheet()
{
    auto info = std::make_unique<CGridInfo>(this);
    info->m_editor = m_editor.get();
    return info;
}

int CGridCtrl::SetNumberSheets(int count)
{
    if (count < 1 || count > kMaxSheets)
        return 1;
    const int oldCount = GetNumberSheets();
    if (count < oldCount) {
        m_sheets.resize(count);
        if (m_currentSheet >= count) {
            m_currentSheet = count - 1;
            HandSettingsToSections();
        }
        return 0;
    }
    const int current = m_currentSheet;
    for (int sheet = oldCount; sheet < count; ++sheet) {
        m_sheets.push_back(MakeSheet());
        // The hook sets the new sheet up through the usual operations, so it is current meanwhile.
        m_currentSheet = sheet;
        HandSettingsToSections();
        OnSetupSheet(sheet);
    }
    m_currentSheet = oldCount > 0 ? current : 0;
    HandSettingsToSections();
    return 0;
}

int CGridCtrl::SetSheetNumber(int index, int redraw)
{
    if (index < 0 || index >= GetNumberSheets())
        return 1;
    if (m_cellArea->IsWindow())
        m_cellArea->SetFocus();
    if (!redraw)
        m_paintEnabled = 0;
    const int tabWidth = GetGridInfo()->m_tabWidth;
    m_currentSheet = index;
    CGridInfo* info = GetGridInfo();
    info->m_tabWidth = tabWidth;
    HandSettingsToSections();
    info->m_previousLeftColumn = -1;
    info->m_previousTopRow = -1;
    RecalcLayout();
    m_paintEnabled = 1;
    if (redraw)
        RedrawAll();
    return 0;
}

void CGridCtrl::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    Invalidate();
    m_paintEnabled = 0;
    RecalcLayout();
    m_paintEnabled = 1;
}

// The sections paint themselves whenever they show; the control fills what they leave.
void CGridCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
}

void CGridCtrl::OnSetFocus(CWnd* losing)
{
    CWnd::OnSetFocus(losing);
    if (m_cellArea->IsWindow())
        m_cellArea->SetFocus();
}

UINT CGridCtrl::OnGetDlgCode()
{
    return kDlgCodeArrowsAndAll;
}

bool CGridCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (id >= kFirstPopupCommand)
        OnPopupMenuCommand(m_menuColumn, m_menuRow, m_menuSection, id);
    return CWnd::OnCommand(wParam, lParam);
}

void CGridCtrl::OnHScroll(UINT code, UINT position, CScrollBar*)
{
    m_hScroll->OnScroll(code, position);
}

void CGridCtrl::OnVScroll(UINT code, UINT position, CScrollBar*)
{
    m_vScroll->OnScroll(code, position);
}

LRESULT CGridCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    static const UINT findReplace = RegisterWindowMessage(FINDMSGSTRING);
    if (message == findReplace)
        return OnFindReplace(CFindReplaceDialog::GetNotifier(lParam));
    return CWnd::OnMessage(message, wParam, lParam);
}

int CGridCtrl::SetDoubleBuffer(int mode)
{
    return m_cellArea->SetDoubleBuffer(mode);
}

int CGridCtrl::StartMenu(int column, int row, POINT* point, int section)
{
    if (!GetGridInfo()->m_popupMenu)
        return 1;
    if (column >= 0 && row >= 0 && column < GetColumnCount() && row < GetRowCount()) {
        GridRange block;
        GetJoinBlock(column, row, &block);
        column = block.startColumn;
        row = block.startRow;
    }
    if (!OnPopupMenuShow(column, row, section))
        return 2;
    m_menuColumn = column;
    m_menuRow = row;
    m_menuSection = section;
    const CPoint at = point ? CPoint(*point) : CPoint();
    return m_popupMenu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, this) ? 0 : 3;
}
