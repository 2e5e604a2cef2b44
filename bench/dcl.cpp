// Expanding a DCL stream against inflating the same bytes with zlib, both from memory into
// memory, in alternation so that a busy moment of the machine weighs on both alike. The data are
// pick-list text of about a megabyte (firm IDs and names, NUL-terminated), imploded with a
// 4096-byte dictionary and deflated at zlib's default level.
// "x_zlib" is explode's throughput divided by inflate's (inflate time / explode time, medians):
// at least 0.5 means explode is at least half as fast as inflate.
#include "bench/generator/PickListText.h"
#include "bench/support/Timing.h"
#include "model/files/Dcl.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

struct MemoryStreams {
    const Bytes* m_input;
    std::size_t m_readAt = 0;
    uint8_t* m_output;
    std::size_t m_written = 0;

    static std::size_t Read(uint8_t* buffer, std::size_t size, void* user)
    {
        auto& self = *static_cast<MemoryStreams*>(user);
        const std::size_t count = std::min(size, self.m_input->size() - self.m_readAt);
        std::memcpy(buffer, self.m_input->data() + self.m_readAt, count);
        self.m_readAt += count;
        return count;
    }
    static bool Write(const uint8_t* buffer, std::size_t count, void* user)
    {
        auto& self = *static_cast<MemoryStreams*>(user);
        std::memcpy(self.m_output + self.m_written, buffer, count);
        self.m_written += count;
        return true;
    }
};

// Implode reads the data and collects its stream in a growing buffer.
struct ImplodeStreams {
    MemoryStreams m_in;
    Bytes m_out;
};

Bytes Implode(const Bytes& data, CDclWorkArea& work)
{
    ImplodeStreams streams{{&data, 0, nullptr}, {}};
    const int result = DclImplode(
        [](uint8_t* buffer, std::size_t size, void* user) {
            return MemoryStreams::Read(buffer, size, &static_cast<ImplodeStreams*>(user)->m_in);
        },
        [](const uint8_t* buffer, std::size_t count, void* user) {
            Bytes& out = static_cast<ImplodeStreams*>(user)->m_out;
            out.insert(out.end(), buffer, buffer + count);
            return true;
        },
        work, &streams, DCL_BINARY, 4096);
    if (result != DCL_OK)
        throw std::runtime_error("implode failed");
    return streams.m_out;
}

Bytes Deflate(const Bytes& data)
{
    uLongf size = compressBound(uLong(data.size()));
    Bytes out(size);
    if (compress2(out.data(), &size, data.data(), uLong(data.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
        throw std::runtime_error("deflate failed");
    out.resize(size);
    return out;
}

void BM_ExplodeAgainstInflate(benchmark::State& state)
{
    const auto work = std::make_unique<CDclWorkArea>();
    const std::string text = GeneratePickListText(20000, 5);
    const Bytes data(text.begin(), text.end());
    const Bytes imploded = Implode(data, *work);
    const Bytes deflated = Deflate(data);
    Bytes output(data.size());
    std::vector<double> explodes;
    std::vector<double> inflates;
    for (auto _ : state) {
        explodes.push_back(SecondsOf([&] {
            MemoryStreams streams{&imploded, 0, output.data()};
            if (DclExplode(MemoryStreams::Read, MemoryStreams::Write, *work, &streams) != DCL_OK)
                state.SkipWithError("explode failed");
        }));
        inflates.push_back(SecondsOf([&] {
            uLongf size = uLongf(output.size());
            if (uncompress(output.data(), &size, deflated.data(), uLong(deflated.size())) != Z_OK)
                state.SkipWithError("inflate failed");
        }));
    }
    state.counters["x_zlib"] = Median(inflates) / Median(explodes);
    state.counters["explode_MBps"] = double(data.size()) / Median(explodes) / 1e6;
    state.counters["inflate_MBps"] = double(data.size()) / Median(inflates) / 1e6;
    state.counters["dcl_ratio"] = double(imploded.size()) / double(data.size());
    state.counters["zlib_ratio"] = double(deflated.size()) / double(data.size());
}

BENCHMARK(BM_ExplodeAgainstInflate)->Unit(benchmark::kMillisecond)->Iterations(60);

} // namespace

BENCHMARK_MAIN();
