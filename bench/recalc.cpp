// One edit of a price followed by recalculating the totals and running Check Zod, as every stored
// change in a form or grid does, on generated proposals of 1,000, 10,000 and 50,000 items with
// sections, alternates, options, bid caps and DBE firms. Reported as a ratio ("x_sum_pass") to
// one pass that sums the item extensions of the same proposal, measured in the same run; the
// 50,000-item run also reports its time against the 10,000-item run ("x_10k_items"). Medians of
// the per-edit and per-pass times.
#include "bench/generator/ProposalGenerator.h"
#include "model/BidErrors.h"
#include "model/CheckBid.h"
#include "model/Prop.h"
#include "model/Recalc.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <vector>

namespace {

double SumOfExtensions(const CProp& prop)
{
    double sum = 0;
    for (const auto& row : prop.m_items)
        if (!row->IsSection())
            sum += row->m_fExtension;
    return sum;
}

template <class Work>
double SecondsOf(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(values.size() / 2), values.end());
    return values[values.size() / 2];
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

    // A sum pass after every edit, and the median of each: a busy moment of the machine then
    // weighs on both sides of the ratio alike.
    std::vector<double> edits;
    std::vector<double> sums;
    int row = 0;
    for (auto _ : state) {
        row = (row + 7919) % prop->m_items.GetSize();
        edits.push_back(SecondsOf([&] {
            CItem& item = *prop->m_items[row];
            if (!item.IsSection())
                item.m_fUnitPrice += 0.01;
            RecalcBidTotals(prop.get());
            benchmark::DoNotOptimize(CheckBid(prop.get(), true));
        }));
        sums.push_back(SecondsOf([&] { benchmark::DoNotOptimize(SumOfExtensions(*prop)); }));
    }
    const double perEdit = Median(edits);
    state.counters["x_sum_pass"] = perEdit / Median(sums);
    state.counters["messages"] = GetBidErrorCounts();
    EditSecondsBySize()[shape.m_items] = perEdit;
    if (shape.m_items == 50000 && EditSecondsBySize().count(10000))
        state.counters["x_10k_items"] = perEdit / EditSecondsBySize()[10000];
}

BENCHMARK(BM_EditRecalcAndCheck)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
