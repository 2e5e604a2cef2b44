// One edit of a price followed by recalculating the totals and running Check Zod, as every stored
// change in a form or grid does, on generated proposals of 1,000, 10,000 and 50,000 items with
// sections, alternates, options, bid caps and DBE firms, and of 50,000 items in the shape of the
// sample (short sections, many alternate sections and bid caps). Reported as a ratio
// ("x_sum_pass") to one pass that sums the item extensions of the same proposal, measured in the
// same run, as the time of an edit of 50,000 items against one of 10,000 ("x_10k_items"), and of
// an edit in the sample's shape against one in the plain shape, both of 50,000 items
// ("x_plain_shape"). Medians of the per-edit and per-pass times.
#include "bench/generator/ProposalFiles.h"
#include "bench/generator/ProposalGenerator.h"
#include "bench/support/Timing.h"
#include "model/check/BidErrors.h"
#include "model/check/CheckBid.h"
#include "model/records/Prop.h"
#include "model/check/Recalc.h"

#include <benchmark/benchmark.h>

#include <algorithm>
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

std::unique_ptr<CProp> RecalculatedProposal(int items, ProposalShape shape = {})
{
    shape.m_items = items;
    auto prop = GenerateProposal(shape);
    RecalcBidTotals(prop.get());
    return prop;
}

void EditAgainstSumPass(benchmark::State& state, CProp& prop)
{
    // A sum pass after every edit, and the median of each: a busy moment of the machine then
    // weighs on both sides of the ratio alike.
    std::vector<double> edits;
    std::vector<double> sums;
    int row = 0;
    for (auto _ : state) {
        edits.push_back(SecondsOfAnEdit(prop, row));
        sums.push_back(SecondsOf([&] { benchmark::DoNotOptimize(SumOfExtensions(prop)); }));
    }
    state.counters["x_sum_pass"] = Median(edits) / Median(sums);
    state.counters["messages"] = GetBidErrorCounts();
}

void BM_EditRecalcAndCheck(benchmark::State& state)
{
    EditAgainstSumPass(state, *RecalculatedProposal(int(state.range(0))));
}

BENCHMARK(BM_EditRecalcAndCheck)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_EditInSampleShape(benchmark::State& state)
{
    EditAgainstSumPass(state, *RecalculatedProposal(int(state.range(0)), SampleShape()));
}

BENCHMARK(BM_EditInSampleShape)->Arg(50000)->Unit(benchmark::kMillisecond);

// Edits of one proposal against edits of a baseline, in alternating blocks so that a busy moment
// of the machine weighs on both alike. The first edits of a block, made while the other proposal
// still fills the cache, are left out. `baselineEdits` per block suits a baseline that is quicker.
void EditAgainstBaseline(benchmark::State& state, CProp& baseline, CProp& measured, int baselineEdits,
                         const char* counter)
{
    std::vector<double> baselineTimes;
    std::vector<double> measuredTimes;
    int baselineRow = 0;
    int measuredRow = 0;
    for (auto _ : state) {
        for (int edit = 0; edit < baselineEdits; ++edit)
            if (const double seconds = SecondsOfAnEdit(baseline, baselineRow); edit >= 2)
                baselineTimes.push_back(seconds);
        for (int edit = 0; edit < 3; ++edit)
            if (const double seconds = SecondsOfAnEdit(measured, measuredRow); edit >= 1)
                measuredTimes.push_back(seconds);
    }
    state.counters[counter] = Median(measuredTimes) / Median(baselineTimes);
}

void BM_EditAt50kAgainst10k(benchmark::State& state)
{
    EditAgainstBaseline(state, *RecalculatedProposal(10000), *RecalculatedProposal(50000), 8, "x_10k_items");
}

BENCHMARK(BM_EditAt50kAgainst10k)->Unit(benchmark::kMillisecond);

void BM_SampleShapeAgainstPlainAt50k(benchmark::State& state)
{
    EditAgainstBaseline(state, *RecalculatedProposal(50000), *RecalculatedProposal(50000, SampleShape()), 3,
                        "x_plain_shape");
}

BENCHMARK(BM_SampleShapeAgainstPlainAt50k)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
