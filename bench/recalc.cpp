// One edit of a price followed by recalculating the totals and running Check Zod, as every stored
// change in a form or grid does, on generated proposals of 1,000, 10,000 and 50,000 items with
// sections, alternates, options, bid caps and DBE firms. Reported as a ratio ("x_sum_pass") to
// one pass that sums the item extensions of the same proposal, measured in the same run; the
// 50,000-item run also reports its time against the 10,000-item run ("x_10k_items").
#include "bench/generator/ProposalGenerator.h"
#include "model/BidErrors.h"
#include "model/CheckBid.h"
#include "model/Prop.h"
#include "model/Recalc.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>

namespace {

double SumOfExtensions(const CProp& prop)
{
    double sum = 0;
    for (const auto& row : prop.m_items)
        if (!row->IsSection())
            sum += row->m_fExtension;
    return sum;
}

double SumPassSeconds(const CProp& prop)
{
    double best = 1e9;
    for (int run = 0; run < 50; ++run) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(SumOfExtensions(prop));
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

std::map<int, double>& EditSecondsBySize()
{
    static std::map<int, double> seconds;
    return seconds;
}

void BM_EditRecalcAndCheck(benchmark::State& state)
{
    ProposalShape shape;
    shape.m_items = int(state.range(0));
    const auto prop = GenerateProposal(shape);
    RecalcBidTotals(prop.get());
    const double baseline = SumPassSeconds(*prop);

    int row = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        row = (row + 7919) % prop->m_items.GetSize();
        CItem& item = *prop->m_items[row];
        if (!item.IsSection())
            item.m_fUnitPrice += 0.01;
        RecalcBidTotals(prop.get());
        benchmark::DoNotOptimize(CheckBid(prop.get(), true));
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double perEdit = seconds / double(state.iterations());
    state.counters["x_sum_pass"] = perEdit / baseline;
    state.counters["messages"] = GetBidErrorCounts();
    EditSecondsBySize()[shape.m_items] = perEdit;
    if (shape.m_items == 50000 && EditSecondsBySize().count(10000))
        state.counters["x_10k_items"] = perEdit / EditSecondsBySize()[10000];
}

BENCHMARK(BM_EditRecalcAndCheck)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
