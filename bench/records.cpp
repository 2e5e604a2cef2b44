// Copying and comparing an item list of 10,000 rows and a whole proposal of 10,000 items, each
// reported as a ratio ("x_plain_copy") to copying the same number of plain fixed-size structs,
// measured in the same run.
#include "model/amend/AmendmentResult.h"
#include "model/text/FlagWord.h"
#include "model/records/ItemArray.h"
#include "model/records/Prop.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
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

void FillSchedule(CItemArray& list)
{
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
}

CItemArray MakeSchedule()
{
    CItemArray list;
    FillSchedule(list);
    return list;
}

std::unique_ptr<CWinMeta> MakeFirmForm(int firms)
{
    auto form = std::make_unique<CWinMeta>();
    for (const char* name : {"Firm Name", "Amount", "Type", "Certified"})
        form->m_fields.Add(std::make_unique<CFieldInfo>())->m_strName = name;
    for (int f = 0; f < firms; ++f) {
        CRowData* row = form->AddRow(-1, -1);
        row->m_cells[0]->m_strText = "Subcontractor number " + std::to_string(f);
        for (int i = 0; i < 40; ++i) {
            auto entry = std::make_unique<CDBEItem>();
            entry->m_iNumber = int16_t(f * 40 + i + 1);
            entry->m_dQuantity = i;
            row->m_dbeItems.Add(std::move(entry));
        }
    }
    return form;
}

std::unique_ptr<CProp> MakeProposal()
{
    auto prop = std::make_unique<CProp>();
    prop->m_strDescription = "Resurfacing, striping and guard rail on the state route";
    FillSchedule(prop->m_items);
    for (int s = 0; s < 20; ++s)
        prop->m_sites.Add(std::make_unique<CSite>())->m_strDescription = "Site " + std::to_string(s);
    prop->m_pDbeForm = MakeFirmForm(25);
    prop->m_miscForms.Add(MakeFirmForm(1));
    for (int p = 0; p < 30; ++p)
        prop->SetPlate("Report " + std::to_string(p), std::string(400, 'x'));
    return prop;
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

void BM_ProposalCopy(benchmark::State& state)
{
    const auto source = MakeProposal();
    for (auto _ : state) {
        CProp copy;
        copy.CopyFrom(*source);
        benchmark::DoNotOptimize(copy.m_items[0]);
    }
    ReportRatio(state);
}

void BM_ProposalCopyAndCompare(benchmark::State& state)
{
    const auto source = MakeProposal();
    for (auto _ : state) {
        CProp copy;
        copy.CopyFrom(*source);
        if (copy.ReduceToChanges(source.get()) != AMEND_ALREADY_APPLIED)
            state.SkipWithError("a copy must compare equal to its original");
    }
    ReportRatio(state);
}

BENCHMARK(BM_PlainStructCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ItemListCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ItemListCompareRowByRow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ItemListCopyAndReduce)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProposalCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProposalCopyAndCompare)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
