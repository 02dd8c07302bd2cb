// The shared round trip over the interleaved (6, 7) and fixed-frame (8, 9)
// families, with every kind of channel each family keeps.
#include "support/SampleRoundTrip.h"

namespace kp::test {
namespace {

// 32-bit values; `paired` repeats each even point's value at the odd point
// after it, as family 6 keeps its logic-unit positions.
Recording WithWords(Recording r, std::vector<int> slots, std::uint32_t salt, bool paired = false)
{
    auto rng = SeededRandom(salt);
    const auto n = static_cast<std::size_t>(r.dataLength);
    auto words = [&] {
        std::vector<std::uint32_t> v(n);
        for (auto& x : v)
            x = rng();
        if (paired) {
            for (std::size_t p = 0; p + 1 < n; p += 2)
                v[p + 1] = v[p];
            if (n % 2 == 1)
                v[n - 1] &= 0xFFFF0000u;
        }
        return v;
    };
    for (int slot : slots) {
        synth::LogicWordBlueprint w;
        w.slot = slot;
        w.primary = words();
        if (Pairs(r))
            w.secondary = words();
        r.logicWords.push_back(std::move(w));
    }
    return r;
}

Recording WithFloats(Recording r, std::vector<int> slots, std::uint32_t salt)
{
    auto rng = SeededRandom(salt);
    std::uniform_real_distribution<float> d(-1e4f, 1e4f);
    const auto n = static_cast<std::size_t>(r.dataLength);
    for (int slot : slots) {
        synth::FloatBlueprint f;
        f.slot = slot;
        f.primary.resize(n);
        for (auto& x : f.primary)
            x = d(rng);
        if (Pairs(r)) {
            f.secondary.resize(n);
            for (auto& x : f.secondary)
                x = d(rng);
        }
        r.floats.push_back(std::move(f));
    }
    return r;
}

// The GPS quantities 246-252 share two 32-bit values through masks and shifts.
Recording WithGpsSplits(Recording r, std::uint32_t salt)
{
    const std::pair<int, synth::GpsSplitBlueprint> splits[] = {
        { 246, { 0x3FF00000u, 20 } },
        { 247, { 0x000FFC00u, 10 } },
        { 248, { 0x000003FFu, 0 } },
        { 249, { 0xF8000000u, 27 } },
        { 250, { 0x06000000u, 25 } },
        { 251, { 0x01FFFF80u, 7 } },
        { 252, { 0x00000040u, 6 } },
    };
    auto rng = SeededRandom(salt);
    for (const auto& [slot, split] : splits) {
        r.gpsSplits[slot] = split;
        synth::LogicWordBlueprint w;
        w.slot = slot;
        w.primary.resize(static_cast<std::size_t>(r.dataLength));
        for (auto& x : w.primary)
            x = (rng() & split.mask) >> split.shift;
        r.logicWords.push_back(std::move(w));
    }
    return r;
}

std::vector<FamilyCase> Families6To9()
{
    return {
        { "F6_MEM", 6,
            [] {
                auto r = Make("5228", "52280102", "MEM", 5001, { 0, 2, 5 }, { 5, 6, 9 }, 61);
                return WithFloats(WithWords(r, { 1, 4 }, 62, true), { 0, 11 }, 63);
            } },
        { "F6_REC", 6,
            [] {
                return Make("5228", "52280102", "REC", 3000, { 0, 3 }, { 0, 1, 4, 15 }, 64);
            } },
        { "F7_MEM", 7,
            [] {
                return Make("QX4767", "QX476701", "MEM", 4500, { 0, 3, 7 }, { 0, 1, 3 }, 71);
            } },
        { "F7_REC", 7,
            [] {
                return Make("QX4767", "QX476701", "REC", 2500, { 1, 2 }, { 0, 2, 3 }, 72);
            } },
        { "F8_MEM", 8,
            [] {
                auto r = Make("QX3013", "QX301301", "MEM", 4000, { 0, 14, 59 }, { 0, 3, 4, 9, 17, 19 }, 81);
                r.frameSlack = 2;
                r = WithPulses(WithFloats(WithWords(r, { 15, 240, 245, 256, 263 }, 82), { 0, 7 }, 83), { 0, 1 }, 84);
                return WithGpsSplits(r, 85);
            } },
        { "F9_MEM", 9,
            [] {
                auto r = Make("QX3122", "QX3122-01", "MEM", 3500, { 0, 9, 255 }, { 0, 3, 9, 127 }, 91);
                return WithFloats(WithWords(r, { 5, 256, 351 }, 92), { 0, 16, 32, 94 }, 93);
            } },
        { "F9_REC", 9,
            [] {
                auto r = Make("QX3122", "QX3122", "REC", 2100, { 1, 200 }, { 4, 5, 64 }, 94);
                r.frameSlack = 5;
                return WithFloats(WithWords(r, { 7, 300 }, 95), { 15, 31, 40 }, 96);
            } },
    };
}

INSTANTIATE_TEST_SUITE_P(Families6To9, SampleRoundTrip, ::testing::ValuesIn(Families6To9()),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace kp::test
