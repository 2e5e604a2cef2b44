#pragma once

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string_view>
#include <vector>

// Alternate codes are a few bytes: comparing them in place costs less than a call to memcmp.
inline bool SameKey(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

inline bool SameKey(uint32_t a, uint32_t b)
{
    return a == b;
}

inline bool SameKey(uint64_t a, uint64_t b)
{
    return a == b;
}

// Numbers the distinct keys of elements 0..count-1 in order of first appearance: equal keys get
// equal numbers, and the first element with a new key gets the next number; returns how many
// there are. `order` is working memory that callers keep from one use to the next.
template <class KeyOf>
int NumberDistinctKeys(int count, KeyOf keyOf, std::vector<int>& numbers, std::vector<int>& order)
{
    // A section holds a handful of alternates: comparing each with the keys seen so far costs
    // less than sorting. Past that, sorting keeps the cost from growing with the square.
    constexpr int kFewKeys = 16;
    numbers.resize(size_t(std::max(count, 0)));
    if (count <= kFewKeys) {
        order.clear(); // the first element of each key
        for (int k = 0; k < count; ++k) {
            const auto key = keyOf(k);
            size_t d = 0;
            while (d < order.size() && !SameKey(keyOf(order[d]), key))
                ++d;
            if (d == order.size())
                order.push_back(k);
            numbers[size_t(k)] = int(d);
        }
        return int(order.size());
    }
    order.resize(size_t(count));
    std::iota(order.begin(), order.end(), 0);
    // Ties keep index order, so the earliest element of each key comes first in its run; unlike
    // a stable sort this needs no buffer.
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const auto ka = keyOf(a);
        const auto kb = keyOf(b);
        return ka < kb || (!(kb < ka) && a < b);
    });
    for (size_t start = 0; start < order.size();) {
        size_t end = start + 1;
        while (end < order.size() && !(keyOf(order[start]) < keyOf(order[end])))
            ++end;
        for (size_t k = start; k < end; ++k)
            numbers[size_t(order[k])] = order[start];
        start = end;
    }
    int next = 0;
    for (size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = numbers[i] == int(i) ? next++ : numbers[size_t(numbers[i])];
    return next;
}

// A code of up to seven bytes packed with its length into one number, so that codes compare
// without reading the rows again; kLongAlternateCode for a longer one.
constexpr uint64_t kLongAlternateCode = ~uint64_t(0);

inline uint64_t PackAlternateCode(std::string_view code)
{
    if (code.size() > 7)
        return kLongAlternateCode;
    uint64_t packed = uint64_t(code.size()) << 56;
    for (size_t i = 0; i < code.size(); ++i)
        packed |= uint64_t(uint8_t(code[i])) << (8 * i);
    return packed;
}

// An alternate code's group, its first two characters in any case, as one comparable number.
inline uint32_t AlternateGroupNumber(std::string_view code)
{
    const auto upper = [](char c) { return uint32_t(uint8_t(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c)); };
    const size_t length = std::min<size_t>(code.size(), 2);
    return uint32_t(length) << 16 | (length > 0 ? upper(code[0]) << 8 : 0) | (length > 1 ? upper(code[1]) : 0);
}
