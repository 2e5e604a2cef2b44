// Cost of building, drawing and emptying a proposal-sized tree through CTreeCtrl against the
// same tree made directly with QTreeWidget in the same run. The figure to watch is the
// "ratio" counter of BM_TreeThroughControl (a proposal of 10,000 items should stay within
// 1.5 times plain Qt).
#include "bench/support/QtBenchmarkMain.h"
#include "platform/ui/controls/TreeCtrl.h"

#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <string>
#include <vector>

namespace {

constexpr int kSections = 100;
constexpr int kItemsPerSection = 100;

std::vector<std::string> ItemTexts()
{
    std::vector<std::string> texts;
    for (int i = 0; i < kSections * kItemsPerSection; ++i)
        texts.push_back(std::to_string(i * 10) + " 2040.605 Crushed aggregate base course " + std::to_string(i));
    return texts;
}

double BuildDirect(QTreeWidget& tree, const std::vector<std::string>& texts)
{
    auto start = std::chrono::steady_clock::now();
    for (int s = 0; s < kSections; ++s) {
        auto* section = new QTreeWidgetItem(&tree, QStringList(QStringLiteral("Section %1").arg(s)));
        for (int i = 0; i < kItemsPerSection; ++i)
            new QTreeWidgetItem(section, QStringList(QString::fromLatin1(texts[size_t(s * kItemsPerSection + i)])));
        section->setExpanded(true);
    }
    tree.viewport()->grab();
    tree.clear();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double BuildThroughControl(CTreeCtrl& tree, const std::vector<std::string>& texts)
{
    auto start = std::chrono::steady_clock::now();
    for (int s = 0; s < kSections; ++s) {
        HTREEITEM section = tree.InsertItem(("Section " + std::to_string(s)).c_str());
        for (int i = 0; i < kItemsPerSection; ++i) {
            HTREEITEM item = tree.InsertItem(texts[size_t(s * kItemsPerSection + i)].c_str(), 0, 1, section);
            tree.SetItemData(item, DWORD_PTR(s * kItemsPerSection + i));
        }
        tree.Expand(section, TVE_EXPAND);
    }
    static_cast<QTreeWidget*>(tree.GetWidget())->viewport()->grab();
    tree.DeleteAllItems();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_TreeDirectQt(benchmark::State& state)
{
    auto texts = ItemTexts();
    QTreeWidget tree;
    tree.resize(400, 600);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildDirect(tree, texts));
    state.counters["items"] = kSections * kItemsPerSection;
}

void BM_TreeThroughControl(benchmark::State& state)
{
    auto texts = ItemTexts();
    QTreeWidget direct;
    direct.resize(400, 600);
    CWnd parent;
    parent.Create(nullptr, "", 0, CRect(0, 0, 400, 600), nullptr, 0);
    CTreeCtrl tree;
    tree.Create(nullptr, "", WS_CHILD | WS_VISIBLE | TVS_LINESATROOT, CRect(0, 0, 400, 600), &parent, 1);
    double layer = 0, baseline = 0;
    for (auto _ : state) {
        // The baseline runs beside each measured pass, so both see the same machine load.
        state.PauseTiming();
        baseline += BuildDirect(direct, texts);
        state.ResumeTiming();
        layer += BuildThroughControl(tree, texts);
    }
    state.counters["ratio"] = baseline > 0 ? layer / baseline : 0;
    state.counters["items"] = kSections * kItemsPerSection;
}

BENCHMARK(BM_TreeDirectQt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeThroughControl)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
