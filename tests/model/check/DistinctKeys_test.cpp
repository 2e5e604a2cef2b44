// The small building blocks that recalculation and the check lean on for speed: numbering keys
// and the text hash.
#include "model/check/DistinctKeys.h"
#include "model/check/FlatIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>

namespace {

// First appearance order, the plain way.
std::vector<int> NumberThePlainWay(const std::vector<std::string>& keys)
{
    std::vector<int> numbers;
    std::vector<std::string> seen;
    for (const std::string& key : keys) {
        const auto it = std::find(seen.begin(), seen.end(), key);
        numbers.push_back(int(it - seen.begin()));
        if (it == seen.end())
            seen.push_back(key);
    }
    return numbers;
}

// Few keys are compared in place, many are sorted: both must number alike, on either side of
// the switch.
TEST(NumberDistinctKeys, FirstAppearanceOrderForFewAndManyKeys)
{
    std::mt19937 random(7);
    std::vector<int> numbers;
    std::vector<int> order;
    for (int count : {0, 1, 2, 15, 16, 17, 40, 300}) {
        for (int alphabet : {1, 3, 50}) {
            std::vector<std::string> keys;
            for (int k = 0; k < count; ++k)
                keys.push_back("0" + std::to_string(int(random() % unsigned(alphabet))) + (k % 2 ? "A" : ""));
            const int distinct = NumberDistinctKeys(count, [&](int k) { return std::string_view(keys[size_t(k)]); },
                                                    numbers, order);
            EXPECT_EQ(numbers, NumberThePlainWay(keys)) << count << " keys of " << alphabet;
            EXPECT_EQ(distinct, int(std::set<std::string>(keys.begin(), keys.end()).size()));
        }
    }
}

TEST(NumberDistinctKeys, GroupsIgnoreCaseAndTheChoiceCharacter)
{
    const std::vector<std::string> codes = {"01A", "01b", "ab", "AB1", "0", "", "02A"};
    std::vector<int> numbers;
    std::vector<int> order;
    const int groups = NumberDistinctKeys(
        int(codes.size()), [&](int k) { return AlternateGroupNumber(codes[size_t(k)]); }, numbers, order);
    EXPECT_EQ(numbers, (std::vector<int>{0, 0, 1, 1, 2, 3, 4}));
    EXPECT_EQ(groups, 5);
}

// The index takes its slot from the low bits and its tag from the high ones. Item numbers differ
// mostly in their last characters, which a weak mix leaves in the high bits only: lookups then
// walk long chains.
TEST(HashText, ItemNumbersSpreadOverSlotsAndTags)
{
    std::set<uint64_t> slots;
    std::set<uint64_t> tags;
    for (int n = 0; n < 4096; ++n) {
        const std::string number = "2" + std::string(7 - std::to_string(n).size(), '0') + std::to_string(n);
        const uint64_t hash = HashText(number);
        slots.insert(hash & 8191);
        tags.insert(hash >> 52);
    }
    // 4,096 random values fill about 3,220 of 8,192 slots and 2,590 of 4,096 tags.
    EXPECT_GT(slots.size(), 3000u);
    EXPECT_GT(tags.size(), 2400u);
}

} // namespace
