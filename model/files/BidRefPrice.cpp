#include "model/files/BidRefPrice.h"

#include "model/eval/Evaluator.h"
#include "model/text/FileUtil.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

namespace {

constexpr std::size_t kBlockSize = 8192;
// A line longer than this cannot be a price formula; it is passed over, never held whole.
constexpr std::size_t kMaxLineLength = 1 << 20;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Finds the first line that begins with the item number, reading the file block by block.
class CReferenceScanner {
public:
    explicit CReferenceScanner(std::string_view itemNumber) : m_itemNumber(itemNumber) {}

    // The rest of the matching line after the item number, once found.
    std::optional<std::string> Scan(std::FILE* file)
    {
        char block[kBlockSize];
        for (;;) {
            const std::size_t count = std::fread(block, 1, sizeof block, file);
            if (count == 0)
                break;
            if (auto found = Feed(std::string_view(block, count)))
                return found;
        }
        // The last line may end without a line feed.
        if (!m_skipping && Matches(m_carry))
            return m_carry.substr(m_itemNumber.size());
        return std::nullopt;
    }

private:
    std::optional<std::string> Feed(std::string_view bytes)
    {
        for (;;) {
            const std::size_t feed = bytes.find('\n');
            if (feed == std::string_view::npos) {
                Carry(bytes);
                return std::nullopt;
            }
            Carry(bytes.substr(0, feed));
            if (!m_skipping && Matches(m_carry))
                return m_carry.substr(m_itemNumber.size());
            m_carry.clear();
            m_skipping = false;
            bytes.remove_prefix(feed + 1);
        }
    }

    void Carry(std::string_view bytes)
    {
        if (m_skipping)
            return;
        if (m_carry.size() + bytes.size() > kMaxLineLength) {
            m_skipping = true;
            m_carry.clear();
            return;
        }
        m_carry.append(bytes);
    }

    bool Matches(std::string_view line) const
    {
        return line.substr(0, m_itemNumber.size()) == m_itemNumber;
    }

    std::string_view m_itemNumber;
    std::string m_carry;   // the incomplete line at the end of the blocks read so far
    bool m_skipping = false; // inside an overlong line
};

// The formula runs from behind the one separator character to the end of the line.
std::string FormulaOf(std::string rest)
{
    rest.erase(0, 1);
    while (!rest.empty() && (rest.back() == '\r' || rest.back() == '\n'))
        rest.pop_back();
    return rest;
}

} // namespace

int LookupBidRefPrice(const BidRefItem* item, double* unitPrice)
{
    if (item == nullptr || unitPrice == nullptr)
        return kBidRefNoItem;
    if (item->isSectionOrFixedPrice)
        return kBidRefNotPriced;

    std::string path;
    if (!FindFile(path, "ZOD.REF", "TVB_BID", "TVB"))
        return kBidRefNoFile;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return kBidRefCannotOpen;
    // An item without a number would match the first line of the file.
    if (item->itemNumber.empty())
        return kBidRefItemNotFound;

    const std::optional<std::string> rest = CReferenceScanner(item->itemNumber).Scan(file.get());
    if (!rest)
        return std::ferror(file.get()) ? kBidRefCannotOpen : kBidRefItemNotFound;
    const std::string formula = FormulaOf(*rest);
    if (formula.empty())
        return kBidRefBadFormula;

    SetEvaluatorVariable("@QUAN", item->quantity);
    const double price = EvaluateExpression(formula.c_str());
    if (GetEvaluatorError() != 0 || !IsEvalValueValid(price))
        return kBidRefBadFormula;
    *unitPrice = price;
    return kBidRefPriceSet;
}

const char* GetBidRefPriceErrorText(int code)
{
    switch (code) {
    case kBidRefPriceSet: return "The unit price was set from the price reference file";
    case kBidRefNoItem: return "No item to price";
    case kBidRefNotPriced: return "Section rows and fixed-price items take no reference price";
    case kBidRefCannotOpen: return "The price reference file ZOD.REF cannot be opened";
    case kBidRefItemNotFound: return "The item number is not in the price reference file";
    case kBidRefBadFormula: return "The item's formula in the price reference file cannot be evaluated";
    case kBidRefNoFile: return "No price reference file ZOD.REF was found";
    default: return "Unknown price reference error";
    }
}
