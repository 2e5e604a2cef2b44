// Reading and writing the proposal file of a generated proposal of 10,000 items, against zlib
// alone on the same bytes in the same run: loading (inflate, records, checks, recalculation)
// as a ratio to inflating the file ("x_inflate"), saving (checksum, records, deflate, the
// atomic replacement of the file) as a ratio to deflating its records at the same level
// ("x_deflate"). Medians of the per-pass times, measured in alternation so that a busy moment
// of the machine weighs on both sides alike.
#include "bench/generator/ProposalGenerator.h"
#include "bench/support/Timing.h"
#include "model/check/Recalc.h"
#include "model/files/TvbFile.h"
#include "model/records/Prop.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Runs zlib over the whole input into `output`, which is large enough for all of it; the size.
std::size_t RunZlib(const std::string& input, std::string& output, bool compress)
{
    z_stream stream{};
    if (compress)
        deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY);
    else
        inflateInit2(&stream, 31);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
    stream.avail_in = uInt(input.size());
    stream.next_out = reinterpret_cast<Bytef*>(output.data());
    stream.avail_out = uInt(output.size());
    const int status = compress ? deflate(&stream, Z_FINISH) : inflate(&stream, Z_FINISH);
    if (status != Z_STREAM_END)
        throw std::runtime_error("zlib did not finish");
    compress ? deflateEnd(&stream) : inflateEnd(&stream);
    return stream.total_out;
}

std::string ReadBytes(const std::string& path)
{
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

struct SavedProposal {
    std::unique_ptr<CProp> prop;
    std::string path;
    std::string compressed;
    std::string records;

    SavedProposal()
    {
        ProposalShape shape;
        shape.m_items = 10000;
        prop = GenerateProposal(shape);
        RecalcBidTotals(prop.get());
        path = (std::filesystem::temp_directory_path() / "zod-bench-tvb.tvb").string();
        if (SaveTvbFile(*prop, path) != kTvbNoError)
            throw std::runtime_error("cannot save " + path);
        compressed = ReadBytes(path);
        records.resize(64u << 20);
        records.resize(RunZlib(compressed, records, false));
    }
    ~SavedProposal() { std::filesystem::remove(path); }
};

void BM_ReadTvb(benchmark::State& state)
{
    const SavedProposal saved;
    std::string inflated(saved.records.size(), '\0');
    std::vector<double> loads;
    std::vector<double> inflates;
    for (auto _ : state) {
        std::unique_ptr<CProp> prop; // freed after the clock stops: freeing is not reading
        loads.push_back(SecondsOf([&] {
            if (LoadTvbFile(prop, saved.path, false) != kTvbNoError)
                state.SkipWithError("cannot load");
        }));
        inflates.push_back(SecondsOf([&] { benchmark::DoNotOptimize(RunZlib(saved.compressed, inflated, false)); }));
    }
    state.counters["x_inflate"] = Median(loads) / Median(inflates);
    state.counters["MB_records"] = double(saved.records.size()) / 1e6;
}

BENCHMARK(BM_ReadTvb)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_WriteTvb(benchmark::State& state)
{
    const SavedProposal saved;
    std::string deflated(saved.compressed.size() * 2 + 1024, '\0');
    std::vector<double> saves;
    std::vector<double> deflates;
    for (auto _ : state) {
        saves.push_back(SecondsOf([&] {
            if (SaveTvbFile(*saved.prop, saved.path) != kTvbNoError)
                state.SkipWithError("cannot save");
        }));
        deflates.push_back(SecondsOf([&] { benchmark::DoNotOptimize(RunZlib(saved.records, deflated, true)); }));
    }
    state.counters["x_deflate"] = Median(saves) / Median(deflates);
    state.counters["MB_compressed"] = double(saved.compressed.size()) / 1e6;
}

BENCHMARK(BM_WriteTvb)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

BENCHMARK_MAIN();
