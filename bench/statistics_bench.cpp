// Statistics between the cursors over a 16 x 10,000,000-point recording: a
// refresh from the per-block summaries side by side with a plain two-pass
// scan of the same points, over the whole record and a few ranges. Also the
// one-time cost of building the summaries. Run: build/bench/statistics_bench.

#include "synth/DemoRecordings.h"
#include "view/StatisticsReadout.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace kp;

constexpr std::int64_t kPoints = 10'000'000;
constexpr int kChannels = 16;

struct Fixture {
    std::vector<std::vector<std::uint16_t>> codes;
    std::vector<ChannelValues> values;
    std::vector<BlockMoments> summaries;

    Fixture()
    {
        synth::Recording r = synth::WaveformRecording(kChannels, 0, kPoints, 7);
        for (auto& a : r.analog)
            codes.push_back(std::move(a.primary));
        for (const auto& c : codes) {
            ChannelValues v;
            v.scale.scale = 0.0003125;
            v.scale.offset = 0.5;
            v.codes16 = c;
            values.push_back(v);
            summaries.emplace_back(v.size(), v);
        }
    }
};

Fixture& Data()
{
    static Fixture f;
    return f;
}

// Range arguments: first and last point.
void Ranges(benchmark::internal::Benchmark* b)
{
    b->Args({ 0, kPoints - 1 })->Args({ 1'234'567, 8'765'432 })->Args({ 5'000'000, 5'100'000 })->Args({ 100, 5000 });
}

void BM_StatisticsFromSummaries(benchmark::State& state)
{
    Fixture& f = Data();
    for (auto _ : state) {
        for (int c = 0; c < kChannels; ++c)
            benchmark::DoNotOptimize(f.summaries[static_cast<std::size_t>(c)].Query(
                f.values[static_cast<std::size_t>(c)], state.range(0), state.range(1)));
    }
}
BENCHMARK(BM_StatisticsFromSummaries)->Apply(Ranges)->Unit(benchmark::kMillisecond);

void BM_StatisticsPlainScan(benchmark::State& state)
{
    Fixture& f = Data();
    for (auto _ : state) {
        for (int c = 0; c < kChannels; ++c)
            benchmark::DoNotOptimize(
                PlainMoments(f.values[static_cast<std::size_t>(c)], state.range(0), state.range(1)));
    }
}
BENCHMARK(BM_StatisticsPlainScan)->Apply(Ranges)->Unit(benchmark::kMillisecond);

void BM_StatisticsBuildSummaries(benchmark::State& state)
{
    Fixture& f = Data();
    for (auto _ : state) {
        for (int c = 0; c < kChannels; ++c) {
            const ChannelValues& v = f.values[static_cast<std::size_t>(c)];
            BlockMoments m(v.size(), v);
            benchmark::DoNotOptimize(m);
        }
    }
}
BENCHMARK(BM_StatisticsBuildSummaries)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

BENCHMARK_MAIN();
