#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

// A hash of bytes, eight at a time, chained through `seed` to combine several fields. Item
// numbers and descriptions are hashed for every row on every check: a byte at a time cost more
// than the lookups that use the hash. Every read has a fixed size, so none becomes a call.
inline uint64_t HashText(std::string_view text, uint64_t seed = 14695981039346656037ull)
{
    const auto mix = [](uint64_t hash, uint64_t word) {
        hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
        return hash ^ (hash >> 29);
    };
    const auto load = [&](size_t at, auto word) {
        std::memcpy(&word, text.data() + at, sizeof word);
        return uint64_t(word);
    };
    const size_t size = text.size();
    uint64_t hash = mix(seed, size);
    if (size >= 8) {
        size_t at = 0;
        for (; at + 8 <= size; at += 8)
            hash = mix(hash, load(at, uint64_t()));
        // The last bytes as the last eight, overlapping what came before.
        if (at < size)
            hash = mix(hash, load(size - 8, uint64_t()));
    } else if (size >= 4) {
        hash = mix(hash, load(0, uint32_t()) | load(size - 4, uint32_t()) << 32);
    } else if (size > 0) {
        hash = mix(hash, uint64_t(uint8_t(text[0])) | uint64_t(uint8_t(text[size / 2])) << 8
                             | uint64_t(uint8_t(text[size - 1])) << 16);
    }
    // The slot comes from the low bits and the tag from the high ones, while a multiplication
    // carries only upward: a full final mix lets every byte reach both.
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 33;
    hash *= 0xC4CEB9FE1A85EC53ull;
    return hash ^ (hash >> 33);
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
