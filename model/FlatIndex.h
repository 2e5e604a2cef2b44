#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string_view>
#include <vector>

// FNV-1a over bytes, chained through `seed` to combine several fields.
inline uint64_t HashText(std::string_view text, uint64_t seed = 14695981039346656037ull)
{
    for (char c : text)
        seed = (seed ^ uint8_t(c)) * 1099511628211ull;
    return seed;
}

// Values (small non-negative numbers) by hash, in open addressing over one power-of-two array
// kept at most half full. The caller compares keys, so that keys can stay in the records they
// come from. A proposal is checked on every edit: a node per key, or a division per lookup,
// would cost more than the rules that use the index.
class CFlatIndex {
public:
    explicit CFlatIndex(size_t capacity = 0) { Reset(capacity); }

    // Empties the index for up to `capacity` keys, keeping its memory when the size fits.
    void Reset(size_t capacity)
    {
        const size_t size = std::bit_ceil(2 * capacity + 2);
        if (m_slots.size() == size)
            std::fill(m_slots.begin(), m_slots.end(), Slot{});
        else
            m_slots.assign(size, Slot{});
    }

    // Asks for the slot of a hash ahead of its lookup: a large index does not stay in cache while
    // the records are walked.
    void Prefetch(uint64_t hash) const { __builtin_prefetch(&m_slots[Start(hash)]); }

    // The value stored under a key that `matches`, or -1.
    template <class Matches>
    int Find(uint64_t hash, Matches matches) const
    {
        for (size_t slot = Start(hash);; slot = Next(slot)) {
            const Slot& entry = m_slots[slot];
            if (entry.m_tag == 0)
                return -1;
            if (entry.m_tag == Tag(hash) && matches(entry.m_value))
                return entry.m_value;
        }
    }

    // As Find, but a key not found is added with `value`, which is returned.
    template <class Matches>
    int FindOrAdd(uint64_t hash, Matches matches, int value)
    {
        for (size_t slot = Start(hash);; slot = Next(slot)) {
            Slot& entry = m_slots[slot];
            if (entry.m_tag == 0) {
                entry = {Tag(hash), value};
                return value;
            }
            if (entry.m_tag == Tag(hash) && matches(entry.m_value))
                return entry.m_value;
        }
    }

private:
    struct Slot {
        uint32_t m_tag = 0; // 0: empty
        int32_t m_value = 0;
    };

    static uint32_t Tag(uint64_t hash) { return uint32_t(hash >> 32) | 1u; }
    size_t Start(uint64_t hash) const { return size_t(hash) & (m_slots.size() - 1); }
    size_t Next(size_t slot) const { return (slot + 1) & (m_slots.size() - 1); }

    std::vector<Slot> m_slots;
};
