// Copying and comparing an item list of 10,000 rows, each reported as a ratio ("x_plain_copy")
// to copying the same number of plain fixed-size structs, measured in the same run.
#include "model/ItemArray.h"
#include "model/FlagWord.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kRows = 10000;

// The same values as an item, in fixed buffers: what a copy costs without owned texts.
struct PlainItem {
    uint16_t flags;
    int32_t number;
    char line[8], altCode[8], itemNumber[16], unit[8];
    double quantity, unitPrice, extension, unitPrice2, extension2;
    char shortDesc[48], longDesc[96];
};

std::vector<PlainItem> MakePlainItems()
{
    std::vector<PlainItem> items(kRows);
    for (int i = 0; i < kRows; ++i) {
        PlainItem& item = items[static_cast<size_t>(i)];
        std::memset(&item, 0, sizeof item);
        std::snprintf(item.line, sizeof item.line, "%04d", i);
        std::snprintf(item.longDesc, sizeof item.longDesc, "Long description of row %d with some words", i);
        item.quantity = i;
    }
    return items;
}

CItemArray MakeSchedule()
{
    CItemArray list;
    for (int i = 0; i < kRows; ++i) {
        auto row = std::make_unique<CItem>();
        char line[16];
        std::snprintf(line, sizeof line, "%05d", i);
        row->m_strLineNum = line;
        if (i % 50 == 0) {
            ChangeFlagBit(&row->m_wFlags, ITEM_IS_SECTION, 1);
            row->m_strLongDesc = "Section of the schedule number " + std::to_string(i / 50);
        } else {
            row->m_strItemNum = "202-" + std::to_string(1000 + i % 700);
            row->m_strUnit = "CY";
            row->m_strShortDesc = "Excavation, class " + std::to_string(i % 9);
            row->m_strLongDesc = "Unclassified excavation including haul and disposal, row " + std::to_string(i);
            row->m_fQuan = 12.5 * i;
            row->m_fUnitPrice = 3.75;
        }
        list.Add(std::move(row));
    }
    return list;
}

// Seconds per copy of kRows plain structs: the best of several timed runs.
double PlainCopySeconds()
{
    static const double seconds = [] {
        const std::vector<PlainItem> source = MakePlainItems();
        std::vector<PlainItem> target;
        double best = 1e9;
        for (int run = 0; run < 200; ++run) {
            const auto start = std::chrono::steady_clock::now();
            target = source;
            benchmark::DoNotOptimize(target.data());
            benchmark::ClobberMemory();
            best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            target.clear();
            target.shrink_to_fit();
        }
        return best;
    }();
    return seconds;
}

void ReportRatio(benchmark::State& state)
{
    state.counters["x_plain_copy"] = benchmark::Counter(
        PlainCopySeconds(), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_PlainStructCopy(benchmark::State& state)
{
    const std::vector<PlainItem> source = MakePlainItems();
    for (auto _ : state) {
        std::vector<PlainItem> target = source;
        benchmark::DoNotOptimize(target.data());
    }
    ReportRatio(state);
}

void BM_ItemListCopy(benchmark::State& state)
{
    const CItemArray source = MakeSchedule();
    for (auto _ : state) {
        CItemArray target;
        target.CopyFrom(source);
        benchmark::DoNotOptimize(target[0]);
    }
    ReportRatio(state);
}

void BM_ItemListCompareRowByRow(benchmark::State& state)
{
    const CItemArray source = MakeSchedule();
    CItemArray copy;
    copy.CopyFrom(source);
    for (auto _ : state) {
        int equal = 0;
        for (int i = 0; i < kRows; ++i)
            equal += AreItemsEqual(*source[i], *copy[i]);
        benchmark::DoNotOptimize(equal);
    }
    ReportRatio(state);
}

// Copy, then reduce the copy to its (no) changes against the original, as an amendment would.
void BM_ItemListCopyAndReduce(benchmark::State& state)
{
    const CItemArray source = MakeSchedule();
    for (auto _ : state) {
        CItemArray copy;
        copy.CopyFrom(source);
        benchmark::DoNotOptimize(copy.ReduceItemsToChanges(source));
    }
    ReportRatio(state);
}

BENCHMARK(BM_PlainStructCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ItemListCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ItemListCompareRowByRow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ItemListCopyAndReduce)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
