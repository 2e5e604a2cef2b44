#include "model/records/ItemArray.h"

#include "model/text/CharClass.h"

#include <set>

namespace {

// The choice of a code: its third character, or none.
int ChoiceOf(const std::string& code) { return code.size() > 2 ? AsciiToUpper(code[2]) : -1; }

} // namespace

std::string CItemArray::GetItemAlternate(int row) const
{
    const CItem* item = GetAtOrNull(row);
    return item ? item->m_strAltCode.substr(0, 2) : std::string();
}

bool CItemArray::IsSameAlternate(int i, int j) const
{
    const CItem* a = GetAtOrNull(i);
    const CItem* b = GetAtOrNull(j);
    return a && b && a->HasAlternateCode(b->m_strAltCode);
}

bool CItemArray::IsSameAlternateGroup(int i, int j) const
{
    const CItem* a = GetAtOrNull(i);
    const CItem* b = GetAtOrNull(j);
    return a && b && a->IsInAlternateGroup(b->m_strAltCode);
}

int CItemArray::CountItemsWithAlternate(int row) const
{
    const CItem* first = GetAtOrNull(row);
    if (!first)
        return 0;
    int count = 0;
    for (int i = row; i < GetSize(); ++i) {
        const CItem* item = GetAt(i);
        if (!item)
            continue;
        if (!first->IsSection() && item->IsSection())
            break;
        if (item->IsSection() == first->IsSection() && EqualsIgnoringCase(item->m_strAltCode, first->m_strAltCode))
            ++count;
    }
    return count;
}

int CItemArray::CountAlternateChoices(int row) const
{
    const CItem* first = GetAtOrNull(row);
    if (!first)
        return 0;
    std::set<int> choices;
    for (int i = row; i < GetSize(); ++i) {
        const CItem* item = GetAt(i);
        if (!item)
            continue;
        if (!first->IsSection() && item->IsSection())
            break;
        if (item->IsSection() == first->IsSection() && item->IsInAlternateGroup(first->m_strAltCode))
            choices.insert(ChoiceOf(item->m_strAltCode));
    }
    return static_cast<int>(choices.size());
}
