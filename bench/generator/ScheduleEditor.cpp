#include "bench/generator/ScheduleEditor.h"

#include "bench/generator/GeneratorRandom.h"
#include "bench/generator/ScheduleGenerator.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

bool IsPlainItem(const CItem& row)
{
    for (int bit : {ITEM_IS_SECTION, ITEM_FIXED_PRICE, ITEM_LUMP_SUM, ITEM_IS_ALTERNATE, ITEM_IS_OPTION})
        if (TestFlagBit(row.m_wFlags, bit))
            return false;
    return true;
}

// The agency's amendment carries a revised or new row whole: it holds no price of the bidder's,
// only the agency's own fixed price.
void WithdrawBidderPrice(CItem& row)
{
    if (!row.IsSection() && !TestFlagBit(row.m_wFlags, ITEM_FIXED_PRICE))
        MakeEvalErrorValue(&row.m_fUnitPrice);
}

int LineValue(const std::string& line)
{
    int value = 0;
    std::from_chars(line.data(), line.data() + line.size(), value);
    return value;
}

} // namespace

CScheduleEditor::CScheduleEditor(CProp& prop, CGeneratorRandom& random)
    : m_prop(prop), m_random(random), m_follower(prop)
{
}

std::vector<int> CScheduleEditor::PickPlainItems(int count)
{
    std::vector<int> plain;
    for (int i = 0; i < m_prop.m_items.GetSize(); ++i)
        if (IsPlainItem(*m_prop.m_items[i]))
            plain.push_back(i);
    std::vector<int> picked;
    while (int(picked.size()) < count && !plain.empty()) {
        const size_t choice = size_t(m_random.Pick(0, int(plain.size()) - 1));
        picked.push_back(plain[choice]);
        plain.erase(plain.begin() + std::ptrdiff_t(choice));
    }
    return picked;
}

void CScheduleEditor::DeleteRow(int index)
{
    const std::unique_ptr<CItem> removed = m_prop.m_items.Detach(index);
    m_follower.OnItemRemoved(index, *removed);
}

void CScheduleEditor::InsertRow(int index, std::unique_ptr<CItem> row)
{
    WithdrawBidderPrice(*row);
    m_prop.m_items.InsertAt(index, std::move(row));
    m_follower.OnItemInserted(index);
}

std::string CScheduleEditor::LineAfter(int index) const
{
    const int line = LineValue(m_prop.m_items[index]->m_strLineNum);
    int next = line + 10;
    // The next item row bounds the gap; section rows are numbered on their own.
    for (int i = index + 1; i < m_prop.m_items.GetSize(); ++i)
        if (!m_prop.m_items[i]->IsSection()) {
            next = LineValue(m_prop.m_items[i]->m_strLineNum);
            break;
        }
    return next - line >= 2 ? ScheduleLineNumber(line + (next - line) / 2) : std::string();
}

void CScheduleEditor::ReviseQuantity(int index)
{
    CItem& item = *m_prop.m_items[index];
    const double revised = std::max(1.0, std::round(item.m_fQuan * m_random.Uniform(0.7, 1.3, 0.01)));
    item.m_fQuan = revised != item.m_fQuan ? revised : revised + 1;
    WithdrawBidderPrice(item);
}
