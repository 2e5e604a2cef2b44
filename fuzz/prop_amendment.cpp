// Amendments from hostile files: whatever an amendment proposal holds (its number, flags, identity,
// marker texts, anchors, forms present or missing, field tables, lists), applying it to a bid never
// crashes; a refused or failed amendment leaves the bid exactly as it was, and an applied one
// leaves no unchanged marker in the bid's header or items.
#include "bench/generator/ProposalDifferences.h"
#include "bench/generator/ProposalGenerator.h"
#include "model/amend/ChangeLog.h"
#include "model/records/Prop.h"
#include "model/records/RecordText.h"
#include "model/text/FatalError.h"
#include "model/text/FlagWord.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Small numbers and short byte strings, taken from the front of the input.
class Input {
public:
    Input(const uint8_t* data, size_t size) : m_rest(reinterpret_cast<const char*>(data), size) {}

    bool Empty() const { return m_rest.empty(); }

    int Take(int limit)
    {
        if (m_rest.empty())
            return 0;
        const int value = static_cast<uint8_t>(m_rest.front()) % limit;
        m_rest.remove_prefix(1);
        return value;
    }

    std::string Bytes()
    {
        const size_t count = std::min<size_t>(size_t(Take(24)), m_rest.size());
        std::string bytes(m_rest.substr(0, count));
        m_rest.remove_prefix(count);
        return bytes;
    }

private:
    std::string_view m_rest;
};

const CProp& Published()
{
    static const auto published = GenerateProposal(
        {.m_items = 30, .m_itemsPerSection = 10, .m_bidCapEvery = 4, .m_firms = 3, .m_firmItemsPerFirm = 4, .m_sites = 2});
    return *published;
}

std::string& HeaderText(CProp& p, int which)
{
    std::string* texts[] = {&p.m_strCallOrder, &p.m_strContractId, &p.m_strDescription, &p.m_strSerialNumber,
                            &p.m_strAmendmentMatchKey, &p.m_strAgencyId, &p.m_strReferenceData[2], &p.m_strSubmitUrls[3]};
    return *texts[which % std::size(texts)];
}

CWinMeta* Form(CProp& p, int which)
{
    CWinMeta* forms[] = {p.m_pDbeForm.get(), p.m_pMbeForm.get(), p.m_pWbeForm.get(), p.m_pBondForm.get(),
                         p.m_miscForms.GetAtOrNull(0), p.m_miscForms.GetAtOrNull(1)};
    return forms[which % std::size(forms)];
}

void ChangeItem(CProp& p, Input& in)
{
    if (in.Take(4) == 0 || p.m_items.IsEmpty()) {
        auto row = std::make_unique<CItem>();
        row->m_strLineNum = in.Bytes();
        row->m_wFlags = uint16_t(in.Take(256) << in.Take(9));
        p.m_items.InsertAt(in.Take(p.m_items.GetSize() + 1), std::move(row));
        return;
    }
    const int index = in.Take(p.m_items.GetSize());
    CItem& row = *p.m_items[index];
    switch (in.Take(5)) {
    case 0: p.m_items.DeleteAt(index); break;
    case 1: row.m_strLineNum = in.Bytes(); break;
    case 2: ChangeFlagBit(&row.m_wFlags, in.Take(16), 2); break;
    case 3: row.m_strItemNum = std::string(kUnchangedText); break;
    default: row.m_fQuan = in.Take(256) - 128; break;
    }
}

void ChangeForm(CProp& p, Input& in)
{
    const int which = in.Take(6);
    CWinMeta* form = Form(p, which);
    if (!form || in.Take(5) == 0) {
        auto fresh = std::make_unique<CWinMeta>();
        switch (which) {
        case 0: p.m_pDbeForm = in.Take(2) ? std::move(fresh) : nullptr; break;
        case 3: p.m_pBondForm = in.Take(2) ? std::move(fresh) : nullptr; break;
        case 4: p.m_miscForms.Add(std::move(fresh)); break;
        default: p.m_miscForms.DeleteAt(p.m_miscForms.GetSize() - 1); break;
        }
        return;
    }
    switch (in.Take(4)) {
    case 0: form->m_wColumnOfId[size_t(in.Take(CWinMeta::kFieldIdCount))] = uint16_t(in.Take(256) * 257); break;
    case 1: form->m_fields.Add(std::make_unique<CFieldInfo>())->m_strName = in.Bytes(); break;
    case 2: form->m_wFlags = uint16_t(in.Take(256) << in.Take(9)); break;
    default:
        if (CFieldInfo* field = form->m_fields.GetAtOrNull(in.Take(8)))
            field->m_data.MarkUnchanged();
        break;
    }
}

void ChangeList(CProp& p, Input& in)
{
    switch (in.Take(6)) {
    case 0: p.m_sites.DeleteAt(in.Take(4)); break;
    case 1: p.m_notes.Add(std::make_unique<CNote>())->m_strDescription = in.Bytes(); break;
    case 2: p.m_counties.Add(std::make_unique<CCounty>())->m_strCountyName = in.Bytes(); break;
    case 3: p.GetOrCreateBidCap(in.Bytes())->m_strMaximum[size_t(in.Take(5))] = in.Bytes(); break;
    case 4: p.SetPlate(in.Bytes(), in.Bytes()); break;
    default: p.NewPickList(in.Bytes(), 0)->Add(in.Bytes()); break;
    }
}

// One edit as a hostile file might hold it.
void Change(CProp& p, Input& in)
{
    switch (in.Take(7)) {
    case 0: p.m_iAmendmentCount = in.Take(5) - 1; break;
    case 1: ChangeFlagBit(in.Take(2) ? &p.m_wFlags : &p.m_wFlags2, in.Take(16), 2); break;
    case 2: HeaderText(p, in.Take(16)) = in.Take(3) ? in.Bytes() : std::string(kUnchangedText); break;
    case 3: p.m_iLettingDate += (in.Take(5) - 2) * 43200; break;
    case 4: ChangeItem(p, in); break;
    case 5: ChangeForm(p, in); break;
    default: ChangeList(p, in); break;
    }
}

bool HoldsMarkers(const CProp& p)
{
    for (const std::string& text : {p.m_strCallOrder, p.m_strDescription, p.m_strSerialNumber, p.m_strAgencyId})
        if (IsUnchangedMarker(text))
            return true;
    for (const auto& row : p.m_items)
        if (row && (IsUnchangedMarker(row->m_strItemNum) || IsUnchangedMarker(row->m_strShortDesc)))
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in(data, size);
    auto amendment = CProp::MakeWholeCopy(Published());
    amendment->m_iAmendmentCount = 1;
    for (int edits = in.Take(8); edits > 0; --edits)
        Change(*amendment, in);
    // Made the agency's way, then tampered with, or taken as it stands.
    if (in.Take(2))
        amendment->ReduceToChanges(&Published());
    while (!in.Empty())
        Change(*amendment, in);

    auto bid = CProp::MakeWholeCopy(Published());
    const auto before = CProp::MakeWholeCopy(*bid);
    CreateAmendmentLog();
    unsigned result = 0;
    try {
        result = bid->ExchangeWithLog(*amendment);
    } catch (const CFatalError&) {
        result = ~0u;
    }
    if (result != 0 && (!ListProposalDifferences(*bid, *before).empty() || GetAmendmentChangeCount() != 0))
        __builtin_trap();
    if (result == 0 && HoldsMarkers(*bid))
        __builtin_trap();
    DestroyAmendmentLog();
    return 0;
}
