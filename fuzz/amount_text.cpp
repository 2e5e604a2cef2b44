// Amount texts typed by the bidder or stored in the agency's form cells and bid cap formulas:
// parsing never crashes or reads past the text, whatever the currency symbol.
#include "model/text/AmountText.h"
#include "model/eval/Evaluator.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t currencyLength = std::min<size_t>(data[0] % 8, size - 1);
    const std::string_view currency(reinterpret_cast<const char*>(data + 1), currencyLength);
    const std::string_view text(reinterpret_cast<const char*>(data + 1 + currencyLength), size - 1 - currencyLength);
    bool valid = false;
    std::string reason;
    const double amount = ParseAmountText(currency, text, &valid, &reason);
    if (valid && !IsEvalValueValid(amount) && amount == amount)
        __builtin_trap();
    if (valid && !reason.empty())
        __builtin_trap();
    // Taken, its commas all separated thousands.
    std::string commas(text);
    if (valid && !RemoveThousandsCommas(commas, nullptr))
        __builtin_trap();
    ParseAmountText(currency, text, nullptr);
    ParseCellAmount(currency, text);
    return 0;
}
