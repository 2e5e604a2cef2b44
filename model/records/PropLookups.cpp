#include "model/eval/Evaluator.h"
#include "model/text/FlagWord.h"
#include "model/text/NumberFormat.h"
#include "model/records/Prop.h"
#include "model/text/TextUtil.h"

#include <array>
#include <memory>

namespace {

CPlate* StorePlate(CDataMap<CPlate>& plates, std::string_view name, std::string_view text)
{
    CPlate* plate = plates.SetAt(name, std::make_unique<CPlate>());
    plate->m_strText = text;
    return plate;
}

} // namespace

std::string CProp::GetFilePathPart(int flags) const
{
    return SplitPath(m_strFilePath, flags);
}

CPlate* CProp::SetPlate(std::string_view name, std::string_view text)
{
    return StorePlate(m_plates, name, text);
}

CPlate* CProp::SetDefaultTemplate(std::string_view name, std::string_view text)
{
    return StorePlate(m_defaultTemplates, name, text);
}

bool CProp::RenamePlate(std::string_view newName, std::string_view oldName)
{
    if (!m_plates.Lookup(oldName))
        return false;
    if (newName == oldName)
        return true;
    m_plates.SetAt(newName, m_plates.Detach(oldName));
    return true;
}

CSAStringArray* CProp::GetPickList(std::string_view name, int selector) const
{
    return (selector == 0 ? m_referenceLists : m_secondLists).Lookup(name);
}

CSAStringArray* CProp::NewPickList(std::string_view name, int selector)
{
    return (selector == 0 ? m_referenceLists : m_secondLists).NewList(name);
}

CBidCap* CProp::GetOrCreateBidCap(std::string_view name)
{
    if (CBidCap* existing = m_bidCaps.Lookup(name))
        return existing;
    CBidCap* cap = m_bidCaps.SetAt(name, std::make_unique<CBidCap>());
    cap->m_strName = name;
    return cap;
}

void CProp::NormalizeUnitPrices()
{
    for (const auto& item : m_items)
        if (item && !item->IsSection())
            item->m_fUnitPrice = NormalizedUnitPrice(item->m_fUnitPrice);
}

double CProp::NormalizedUnitPrice(double price) const
{
    return NormalizedUnitPrice(price, m_numberFormats[NUMFMT_UNIT_PRICE].m_byDecimals);
}

double CProp::NormalizedUnitPrice(double price, int decimals) const
{
    price = RoundToDecimals(price, decimals);
    if ((price == 0 && !TestFlagBit(m_wNumberFormatFlags, NUMFMT_ZERO_PRICE_ALLOWED)) ||
        (price < 0 && !TestFlagBit(m_wNumberFormatFlags, NUMFMT_NEGATIVE_PRICE_ALLOWED)))
        return MakeEvalErrorValue();
    return price;
}

namespace {

// What the firms of one form committed of the item with that line number: quantity and amount.
void SubtractCommitments(const CWinMeta* form, std::string_view line, double& quantity, double& amount)
{
    if (!form)
        return;
    for (const auto& row : form->m_rows) {
        const CDBEItem* entry = row ? row->FindDbeItemByLine(line) : nullptr;
        if (!entry || TestFlagBit(entry->m_wEntryFlags, DBEITEM_NOT_COUNTED))
            continue;
        quantity -= entry->m_dQuantity;
        amount -= entry->m_dExtension;
    }
}

struct Remaining {
    double quantity;
    double amount;
};

Remaining Uncommitted(const CProp& prop, const CItem& item, int mode)
{
    Remaining left{item.m_fQuan, item.m_fExtension};
    const std::array<const CWinMeta*, 2> forms =
        mode == 1 ? std::array<const CWinMeta*, 2>{prop.m_pDbeForm.get(), nullptr}
                  : std::array<const CWinMeta*, 2>{prop.m_pMbeForm.get(), prop.m_pWbeForm.get()};
    for (const CWinMeta* form : forms)
        SubtractCommitments(form, item.m_strLineNum, left.quantity, left.amount);
    return left;
}

} // namespace

double CProp::GetUncommittedQuantity(const CItem* item, int mode) const
{
    return item ? Uncommitted(*this, *item, mode).quantity : 0;
}

double CProp::GetUncommittedAmount(const CItem* item, int mode) const
{
    return item ? Uncommitted(*this, *item, mode).amount : 0;
}

CItemColumnContext CProp::GetItemColumnContext() const
{
    CItemColumnContext context;
    context.lettingDate = m_iLettingDate;
    context.lettingId = m_strLettingId;
    context.callOrder = m_strCallOrder;
    context.contractId = m_strContractId;
    context.quantityWidth = m_numberFormats[NUMFMT_QUANTITY].m_byWidth;
    context.quantityDecimals = m_numberFormats[NUMFMT_QUANTITY].m_byDecimals;
    context.priceWidth = m_numberFormats[NUMFMT_UNIT_PRICE].m_byWidth;
    context.priceDecimals = m_numberFormats[NUMFMT_UNIT_PRICE].m_byDecimals;
    return context;
}

const std::string& CProp::GetCurrencySymbol(int selector) const
{
    return m_strFurtherReferences[selector == 0 ? 0 : 1];
}

CWinMeta* CProp::GetDbeForm(int firmType) const
{
    switch (firmType) {
    case FIRM_DBE: return m_pDbeForm.get();
    case FIRM_MBE: return m_pMbeForm.get();
    case FIRM_WBE: return m_pWbeForm.get();
    default: return nullptr;
    }
}
