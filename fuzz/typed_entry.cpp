// What the bidder types into a unit price, quantity, cost per day or days cell of the grids, or
// into a firm's committed amounts: reading it never crashes, what is taken is a finite value
// (days whole, from 0 to 9999), and a comma that separates no thousands is never read past.
#include "model/entry/TypedEntry.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/text/AmountText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace {

constexpr size_t kHeader = 3; // the reader, the proposal's flags, the number of decimals

struct Proposal {
    Proposal(uint8_t flags, uint8_t decimals)
    {
        auto added = std::make_unique<CItem>();
        added->m_strLineNum = "0010";
        added->m_strUnit = "CY";
        added->m_fQuan = flags & 1 ? MakeEvalErrorValue() : 125.5;
        added->m_fUnitPrice = flags & 2 ? MakeEvalErrorValue() : 12.25;
        added->m_wFlags = uint16_t(flags & 0x30);
        item = prop.m_items.Add(std::move(added));
        auto place = std::make_unique<CSite>();
        place->m_strSiteNumber = "1";
        place->m_dRoadCostPerDay = flags & 4 ? 0 : 1500;
        site = prop.m_sites.Add(std::move(place));
        prop.m_wFlags = uint16_t(flags & 0x80);
        for (CNumberFormat& format : prop.m_numberFormats) {
            format.m_byWidth = 12;
            format.m_byDecimals = uint8_t(decimals % 8);
        }
    }

    CProp prop;
    CItem* item = nullptr;
    CSite* site = nullptr;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < kHeader)
        return 0;
    Proposal proposal(data[1], data[2]);
    const std::string_view text(reinterpret_cast<const char*>(data + kHeader), size - kHeader);
    const int reader = data[0] % 5;
    TypedEntry entry;
    switch (reader) {
    case 0: entry = ReadItemPrice(proposal.prop, *proposal.item, text); break;
    case 1: entry = ReadItemQuantity(proposal.prop, *proposal.item, text); break;
    case 2: entry = ReadSiteDays(*proposal.site, text); break;
    case 3: entry = ReadSiteCost(proposal.prop, *proposal.site, text); break;
    default:
        entry = ReadCommittedAmount(proposal.prop, *proposal.item, "Total", text,
                                    NumberFormatKind(data[0] / 5 % NUMFMT_COUNT));
        break;
    }
    if (entry.Refused() || !IsEvalValueValid(entry.value))
        return 0;
    if (!std::isfinite(entry.value))
        __builtin_trap();
    if (reader == 2 && (entry.value < 0 || entry.value > 9999 || entry.value != std::floor(entry.value)))
        __builtin_trap();
    // Readers of the text as typed (days and cost take the currency out first).
    std::string commas(text);
    if ((reader == 0 || reader == 1 || reader == 4) && !RemoveThousandsCommas(commas, nullptr))
        __builtin_trap();
    return 0;
}
