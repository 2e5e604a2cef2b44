// A long session's memory: cycles of a bidder's work on two proposals in turn (the sample and a
// 5,000-item letting), each opened through the program with its amendments, its schedule grid and
// a firm's item grid shown, and closed (File > New). What an opened proposal builds must be given
// back when it closes, so after a few cycles of warm-up the resident memory stays flat.
// Reported: the resident growth per cycle after warm-up against the growth of the first cycle
// ("x_first_cycle", near 0 when flat), and in KB the first cycle's growth, the resident and the
// heap's in-use growth per cycle after warm-up (least-squares slopes over the cycles).
#include "app/doc/BidDoc.h"
#include "app/frame/MainFrame.h"
#include "app/items/DVItemScheduleGrid.h"
#include "app/tree/BidTreeView.h"
#include "app/tree/BidView.h"
#include "app/views/NodeViews.h"
#include "bench/generator/ProposalFiles.h"
#include "bench/support/BidderSession.h"
#include "bench/support/QtBenchmarkMain.h"
#include "model/files/TvbFile.h"
#include "model/records/Prop.h"
#include "platform/ui/docview/FrameworkIds.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

namespace {

constexpr int kWarmUpCycles = 10;
constexpr int kCycles = 150;
constexpr int kLettingItems = 5000;

double ResidentKB()
{
    long pages = 0, resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / 1024;
}

double HeapInUseKB()
{
    return double(mallinfo2().uordblks) / 1024;
}

// Growth per step of the samples, by least squares: one odd sample moves it little.
double SlopeOf(const std::vector<double>& samples)
{
    const double n = double(samples.size());
    const double meanX = (n - 1) / 2;
    const double meanY = std::accumulate(samples.begin(), samples.end(), 0.0) / n;
    double covariance = 0, variance = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        covariance += (double(i) - meanX) * (samples[i] - meanY);
        variance += (double(i) - meanX) * (double(i) - meanX);
    }
    return variance > 0 ? covariance / variance : 0;
}

void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
}

bool ShowNode(NodeRef node)
{
    CBidTreeView* tree = GetMainTreeView();
    const bool selected = tree && tree->SelectNode(node);
    Settle();
    return selected;
}

// One proposal opened with its amendments, its schedule grid and its first firm's item grid
// shown, then closed; false when something did not show.
bool OpenShowAndClose(BenchProgram& program, const std::string& path)
{
    program.answers.AnswerDialogWith(IDOK); // the amendment report
    program.app.OpenDocumentFile(path);
    Settle();
    const CBidDoc* doc = GetMainDocument();
    CBidView* splitter = GetMainSplitter();
    if (!doc || !doc->GetProp() || !splitter || !ShowNode({NODE_SCHEDULE, 0}) ||
        !dynamic_cast<CDV_ItemScheduleGrid*>(splitter->GetRightView()) || !ShowNode({NODE_DBE_ITEM_GRID, 0}) ||
        !splitter->GetFirmItemSplitter())
        return false;
    GetMainFrame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
    Settle();
    return doc->GetProp() == nullptr;
}

// The two proposals with their amendment files; the bidder knows both agencies.
bool WriteProposals(const BenchFolder& folder, std::vector<std::string>& paths, std::string& error)
{
    ProposalShape letting;
    letting.m_items = kLettingItems;
    letting.m_seed = 7;
    for (const auto& [name, shape] : {std::pair{"sample", SampleShape()}, std::pair{"letting", letting}}) {
        const std::string base = folder.Path(name);
        if (!WriteAmendedProposalFiles(shape, base, error))
            return false;
        paths.push_back(base + ".tvb");
        std::unique_ptr<CProp> prop;
        if (LoadTvbFile(prop, paths.back(), false) != kTvbNoError) {
            error = paths.back() + " does not read back";
            return false;
        }
        StoreBidder(prop->m_strAgencyId);
    }
    return true;
}

void BM_OpenGridsCloseCycles(benchmark::State& state)
{
    BenchFolder folder;
    std::vector<std::string> paths;
    std::string error;
    if (!WriteProposals(folder, paths, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    BenchProgram program;
    if (!program.Started()) {
        state.SkipWithError("the program did not start");
        return;
    }
    Settle();
    std::vector<double> resident{ResidentKB()}, heap{HeapInUseKB()};
    for (auto _ : state) {
        for (const std::string& path : paths)
            if (!OpenShowAndClose(program, path)) {
                state.SkipWithError(("the cycle did not show " + path).c_str());
                return;
            }
        resident.push_back(ResidentKB());
        heap.push_back(HeapInUseKB());
    }
    const std::vector<double> residentAfter(resident.begin() + kWarmUpCycles, resident.end());
    const std::vector<double> heapAfter(heap.begin() + kWarmUpCycles, heap.end());
    const double firstCycle = resident[1] - resident[0];
    state.counters["first_cycle_kb"] = firstCycle;
    state.counters["rss_per_cycle_kb"] = SlopeOf(residentAfter);
    state.counters["heap_per_cycle_kb"] = SlopeOf(heapAfter);
    state.counters["x_first_cycle"] = SlopeOf(residentAfter) / firstCycle;
    state.counters["rss_end_mb"] = resident.back() / 1024;
    if (!program.answers.Unexpected().empty())
        state.SkipWithError(("unexpected question: " + program.answers.Unexpected().front()).c_str());
}

BENCHMARK(BM_OpenGridsCloseCycles)->Unit(benchmark::kMillisecond)->Iterations(kCycles);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
