#pragma once

#include "bench/generator/AgencyTemplates.h"
#include "model/check/Recalc.h"
#include "model/records/Prop.h"
#include "model/reports/LinePrinter.h"
#include "model/reports/ReportBuilder.h"
#include "model/reports/ReportPages.h"
#include "model/reports/TemplateRunner.h"
#include "platform/core/PageSink.h"
#include "tests/model/support/BidTestSupport.h"

#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>

// A small proposal with something in every part a report prints: header texts, the bidder,
// sections with plain, alternate, option, lump-sum, fixed-price and unpriced items, long
// descriptions, sites, counties, addendum notes, a DBE form with firms and firm items and a
// bond form. Recalculated.
inline std::unique_ptr<CProp> MakeReportProp()
{
    auto prop = MakeBidProp();
    prop->m_strAgencyId = "DOT";
    prop->m_strContractId = "C-1001";
    prop->m_strCallOrder = "007";
    prop->m_strLettingId = "L2024-05";
    prop->m_iLettingDate = 1716912000; // 2024-05-28 16:00 UTC
    prop->m_strDescription = "Resurfacing of Route 9 between the county line and Mill Creek, "
                             "with guard rail and drainage repairs.";
    prop->m_pBidder->Set(BIDDER_NAME, "Acme Paving");
    prop->m_pBidder->Set(BIDDER_CITY, "Springfield");
    prop->m_dwStoredChecksum = 0x00C0FFEE;
    ChangeFlagBit(&prop->m_wFlags, PROP_ITEMS_IN_BID, 1);
    ChangeFlagBit(&prop->m_wFlags2, PROP2_TIME_COSTS_IN_BID, 1);

    AddSection(*prop, "0010").m_strLongDesc = "Earthwork";
    AddItem(*prop, "0020", 1250, 12.5).m_strShortDesc = "Excavation, unclassified";
    CItem& lump = AddItem(*prop, "0030", 1, 4800);
    lump.m_strShortDesc = "Mobilization";
    ChangeFlagBit(&lump.m_wFlags, ITEM_LUMP_SUM, 1);
    lump.m_strUnit = "LS";
    AddItem(*prop, "0040", 300, -1).m_strShortDesc = "Borrow, not priced";
    AddSection(*prop, "0050").m_strLongDesc = "Pavement";
    CItem& paving = AddItem(*prop, "0060", 5400.5, 88.125);
    paving.m_strShortDesc = "Hot mix asphalt surface course, 2 inch, including tack coat and joint sealing";
    paving.m_strLongDesc = "Hot mix asphalt surface course placed in one lift of two inches, including tack "
                           "coat, longitudinal joint sealing and all incidentals.";
    paving.m_strUnit = "TON";
    AddItem(*prop, "0070", 40, 150, "01A", ITEM_IS_ALTERNATE).m_strShortDesc = "Guard rail, steel";
    AddItem(*prop, "0080", 40, 120, "01B", ITEM_IS_ALTERNATE).m_strShortDesc = "Guard rail, cable";
    CItem& fixed = AddItem(*prop, "0090", 10, 25);
    fixed.m_strShortDesc = "Force account";
    ChangeFlagBit(&fixed.m_wFlags, ITEM_FIXED_PRICE, 1);

    for (int s = 0; s < 2; ++s) {
        CSite& site = *prop->m_sites.Add(std::make_unique<CSite>());
        site.m_strSiteNumber = std::to_string(s + 1);
        site.m_iNumberOfDays = 30 + 15 * s;
        site.m_dRoadCostPerDay = 500;
        site.m_strDescription = s == 0 ? "Route 9 north" : "Mill Creek bridge approach";
        ChangeFlagBit(&site.m_wFlags, SITE_BIDDABLE, 1);
    }
    for (const char* name : {"Adams", "Brown"}) {
        CCounty& county = *prop->m_counties.Add(std::make_unique<CCounty>());
        county.m_strCountyId = std::string(name).substr(0, 2);
        county.m_strCountyName = name;
    }
    for (int n = 1; n <= 2; ++n) {
        CNote& note = *prop->m_notes.Add(std::make_unique<CNote>());
        note.m_iAmendmentNumber = n;
        note.m_strDescription = n == 1 ? "Revised quantities" : "Added guard rail alternate";
    }

    CWinMeta& form = AddFirmForm(*prop, FIRM_DBE);
    form.m_fields[0]->m_strName = "FirmName";
    form.m_fields[1]->m_strName = "Amount";
    form.m_fields[2]->m_strName = "Type";
    form.m_dGoal = 5;
    AddFirm(form, "$20,000.00").m_cells[0]->m_strText = "Blue Line Striping";
    AddFirm(form, "$9,000.00", "Supplier").m_cells[0]->m_strText = "Rock Supply Co";
    auto entry = std::make_unique<CDBEItem>();
    entry->m_iNumber = 5; // the paving item
    entry->m_dQuantity = 100;
    entry->m_dUnitPrice = 88.125;
    entry->m_dExtension = 8812.5;
    form.m_rows[0]->m_dbeItems.Add(std::move(entry));

    RecalcBidTotals(prop.get());
    return prop;
}

// Runs `text` as a template of an other report (so no footer is measured and no check run) into
// a stream of pages of `columns` (0: 80); `setup` may set the report's current rows first. The
// output without its last form feed.
inline std::string RenderTemplate(CProp& prop, const std::string& text,
                                  const std::function<void(CReportState&)>& setup = {}, int columns = 0)
{
    prop.SetPlate("Test Template", text);
    std::ostringstream out;
    platform::StreamPageSink sink(out);
    OpenTextPrinterSized(0, CTextPrinterTarget{&sink, {}}, columns, 0);
    BeginReport(&prop, 0);
    if (setup)
        setup(GetReportState());
    try {
        RunTemplate(GetReportState(), "Test Template");
    } catch (...) {
        CloseTextPrinter(false);
        FreeReportTemplates();
        throw;
    }
    CloseTextPrinter(true);
    FreeReportTemplates();
    std::string result = out.str();
    if (!result.empty() && result.back() == '\f')
        result.pop_back();
    return result;
}

// The row index of the item with that line number.
inline int RowOfLine(const CProp& prop, std::string_view line)
{
    for (int i = 0; i < prop.m_items.GetSize(); ++i)
        if (prop.m_items[i]->m_strLineNum == line)
            return i;
    return -1;
}

inline std::string ReadFixture(const std::string& name)
{
    std::ifstream in(std::string(ZOD_FIXTURES) + "/reports/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

using PageLines = std::vector<std::vector<std::string>>;

inline PageLines LinesOf(const CReportPages& pages)
{
    PageLines lines;
    for (int page = 1; page <= pages.PageCount(); ++page)
        lines.emplace_back(pages.Page(page).begin(), pages.Page(page).end());
    return lines;
}

// The report through BuildReportPages and a stream sink: what a text-mode report file holds.
inline std::string ReportText(CProp& prop, int kind, int lines = 0)
{
    CReportPages pages;
    CReportRequest request;
    request.m_iKind = kind;
    request.m_strSigner = "Pat Doe";
    request.m_iLines = lines;
    if (const auto error = BuildReportPages(prop, request, pages))
        return std::string("error: ") + error->what();
    std::ostringstream out;
    platform::StreamPageSink sink(out);
    SendReportPages(pages, sink);
    return out.str();
}

// The pieces between separators, blanks and all; "" gives one empty piece.
inline std::vector<std::string> SplitText(std::string_view text, char separator)
{
    std::vector<std::string> pieces;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        pieces.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return pieces;
        start = end + 1;
    }
}

