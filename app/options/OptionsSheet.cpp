#include "app/options/OptionsSheet.h"

COptionsSheet::COptionsSheet(std::string caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(std::move(caption), parent, selectPage)
{
    AddPage(&m_bidderInfoPage);
    AddPage(&m_agencyIDPage);
    AddPage(&m_unitsPage);
    AddPage(&m_exportPage);
    AddPage(&m_importPage);
    AddPage(&m_miscPage);
    AddPage(&m_proxyPage);
    m_exportPage.SetOtherPage(&m_importPage);
    m_importPage.SetOtherPage(&m_exportPage);
}
