#include "model/ItemKeys.h"

#include "model/BidCapLimits.h"
#include "model/FlagWord.h"
#include "model/Prop.h"

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

// Each text with its length in front, so that no two different rows write the same bytes.
void AppendText(std::string& out, std::string_view text)
{
    const uint32_t size = uint32_t(text.size());
    char length[sizeof size];
    std::memcpy(length, &size, sizeof size);
    out.append(length, sizeof size);
    out.append(text);
}

void AppendKey(std::string& out, const CItem* item, const IdentitySelection& selection)
{
    if (!item) {
        out += char(KEY_EMPTY_SLOT);
        return;
    }
    if (item->IsSection()) {
        out += char(KEY_SECTION);
        return;
    }
    char kind = KEY_ITEM;
    if (selection.m_fixedPrice && TestFlagBit(item->m_wFlags, ITEM_FIXED_PRICE))
        kind |= KEY_FIXED_PRICE;
    if (selection.m_lumpSum && TestFlagBit(item->m_wFlags, ITEM_LUMP_SUM))
        kind |= KEY_LUMP_SUM;
    out += kind;
    AppendText(out, item->m_strItemNum);
    if (selection.m_shortDesc)
        AppendText(out, item->m_strShortDesc);
    if (selection.m_longDesc)
        AppendText(out, item->m_strLongDesc);
    if (selection.m_altCode)
        AppendText(out, item->m_strAltCode);
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

std::string_view CItemKeys::Keys::KeyOf(size_t row) const
{
    const size_t start = row == 0 ? 0 : m_ends[row - 1];
    return std::string_view(m_bytes).substr(start, m_ends[row] - start);
}

CItemKeys& CItemKeys::Reused()
{
    static CItemKeys keys;
    return keys;
}

void CItemKeys::WriteKeys(std::span<CItem* const> rows, const IdentitySelection& selection,
                          const CBidCapLimits& caps, Keys& keys)
{
    keys.m_bytes.clear();
    keys.m_ends.clear();
    for (const CItem* item : rows) {
        AppendKey(keys.m_bytes, item, selection);
        keys.m_ends.push_back(uint32_t(keys.m_bytes.size()));
    }
    keys.m_selection = selection;
    const auto names = caps.CapNames();
    keys.m_capNames.resize(names.size());
    for (size_t cap = 0; cap < names.size(); ++cap)
        keys.m_capNames[cap].assign(names[cap]);
}

void CItemKeys::Update(std::span<CItem* const> rows, const IdentitySelection& selection, const CBidCapLimits& caps)
{
    WriteKeys(rows, selection, caps, m_fresh);
    if (m_fresh == m_keys)
        return;
    std::swap(m_fresh, m_keys);
    Classify(rows, caps);
}

void CItemKeys::Classify(std::span<CItem* const> rows, const CBidCapLimits& caps)
{
    m_classOf.assign(rows.size(), -1);
    m_capOf.assign(rows.size(), -1);
    m_classCount = 0;
    m_sectionRows.clear();
    m_index.Reset(rows.size());
    for (size_t row = 0; row < rows.size(); ++row) {
        const std::string_view key = m_keys.KeyOf(row);
        if (key.front() == char(KEY_SECTION))
            m_sectionRows.push_back(int(row));
        if (key.front() == char(KEY_EMPTY_SLOT) || key.front() == char(KEY_SECTION))
            continue;
        const auto matches = [&](int other) { return m_keys.KeyOf(size_t(other)) == key; };
        const int first = m_index.FindOrAdd(HashText(key), matches, int(row));
        m_classOf[row] = first == int(row) ? m_classCount++ : m_classOf[size_t(first)];
        m_capOf[row] = caps.FindCap(*rows[row]);
    }
}
