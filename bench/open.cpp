// Opening a generated proposal of 10,000 items with its two amendment files through the
// document, as the user does: read, amendments applied, the change report answered, the tree
// built and the first form shown (offscreen). Reported as the ratio of the medians to reading
// the same file alone with LoadTvbFile ("x_load"), the two run alternately in the same run.
// The first opening takes the agency key into the key rings; the others find it there, as a
// bidder's openings after the first do.
#include "app/doc/BidDoc.h"
#include "bench/generator/ProposalFiles.h"
#include "bench/support/BidderSession.h"
#include "bench/support/QtBenchmarkMain.h"
#include "bench/support/Timing.h"
#include "model/files/TvbFile.h"
#include "model/records/Prop.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kItems = 10000;

void BM_OpenThroughTheDocument(benchmark::State& state)
{
    BenchFolder folder;
    ProposalShape shape;
    shape.m_items = kItems;
    std::string error;
    const std::string base = folder.Path("letting");
    if (!WriteAmendedProposalFiles(shape, base, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    const std::string path = base + ".tvb";
    std::unique_ptr<CProp> first;
    LoadTvbFile(first, path, false);
    StoreBidder(first->m_strAgencyId);

    BenchProgram program;
    if (!program.Started()) {
        state.SkipWithError("the program did not start");
        return;
    }
    std::vector<double> opens;
    std::vector<double> loads;
    for (auto _ : state) {
        program.answers.AnswerDialogWith(IDOK); // the amendment report
        opens.push_back(SecondsOf([&] { program.app.OpenDocumentFile(path); }));
        loads.push_back(SecondsOf([&] {
            std::unique_ptr<CProp> prop;
            benchmark::DoNotOptimize(LoadTvbFile(prop, path, false));
        }));
    }
    const CBidDoc* doc = GetMainDocument();
    if (!doc || !doc->GetProp() || doc->GetProp()->m_iAmendmentCount != 2 || !program.answers.Unexpected().empty())
        state.SkipWithError("the proposal did not open with its amendments");
    state.counters["x_load"] = Median(opens) / Median(loads);
    state.counters["items"] = kItems;
}

BENCHMARK(BM_OpenThroughTheDocument)->Unit(benchmark::kMillisecond)->Iterations(9);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
