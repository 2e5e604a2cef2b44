// A proposal whose items, firm forms, bid caps, sites and bond form come from hostile bytes:
// recalculating and checking it never crashes, whatever indices, codes, severities and formulas
// the agency's file holds.
#include "model/check/BidErrors.h"
#include "model/check/CheckBid.h"
#include "model/eval/Evaluator.h"
#include "model/check/FirmCommitments.h"
#include "model/text/FlagWord.h"
#include "model/check/FormChecks.h"
#include "model/records/Prop.h"
#include "model/check/Recalc.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace {

class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    bool AtEnd() const { return m_pos >= m_size; }
    uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    uint16_t Word() { return uint16_t(Byte() | Byte() << 8); }

    std::string Text()
    {
        const size_t length = std::min<size_t>(Byte() % 16, m_size - std::min(m_pos, m_size));
        std::string text(reinterpret_cast<const char*>(m_data + m_pos), length);
        m_pos += length;
        return text;
    }

    // 255 stands for the invalid value.
    double Number()
    {
        const uint8_t byte = Byte();
        return byte == 255 ? MakeEvalErrorValue() : double(int8_t(byte)) * 1.25;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

std::unique_ptr<CWinMeta> ReadForm(ByteReader& in)
{
    auto form = std::make_unique<CWinMeta>();
    form->m_wFlags = in.Word();
    form->m_dGoal = in.Number();
    form->m_bytePair[1] = in.Byte();
    for (int16_t& number : form->m_iGeometry)
        number = int16_t(in.Word());
    form->m_strFirstText = in.Text();
    const int fields = in.Byte() % 6;
    for (int f = 0; f < fields; ++f) {
        CFieldInfo* field = form->m_fields.Add(std::make_unique<CFieldInfo>());
        field->m_iKind = in.Byte() % 12;
        field->m_wFlags = in.Word();
        field->m_strText = in.Text();
    }
    for (uint16_t& column : form->m_wColumnOfId)
        column = in.Byte() < 128 ? in.Byte() % 8 : CWinMeta::kNoColumn;
    const int rows = in.Byte() % 4;
    for (int r = 0; r < rows; ++r) {
        CRowData* row = form->AddRow(-1, in.Byte() % 8);
        row->m_wFlags = in.Word();
        for (const auto& cell : row->m_cells) {
            cell->m_strText = in.Text();
            cell->m_iSelection = int16_t(in.Word());
        }
        const int entries = in.Byte() % 4;
        for (int e = 0; e < entries; ++e) {
            auto entry = std::make_unique<CDBEItem>();
            entry->m_iNumber = int16_t(in.Word());
            entry->m_dQuantity = in.Number();
            entry->m_dExtension = in.Number();
            entry->m_wEntryFlags = in.Word();
            row->m_dbeItems.Add(std::move(entry));
        }
    }
    return form;
}

std::unique_ptr<CProp> ReadProposal(ByteReader& in)
{
    auto prop = std::make_unique<CProp>();
    prop->m_pBidder = std::make_unique<CBidderInfo>();
    prop->m_pBidder->Set(BIDDER_ID, in.Text());
    prop->m_wFlags = in.Word();
    prop->m_wFlags2 = in.Word();
    prop->m_wDisplayFormatFlags = in.Word();
    prop->m_strFurtherReferences[0] = in.Text();
    for (CNumberFormat& format : prop->m_numberFormats)
        format = {uint8_t(in.Byte() % 40), uint8_t(in.Byte() % 20)};
    const int rows = in.Byte();
    for (int r = 0; r < rows && !in.AtEnd(); ++r) {
        auto row = std::make_unique<CItem>();
        row->m_wFlags = in.Word();
        row->m_strLineNum = in.Text();
        row->m_strAltCode = in.Text();
        row->m_strItemNum = in.Text();
        row->m_fQuan = in.Number();
        row->m_fUnitPrice = in.Number();
        prop->m_items.Add(in.Byte() == 7 ? nullptr : std::move(row));
    }
    const int caps = in.Byte() % 4;
    for (int c = 0; c < caps; ++c) {
        CBidCap* cap = prop->GetOrCreateBidCap(in.Text());
        cap->m_iRuleCount = int8_t(in.Byte());
        cap->m_strMinimum[0] = in.Text();
        cap->m_strMaximum[0] = in.Text();
        cap->m_strMessage[0] = in.Text();
    }
    const int sites = in.Byte() % 4;
    for (int s = 0; s < sites; ++s) {
        CSite* site = prop->m_sites.Add(std::make_unique<CSite>());
        site->m_wFlags = in.Word();
        site->m_iNumberOfDays = int16_t(in.Word());
        site->m_dRoadCostPerDay = in.Number();
    }
    prop->m_pDbeForm = ReadForm(in);
    prop->m_pWbeForm = ReadForm(in);
    prop->m_pBondForm = ReadForm(in);
    prop->m_miscForms.Add(ReadForm(in));
    return prop;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ByteReader in(data, size);
    auto prop = ReadProposal(in);
    RecalcBidTotals(prop.get());
    CheckBid(prop.get(), true);
    CheckBid(prop.get(), false);
    for (int row = 0; row < prop->m_items.GetSize(); ++row) {
        GetItemCheckWord(*prop, row);
        GetItemCommittedQuantity(*prop, row);
        if (const CItem* item = prop->m_items.GetAtOrNull(row))
            FormatItemText("%1 %2 %3 %4 %5 %6 %7 %8 %9 %", *item, *prop);
    }
    FindDuplicateLineNumber(*prop);
    ResetBidErrors(true);
    return 0;
}
