// Feeds arbitrary bytes to the report template parser and evaluator: once as a template run on
// its own, once as the item template of a paged schedule of items. Only CTemplateError may come
// out, and it must name the template and a place in it.
#include "model/check/Recalc.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/reports/LinePrinter.h"
#include "model/reports/ReportBuilder.h"
#include "model/reports/TemplateError.h"
#include "model/reports/TemplateRunner.h"
#include "model/text/FlagWord.h"
#include "platform/core/PageSink.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

CItem& AddRow(CProp& prop, const char* line, bool section, double quantity, double price)
{
    CItem& row = *prop.m_items.Add(std::make_unique<CItem>());
    ChangeFlagBit(&row.m_wFlags, ITEM_IS_SECTION, section ? 1 : 0);
    row.m_strLineNum = line;
    row.m_strItemNum = std::string("I") + line;
    row.m_fQuan = quantity;
    row.m_fUnitPrice = price;
    row.m_strShortDesc = "A short description that is long enough to wrap over a few lines";
    return row;
}

CProp* MakeFuzzProp()
{
    auto* prop = new CProp();
    prop->m_pBidder = std::make_unique<CBidderInfo>();
    prop->m_pBidder->Set(BIDDER_ID, "B1");
    prop->m_strFurtherReferences[0] = "$";
    prop->m_numberFormats[NUMFMT_AMOUNT] = {12, 2};
    AddRow(*prop, "0010", true, 0, 0);
    AddRow(*prop, "0020", false, 12, 3.5);
    AddRow(*prop, "0030", false, 1, MakeEvalErrorValue()).m_strAltCode = "01A";
    prop->m_sites.Add(std::make_unique<CSite>())->m_strSiteNumber = "1";
    prop->m_notes.Add(std::make_unique<CNote>())->m_strDescription = "Note\nwith two lines";
    ChangeFlagBit(&prop->m_wFlags, PROP_HAS_DBE_FORM, 1);
    prop->m_pDbeForm = std::make_unique<CWinMeta>();
    prop->m_pDbeForm->m_fields.Add(std::make_unique<CFieldInfo>())->m_strName = "Firm";
    prop->m_pDbeForm->AddRow(-1, -1)->m_cells[0]->m_strText = "Firm A";
    prop->m_otherReports.Add(std::make_unique<COtherRpt>())->m_strName = "#1";
    RecalcBidTotals(prop);
    return prop;
}

void CheckError(const CTemplateError& error)
{
    if (error.GetTemplateName().empty() || error.GetLine() < 0 || error.GetColumn() < 0 || error.GetMessage().empty())
        __builtin_trap();
}

void Run(CProp& prop, bool asList)
{
    std::ostringstream out;
    platform::StreamPageSink sink(out);
    OpenTextPrinterSized(0, CTextPrinterTarget{&sink, {}}, 0, 12);
    BeginReport(&prop, 0);
    CReportState& state = GetReportState();
    try {
        if (asList) {
            PrintOtherReport(state, 0);
        } else {
            state.m_iItem = 1;
            state.m_iSection = 0;
            RunTemplate(state, "Fuzz");
        }
    } catch (const CTemplateError& error) {
        CheckError(error);
    }
    CloseTextPrinter(true);
    FreeReportTemplates();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CProp* prop = MakeFuzzProp();
    const std::string text(reinterpret_cast<const char*>(data), size);
    prop->SetPlate("Fuzz", text);
    prop->SetPlate("Report Item", text);
    Run(*prop, false);
    Run(*prop, true);
    FreeEvaluatorSymbols();
    return 0;
}
