#include "app/options/OptionsGridPage.h"

#include "app/options/OptionsCommonGrid.h"
#include "controls/grid/GridArea.h"
#include "platform/ui/dialogs/ModalServices.h"

BEGIN_MESSAGE_MAP(COptionsGridPage, CPropertyPage)
    ON_BN_CLICKED(IDC_INSERT_ROW, OnInsertRow)
    ON_BN_CLICKED(IDC_DELETE_ROW, OnDeleteRow)
    ON_BN_CLICKED(IDC_ROW_UP, OnRowUp)
    ON_BN_CLICKED(IDC_ROW_DOWN, OnRowDown)
END_MESSAGE_MAP()

COptionsGridPage::COptionsGridPage(UINT templateId, std::string caption)
    : CPropertyPage(templateId, std::move(caption))
{
}

bool COptionsGridPage::OnSetActive()
{
    const bool shown = CPropertyPage::OnSetActive();
    GetGrid().RedrawAll();
    return shown;
}

bool COptionsGridPage::AttachGrid()
{
    return GetGrid().AttachToDialogItem(IDC_GRID, this) == 0;
}

void COptionsGridPage::OnGridButton()
{
    SetModified();
}

bool COptionsGridPage::OnKillActive()
{
    GetGrid().FinishEdit();
    if (const std::optional<std::string> problem = ProblemWithRows()) {
        AfxMessageBox(*problem, MB_OK | MB_ICONEXCLAMATION);
        if (CGridArea* cells = GetGrid().GetCellArea())
            cells->SetFocus();
        return false;
    }
    return CPropertyPage::OnKillActive();
}

void COptionsGridPage::OnInsertRow()
{
    GetGrid().InsertRowAtCurrent();
    AfterButton();
}

void COptionsGridPage::OnDeleteRow()
{
    GetGrid().DeleteCurrentRow();
    AfterButton();
}

void COptionsGridPage::OnRowUp()
{
    GetGrid().MoveCurrentRow(-1);
    AfterButton();
}

void COptionsGridPage::OnRowDown()
{
    GetGrid().MoveCurrentRow(1);
    AfterButton();
}

void COptionsGridPage::AfterButton()
{
    if (CGridArea* cells = GetGrid().GetCellArea())
        cells->SetFocus();
    OnGridButton();
}
