// Throughput of the unpacker as the back ends drive it: 256-byte chunks from the port,
// decoded into 512-byte blocks.
#include "tools/instrument-sim/Packer.h"
#include "transfer/Unpacker.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using vordalis::transfer::Unpacker;

namespace {

// About 1 MB of a typical object: readings in lines and columns.
std::vector<uint8_t> Readings() {
    std::string text = "VERNOSKANT 5 123456\r\n";
    for (int i = 0; text.size() < 1000000; ++i)
        text += std::to_string(100 + (i * 7919) % 400) + (i % 8 == 7 ? "\r\n" : "\t");
    text += '\x06';
    return std::vector<uint8_t>(text.begin(), text.end());
}

void Decode(benchmark::State& state, const std::vector<uint8_t>& stream, bool raw, size_t expected) {
    std::vector<uint8_t> block(512);
    for (auto _ : state) {
        Unpacker unpacker;
        unpacker.Arm(raw);
        size_t total = 0;
        for (size_t pos = 0; pos < stream.size(); pos += 256) {
            const int n = static_cast<int>(std::min<size_t>(256, stream.size() - pos));
            bool newInput = true;
            for (;;) {
                int produced = 0;
                const bool done =
                    unpacker.Decode(block.data(), 512, stream.data() + pos, n, produced, newInput);
                newInput = false;
                total += produced;
                benchmark::DoNotOptimize(block.data());
                if (done) break;
            }
        }
        if (total != expected || (!raw && unpacker.State() != Unpacker::Complete))
            state.SkipWithError("bad decode");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(expected));
    state.counters["stream_bytes"] = static_cast<double>(stream.size());
}

void BM_UnpackPacked(benchmark::State& state) {
    static const std::vector<uint8_t> object = Readings();
    static const std::vector<uint8_t> stream = *instrument_sim::Pack(object);
    Decode(state, stream, false, object.size());
}

void BM_UnpackPlain(benchmark::State& state) {
    static const std::vector<uint8_t> object = Readings();
    Decode(state, object, false, object.size());
}

void BM_PassRaw(benchmark::State& state) {
    static const std::vector<uint8_t> object = Readings();
    Decode(state, object, true, object.size());
}

} // namespace

BENCHMARK(BM_UnpackPacked)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnpackPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PassRaw)->Unit(benchmark::kMillisecond);
