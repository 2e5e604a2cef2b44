#pragma once

// The program's options, page by page: the company, the bidder IDs per agency, the unit
// conversion table, the export and import layouts, the switches and colours, and the proxy.
// OK and Apply have every page made so far store its settings. A command shows it with
//     COptionsSheet sheet("ZOD Options", AfxGetMainWnd());
//     sheet.DoModal();
#include "app/options/OptionsAgencyIDPage.h"
#include "app/options/OptionsBidderInfoPage.h"
#include "app/options/OptionsIOPage.h"
#include "app/options/OptionsMiscPage.h"
#include "app/options/OptionsProxyPage.h"
#include "app/options/OptionsUnitsPage.h"

class COptionsSheet : public CPropertySheet {
public:
    explicit COptionsSheet(std::string caption, CWnd* parent = nullptr, UINT selectPage = 0);

    COptionsBidderInfoPage m_bidderInfoPage;
    COptionsAgencyIDPage m_agencyIDPage;
    COptionsUnitsPage m_unitsPage;
    COptionsExportPage m_exportPage;
    COptionsImportPage m_importPage;
    COptionsMiscPage m_miscPage;
    COptionsProxyPage m_proxyPage;
};
