// One edit of a price followed by recalculating the totals and running Check Zod, as every stored
// change in a form or grid does, on generated proposals of 1,000, 10,000 and 50,000 items with
// sections, alternates, options, bid caps and DBE firms. Reported as a ratio ("x_sum_pass") to
// one pass that sums the item extensions of the same proposal, measured in the same run, and as
// the time of an edit of 50,000 items against one of 10,000 ("x_10k_items"). Medians of the
// per-edit and per-pass times.
#include "bench/generator/ProposalGenerator.h"
#include "bench/support/Timing.h"
#include "model/check/BidErrors.h"
#include "model/check/CheckBid.h"
#include "model/records/Prop.h"
#include "model/check/Recalc.h"

#include <benchmark/benchmark.h>

#include <memory>
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

// One edit of a price somewhere in the proposal, then what every stored change runs.
double SecondsOfAnEdit(CProp& prop, int& row)
{
    row = (row + 7919) % prop.m_items.GetSize();
    return SecondsOf([&] {
        CItem& item = *prop.m_items[row];
        if (!item.IsSection())
            item.m_fUnitPrice += 0.01;
        RecalcBidTotals(&prop);
        benchmark::DoNotOptimize(CheckBid(&prop, true));
    });
}

std::unique_ptr<CProp> RecalculatedProposal(int items)
{
    ProposalShape shape;
    shape.m_items = items;
    auto prop = GenerateProposal(shape);
    RecalcBidTotals(prop.get());
    return prop;
}

void BM_EditRecalcAndCheck(benchmark::State& state)
{
    const auto prop = RecalculatedProposal(int(state.range(0)));
    // A sum pass after every edit, and the median of each: a busy moment of the machine then
    // weighs on both sides of the ratio alike.
    std::vector<double> edits;
    std::vector<double> sums;
    int row = 0;
    for (auto _ : state) {
        edits.push_back(SecondsOfAnEdit(*prop, row));
        sums.push_back(SecondsOf([&] { benchmark::DoNotOptimize(SumOfExtensions(*prop)); }));
    }
    state.counters["x_sum_pass"] = Median(edits) / Median(sums);
    state.counters["messages"] = GetBidErrorCounts();
}

BENCHMARK(BM_EditRecalcAndCheck)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

// Edits of a 50,000-item proposal against edits of a 10,000-item one, in alternating blocks so
// that a busy moment of the machine weighs on both alike. The first edits of a block, made while
// the other proposal still fills the cache, are left out.
void BM_EditAt50kAgainst10k(benchmark::State& state)
{
    const auto small = RecalculatedProposal(10000);
    const auto large = RecalculatedProposal(50000);
    std::vector<double> smallEdits;
    std::vector<double> largeEdits;
    int smallRow = 0;
    int largeRow = 0;
    for (auto _ : state) {
        for (int edit = 0; edit < 8; ++edit)
            if (const double seconds = SecondsOfAnEdit(*small, smallRow); edit >= 2)
                smallEdits.push_back(seconds);
        for (int edit = 0; edit < 3; ++edit)
            if (const double seconds = SecondsOfAnEdit(*large, largeRow); edit >= 1)
                largeEdits.push_back(seconds);
    }
    state.counters["x_10k_items"] = Median(largeEdits) / Median(smallEdits);
}

BENCHMARK(BM_EditAt50kAgainst10k)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
