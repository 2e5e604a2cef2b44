// Exporting and importing the prices of a 10,000-item proposal as CSV, against writing and
// reading the same bytes line by line with plain buffered I/O, measured in the same run. Each
// iteration times the transfer and its baseline one after the other, so a busy moment of the
// machine weighs on both; the counters are the ratios of the medians ("x_export", "x_import").
#include "bench/generator/ProposalGenerator.h"
#include "bench/support/Timing.h"
#include "model/eval/Evaluator.h"
#include "model/flat/FlatFormats.h"
#include "model/flat/FlatImport.h"
#include "model/records/Prop.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::string& FilePath()
{
    static const std::string path = (std::filesystem::temp_directory_path() / "zod-bench-flat.csv").string();
    return path;
}

std::unique_ptr<CProp> TenThousandItems()
{
    ProposalShape shape;
    shape.m_items = 10000;
    return GenerateProposal(shape);
}

void Describe(FlatFileJob& job, CProp& prop)
{
    job.m_pProp = &prop;
    job.m_bLabels = 1;
    job.m_exportFields = DefaultFlatFields();
    job.m_importFields = job.m_exportFields;
}

void Export(CProp& prop)
{
    FlatFileJob job;
    Describe(job, prop);
    job.m_pFile = std::fopen(FilePath().c_str(), "wb");
    benchmark::DoNotOptimize(ExportCsv(job));
    std::fclose(job.m_pFile);
}

CFlatImportReport Import(CProp& prop)
{
    FlatFileJob job;
    Describe(job, prop);
    job.m_pFile = std::fopen(FilePath().c_str(), "rb");
    CFlatImportReport report = RunFlatImport(job, ImportCsv);
    std::fclose(job.m_pFile);
    return report;
}

std::vector<std::string> LinesOfTheFile()
{
    std::vector<std::string> lines;
    std::FILE* file = std::fopen(FilePath().c_str(), "rb");
    char line[8192];
    while (std::fgets(line, sizeof line, file))
        lines.emplace_back(line);
    std::fclose(file);
    return lines;
}

void WriteLines(const std::vector<std::string>& lines, const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    for (const std::string& line : lines)
        std::fwrite(line.data(), 1, line.size(), file);
    std::fclose(file);
}

std::size_t ReadLines(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    char line[8192];
    std::size_t bytes = 0;
    while (std::fgets(line, sizeof line, file))
        bytes += std::char_traits<char>::length(line);
    std::fclose(file);
    return bytes;
}

void BM_ExportCsv(benchmark::State& state)
{
    const auto prop = TenThousandItems();
    Export(*prop);
    const std::vector<std::string> lines = LinesOfTheFile();
    const std::string plainPath = FilePath() + ".plain";
    std::vector<double> exports;
    std::vector<double> plain;
    for (auto _ : state) {
        exports.push_back(SecondsOf([&] { Export(*prop); }));
        plain.push_back(SecondsOf([&] { WriteLines(lines, plainPath); }));
    }
    state.counters["x_export"] = Median(exports) / Median(plain);
    state.counters["ms_export"] = Median(exports) * 1e3;
    state.counters["ms_plain"] = Median(plain) * 1e3;
    std::remove(plainPath.c_str());
}

void BM_ImportCsv(benchmark::State& state)
{
    const auto prop = TenThousandItems();
    Export(*prop);
    std::vector<double> imports;
    std::vector<double> plain;
    for (auto _ : state) {
        imports.push_back(SecondsOf([&] {
            const CFlatImportReport report = Import(*prop);
            if (report.m_iPricesLoaded + report.m_iFixedPriceRows != 10000)
                state.SkipWithError("not every row was taken");
        }));
        plain.push_back(SecondsOf([&] { benchmark::DoNotOptimize(ReadLines(FilePath())); }));
    }
    state.counters["x_import"] = Median(imports) / Median(plain);
    state.counters["ms_import"] = Median(imports) * 1e3;
    state.counters["ms_plain"] = Median(plain) * 1e3;
    FreeEvaluatorSymbols();
}

BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportCsv)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
