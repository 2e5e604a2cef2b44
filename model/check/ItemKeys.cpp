#include "model/check/ItemKeys.h"

#include "model/check/BidCapLimits.h"
#include "model/text/FlagWord.h"
#include "model/records/Prop.h"

#include <algorithm>
#include <cstring>

namespace {

enum : int {
    SAME_SHORT_DESCRIPTION = 0,
    SAME_LONG_DESCRIPTION = 1,
    SAME_FIXED_PRICE_FLAG = 2,
    SAME_ALTERNATE_CODE = 3,
    SAME_LUMP_SUM_FLAG = 4,
};

// The first byte of a key: what the row is, with the flags the selection compares.
enum : char {
    KEY_EMPTY_SLOT = 0,
    KEY_SECTION = 1,
    KEY_ITEM = 2,
    KEY_FIXED_PRICE = 4,
    KEY_LUMP_SUM = 8,
};

char KindOf(const CItem* item, const IdentitySelection& selection)
{
    if (!item)
        return KEY_EMPTY_SLOT;
    if (item->IsSection())
        return KEY_SECTION;
    char kind = KEY_ITEM;
    if (selection.m_fixedPrice && TestFlagBit(item->m_wFlags, ITEM_FIXED_PRICE))
        kind |= KEY_FIXED_PRICE;
    if (selection.m_lumpSum && TestFlagBit(item->m_wFlags, ITEM_LUMP_SUM))
        kind |= KEY_LUMP_SUM;
    return kind;
}

// The texts of an item's key in order; a section or an empty slot has none.
template <class Visit>
void ForEachKeyText(const CItem* item, const IdentitySelection& selection, Visit visit)
{
    if (!item || item->IsSection())
        return;
    visit(item->m_strItemNum);
    if (selection.m_shortDesc)
        visit(item->m_strShortDesc);
    if (selection.m_longDesc)
        visit(item->m_strLongDesc);
    if (selection.m_altCode)
        visit(item->m_strAltCode);
}

// The kind, then each text with its length in front, so that no two different rows write the
// same bytes.
void AppendKey(std::string& out, const CItem* item, const IdentitySelection& selection)
{
    out += KindOf(item, selection);
    ForEachKeyText(item, selection, [&](std::string_view text) {
        const uint32_t size = uint32_t(text.size());
        char length[sizeof size];
        std::memcpy(length, &size, sizeof size);
        out.append(length, sizeof size);
        out.append(text);
    });
}

// Whether AppendKey would write `key` for the row, without writing it.
bool KeyMatches(std::string_view key, const CItem* item, const IdentitySelection& selection)
{
    if (key.empty() || key.front() != KindOf(item, selection))
        return false;
    key.remove_prefix(1);
    bool same = true;
    ForEachKeyText(item, selection, [&](std::string_view text) {
        uint32_t size = 0;
        if (!same || key.size() < sizeof size)
            return void(same = false);
        std::memcpy(&size, key.data(), sizeof size);
        key.remove_prefix(sizeof size);
        same = size == text.size() && key.starts_with(text);
        if (same)
            key.remove_prefix(text.size());
    });
    return same && key.empty();
}

} // namespace

IdentitySelection::IdentitySelection(const CProp& prop)
{
    const uint16_t flags = prop.m_wDisplayFormatFlags;
    m_shortDesc = TestFlagBit(flags, SAME_SHORT_DESCRIPTION);
    m_longDesc = TestFlagBit(flags, SAME_LONG_DESCRIPTION);
    m_fixedPrice = TestFlagBit(flags, SAME_FIXED_PRICE_FLAG);
    m_altCode = TestFlagBit(flags, SAME_ALTERNATE_CODE);
    m_lumpSum = TestFlagBit(flags, SAME_LUMP_SUM_FLAG);
}

std::string_view CItemKeys::KeyOf(size_t row) const
{
    const size_t start = row == 0 ? 0 : m_ends[row - 1];
    return std::string_view(m_bytes).substr(start, m_ends[row] - start);
}

CItemKeys& CItemKeys::Reused()
{
    static CItemKeys keys;
    return keys;
}

// Without the rows that Confirm compares as the check reaches them.
bool CItemKeys::Matches(std::span<CItem* const> rows, const IdentitySelection& selection,
                        const CBidCapLimits& caps) const
{
    const auto names = caps.CapNames();
    if (m_stale || selection != m_selection || rows.size() != m_ends.size()
        || !std::equal(names.begin(), names.end(), m_capNames.begin(), m_capNames.end()))
        return false;
    const auto unchanged = [&](int row) { return KeyMatches(KeyOf(size_t(row)), rows[size_t(row)], selection); };
    return std::ranges::all_of(m_sectionRows, unchanged) && std::ranges::all_of(m_cappedRows, unchanged);
}

bool CItemKeys::Confirm(int row, const CItem* item)
{
    if (!KeyMatches(KeyOf(size_t(row)), item, m_selection))
        m_stale = true;
    return !m_stale;
}

void CItemKeys::Update(std::span<CItem* const> rows, const IdentitySelection& selection, const CBidCapLimits& caps)
{
    if (!Matches(rows, selection, caps))
        Rebuild(rows, selection, caps);
}

void CItemKeys::Rebuild(std::span<CItem* const> rows, const IdentitySelection& selection, const CBidCapLimits& caps)
{
    m_bytes.clear();
    m_ends.clear();
    for (const CItem* item : rows) {
        AppendKey(m_bytes, item, selection);
        m_ends.push_back(uint32_t(m_bytes.size()));
    }
    m_selection = selection;
    const auto names = caps.CapNames();
    m_capNames.assign(names.begin(), names.end());
    m_stale = false;
    Classify(rows, caps);
}

void CItemKeys::Classify(std::span<CItem* const> rows, const CBidCapLimits& caps)
{
    m_classOf.assign(rows.size(), -1);
    m_capOf.assign(rows.size(), -1);
    m_classCount = 0;
    m_classShared.clear();
    m_sectionRows.clear();
    m_cappedRows.clear();
    m_index.Reset(rows.size());
    for (size_t row = 0; row < rows.size(); ++row) {
        const std::string_view key = KeyOf(row);
        if (key.front() == char(KEY_SECTION))
            m_sectionRows.push_back(int(row));
        if (key.front() == char(KEY_EMPTY_SLOT) || key.front() == char(KEY_SECTION))
            continue;
        const auto matches = [&](int other) { return KeyOf(size_t(other)) == key; };
        const int first = m_index.FindOrAdd(HashText(key), matches, int(row));
        if (first == int(row)) {
            m_classOf[row] = m_classCount++;
            m_classShared.push_back(0);
        } else {
            m_classOf[row] = m_classOf[size_t(first)];
            m_classShared[size_t(m_classOf[row])] = 1;
        }
        m_capOf[row] = caps.FindCap(*rows[row]);
        if (m_capOf[row] >= 0)
            m_cappedRows.push_back(int(row));
    }
}
