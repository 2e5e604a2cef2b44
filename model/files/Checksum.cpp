#include "model/files/Checksum.h"

#include "model/eval/Evaluator.h"
#include "model/files/PackCrc.h"
#include "model/records/Prop.h"

#include <bit>
#include <string_view>

namespace {

// Folds values the way the bid's memory image holds them: numbers as their first bytes in
// little-endian order, texts up to a NUL.
class CChecksumFold {
public:
    void Number(uint64_t value, int bytes)
    {
        for (int i = 0; i < bytes; ++i)
            m_crc = PackCrcUpdateByte(m_crc, uint8_t(value >> (8 * i)));
    }
    void Double(double value) { Number(std::bit_cast<uint64_t>(value), 8); }
    // A number the bidder has not entered is left out.
    void DoubleWhenValid(double value)
    {
        if (IsEvalValueValid(value))
            Double(value);
    }
    void Text(std::string_view text)
    {
        text = text.substr(0, text.find('\0'));
        m_crc = PackCrcUpdate(m_crc, text.data(), text.size());
    }
    uint32_t Value() const { return m_crc; }

private:
    uint32_t m_crc = 0;
};

void FoldHeader(const CProp& prop, CChecksumFold& fold)
{
    fold.Number(uint32_t(prop.m_iAmendmentCount), 2);
    fold.Number(uint32_t(prop.m_iLettingDate), 4);
    fold.Number(uint32_t(prop.m_iDateGenerated), 4);
    fold.Number(uint32_t(prop.m_items.GetSize()), 2);
    fold.Text(prop.m_strLettingId);
    fold.Text(prop.m_strCallOrder);
    fold.Text(prop.m_strContractId);
    for (int text = BIDDER_ID; text < BIDDER_TEXT_COUNT; ++text)
        fold.Text(prop.m_pBidder->m_texts[size_t(text)]);
    fold.Text(prop.m_strSerialNumber);
}

void FoldItems(const CProp& prop, CChecksumFold& fold)
{
    for (const auto& row : prop.m_items) {
        if (!row)
            continue;
        fold.Text(row->m_strLineNum);
        fold.Text(row->m_strAltCode);
        if (row->IsSection())
            continue;
        fold.Text(row->m_strItemNum);
        fold.Text(row->m_strUnit);
        fold.DoubleWhenValid(row->m_fQuan);
        fold.DoubleWhenValid(row->m_fUnitPrice);
        fold.Text(TestFlagBit(row->m_wFlags, ITEM_FIXED_PRICE) ? "3" : "4");
        fold.Text(TestFlagBit(row->m_wFlags, ITEM_LUMP_SUM) ? "5" : "6");
    }
}

void FoldSites(const CProp& prop, CChecksumFold& fold)
{
    for (const auto& site : prop.m_sites) {
        if (!site)
            continue;
        fold.Text(site->m_strSiteNumber);
        fold.DoubleWhenValid(site->m_dRoadCostPerDay);
        fold.Number(uint32_t(site->m_iNumberOfDays), 2);
    }
}

void FoldRow(const CWinMeta& form, const CRowData& row, CChecksumFold& fold)
{
    for (int column = 0; column < form.m_fields.GetSize(); ++column) {
        const CCellData* cell = row.m_cells.GetAtOrNull(column);
        if (!cell)
            continue;
        fold.Text(cell->m_strText);
        fold.Number(uint16_t(cell->m_iSelection), 2);
        fold.Number(cell->m_wFlags, 2);
    }
    if (!TestFlagBit(form.m_wFlags, FORM_ROWS_HAVE_FIRM_ITEMS))
        return;
    for (const auto& entry : row.m_dbeItems) {
        if (!entry)
            continue;
        fold.Number(uint16_t(entry->m_iNumber), 2);
        fold.Double(entry->m_dQuantity);
        fold.Double(entry->m_dUnitPrice);
        fold.Double(entry->m_dExtension);
        fold.Text(entry->m_strNote);
    }
}

void FoldForm(const CWinMeta* form, CChecksumFold& fold)
{
    if (!form)
        return;
    for (const auto& row : form->m_rows)
        if (row)
            FoldRow(*form, *row, fold);
}

void FoldForms(const CProp& prop, CChecksumFold& fold)
{
    if (TestFlagBit(prop.m_wFlags, PROP_HAS_DBE_FORM))
        FoldForm(prop.m_pDbeForm.get(), fold);
    if (TestFlagBit(prop.m_wFlags, PROP_HAS_MBE_FORM))
        FoldForm(prop.m_pMbeForm.get(), fold);
    if (TestFlagBit(prop.m_wFlags, PROP_HAS_WBE_FORM))
        FoldForm(prop.m_pWbeForm.get(), fold);
    if (TestFlagBit(prop.m_wFlags, PROP_HAS_MISC_FORMS))
        for (const auto& form : prop.m_miscForms)
            FoldForm(form.get(), fold);
    if (TestFlagBit(prop.m_wFlags2, PROP2_HAS_BOND_FORM))
        FoldForm(prop.m_pBondForm.get(), fold);
}

} // namespace

uint32_t ComputeProposalChecksum(const CProp* proposal)
{
    if (!proposal || !proposal->m_pBidder || proposal->m_pBidder->Get(BIDDER_ID).empty())
        return 0;
    CChecksumFold fold;
    FoldHeader(*proposal, fold);
    if (TestFlagBit(proposal->m_wFlags, PROP_ITEMS_IN_BID))
        FoldItems(*proposal, fold);
    if (TestFlagBit(proposal->m_wFlags2, PROP2_TIME_COSTS_IN_BID))
        FoldSites(*proposal, fold);
    FoldForms(*proposal, fold);
    return fold.Value();
}
