#pragma once

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string_view>
#include <vector>

// Numbers the distinct keys of elements 0..count-1 in order of first appearance: equal keys get
// equal numbers, and the first element with a new key gets the next number. Sorting a handful of
// indices is cheaper than building a hash table for every section of a large proposal.
template <class KeyOf>
std::vector<int> NumberDistinctKeys(int count, KeyOf keyOf)
{
    std::vector<int> order(size_t(std::max(count, 0)));
    std::iota(order.begin(), order.end(), 0);
    // Ties keep index order, so the earliest element of each key comes first in its run; unlike
    // a stable sort this needs no buffer.
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const auto ka = keyOf(a);
        const auto kb = keyOf(b);
        return ka < kb || (!(kb < ka) && a < b);
    });
    std::vector<int> numbers(order.size());
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
    return numbers;
}

// An alternate code's group, its first two characters in any case, as one comparable number.
inline uint32_t AlternateGroupNumber(std::string_view code)
{
    const auto upper = [](char c) { return uint32_t(uint8_t(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c)); };
    const size_t length = std::min<size_t>(code.size(), 2);
    return uint32_t(length) << 16 | (length > 0 ? upper(code[0]) << 8 : 0) | (length > 1 ? upper(code[1]) : 0);
}
