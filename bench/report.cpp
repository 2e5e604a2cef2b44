// Building the bid report of a generated 10,000-item proposal (Check Zod, the footer measured,
// every part measured for fit and printed, pages laid out) through the stream sink, reported as
// a ratio ("x_sink") to writing the same lines through the stream sink alone, measured in the
// same run. Medians of the per-build and per-write times.
#include "bench/generator/ProposalGenerator.h"
#include "bench/support/Timing.h"
#include "model/check/Recalc.h"
#include "model/records/Prop.h"
#include "model/reports/LinePrinter.h"
#include "model/reports/ReportBuilder.h"
#include "model/reports/ReportPages.h"
#include "platform/core/PageSink.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <vector>

namespace {

std::unique_ptr<CProp> MakeBenchProp()
{
    ProposalShape shape;
    shape.m_items = 10000;
    auto prop = GenerateProposal(shape);
    ChangeFlagBit(&prop->m_wFlags, PROP_ITEMS_IN_BID, 1);
    for (int i = 0; i < prop->m_items.GetSize(); ++i)
        prop->m_items[i]->m_strLongDesc = "Furnish and place material as shown on the plans, including all labour, "
                                          "equipment and incidentals to complete the work.";
    RecalcBidTotals(prop.get());
    return prop;
}

std::size_t BuildReport(CProp& prop, std::ostream& out)
{
    platform::StreamPageSink sink(out);
    OpenTextPrinter(0, CTextPrinterTarget{&sink, {}});
    BeginReport(&prop, REPORT_PROPOSAL);
    PrintProposalReport(GetReportState());
    CloseTextPrinter(true);
    FreeReportTemplates();
    return std::size_t(sink.PagesEnded());
}

void WriteLines(const CReportPages& pages, std::ostream& out)
{
    platform::StreamPageSink sink(out);
    SendReportPages(pages, sink);
}

void BM_BidReportAgainstSink(benchmark::State& state)
{
    const auto prop = MakeBenchProp();
    CReportPages pages;
    if (BuildReportPages(*prop, CReportRequest{}, pages)) {
        state.SkipWithError(BuildReportPages(*prop, CReportRequest{}, pages)->what());
        return;
    }
    std::vector<double> builds;
    std::vector<double> writes;
    for (auto _ : state) {
        std::ostringstream report;
        builds.push_back(SecondsOf([&] { benchmark::DoNotOptimize(BuildReport(*prop, report)); }));
        std::ostringstream baseline;
        writes.push_back(SecondsOf([&] { WriteLines(pages, baseline); }));
        benchmark::DoNotOptimize(baseline.str().size());
    }
    state.counters["x_sink"] = Median(builds) / Median(writes);
    state.counters["lines"] = double(pages.LineCount());
    state.counters["pages"] = double(pages.PageCount());
    state.counters["build_ms"] = Median(builds) * 1000;
}

BENCHMARK(BM_BidReportAgainstSink)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
