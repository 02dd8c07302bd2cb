#include <gtest/gtest.h>

#include "PaintFixtures.h"
#include "ViewFixtures.h"
#include "support/SeededRandom.h"
#include "view/DotRowCache.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <string>

namespace kp {
namespace {

using test::BasicParams;
using test::Render;

// 700 x 326 client: centre 158, H = 128; 30,007 points leave 7 (or 1007) over
// after the last full column at the coarser magnifications.
constexpr int kW = 700, kH = 326, kHalf = 128;
constexpr std::int64_t kPoints = 30'007;

// A trace's shape in full scales: a slow sine with noise, a square wave that
// jumps between far rows every sample, uniform noise, a flat stretch, and
// spikes beyond full scale that land on the clamp rows.
std::vector<double> Shape(std::uint32_t seed, std::int64_t n)
{
    auto rng = test::SeededRandom(seed);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    std::normal_distribution<double> noise(0.0, 0.01);
    std::vector<double> out(static_cast<std::size_t>(n));
    for (std::int64_t i = 0; i < n; ++i) {
        double v = 0;
        switch ((i / 4000) % 4) {
        case 0:
            v = 0.8 * std::sin(2 * std::numbers::pi * static_cast<double>(i) / 3000.0) + noise(rng);
            break;
        case 1:
            v = (i % 2 ? 0.7 : -0.6) + noise(rng);
            break;
        case 2:
            v = uniform(rng);
            break;
        default:
            v = 0.25;
            break;
        }
        if (i % 997 == 0)
            v = i % 2 ? 1.6 : -1.6;
        out[static_cast<std::size_t>(i)] = v;
    }
    return out;
}

// Arrays of every representation, and the traces drawn from them.
struct Store {
    std::vector<std::unique_ptr<std::vector<std::uint16_t>>> u16;
    std::vector<std::unique_ptr<std::vector<std::uint32_t>>> u32;
    std::vector<std::unique_ptr<std::vector<float>>> f32;
    std::vector<std::unique_ptr<ValueColumns>> columns;

    template <typename Summary, typename S, typename B> const ValueColumns* Add(std::vector<S>& data, B bias)
    {
        columns.push_back(std::make_unique<SummaryColumns<Summary>>(std::span<const S>(data), bias));
        return columns.back().get();
    }
    const ValueColumns* Codes16(const std::vector<double>& shape, double scale, double offset, bool isSigned)
    {
        auto& v = *u16.emplace_back(std::make_unique<std::vector<std::uint16_t>>());
        for (double s : shape) {
            const double code
                = std::clamp(std::round(s * scale + offset), isSigned ? -32768.0 : 0.0, isSigned ? 32767.0 : 65535.0);
            v.push_back(static_cast<std::uint16_t>(static_cast<std::int32_t>(code)));
        }
        return isSigned ? Add<SignedCodeSummary>(v, 0) : Add<UnsignedCodeSummary>(v, 0);
    }
    const ValueColumns* Codes32(const std::vector<double>& shape, double scale, std::uint32_t zero, bool zeroReferenced)
    {
        auto& v = *u32.emplace_back(std::make_unique<std::vector<std::uint32_t>>());
        for (double s : shape)
            v.push_back(zero + static_cast<std::uint32_t>(static_cast<std::int64_t>(std::round(s * scale))));
        return zeroReferenced ? Add<ZeroReferencedSummary>(v, zero) : Add<WideCodeSummary>(v, 0u);
    }
    const ValueColumns* Floats(const std::vector<double>& shape, bool specials)
    {
        auto& v = *f32.emplace_back(std::make_unique<std::vector<float>>());
        for (std::size_t i = 0; i < shape.size(); ++i) {
            float f = static_cast<float>(shape[i] * 5.0);
            if (specials && i % 1013 == 5)
                f = std::numeric_limits<float>::quiet_NaN();
            if (specials && i % 2029 == 7)
                f = i % 2 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
            v.push_back(f);
        }
        return Add<FloatSummary>(v, 0.0f);
    }
};

struct Coding {
    std::string name;
    std::function<ValueTrace(Store&)> make;
};

ValueTrace Trace(TraceCoding coding, const ValueColumns* primary, const ValueColumns* secondary = nullptr)
{
    ValueTrace t;
    t.coding = coding;
    t.colour = QColor(255, 0, 0);
    t.primary = primary;
    t.secondary = secondary;
    return t;
}

void PrintTo(const Coding& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<Coding> Codings()
{
    return {
        { "Signed16",
            [](Store& s) {
                ValueTrace t = Trace(TraceCoding::Signed16, s.Codes16(Shape(1, kPoints), 20000, 0, true));
                t.scaling.codeOffset = -150;
                t.scaling.gain = 1.1;
                t.scaling.span = 20000;
                t.position = 0.05;
                return t;
            } },
        { "Signed16Inverted",
            [](Store& s) {
                ValueTrace t = Trace(TraceCoding::Signed16, s.Codes16(Shape(2, kPoints), 20000, 0, true));
                t.scaling.gain = -0.7;
                t.scaling.span = 20000;
                t.zoom = 3.0; // much of it on the clamp rows
                return t;
            } },
        { "Unsigned16",
            [](Store& s) {
                ValueTrace t = Trace(TraceCoding::Unsigned16, s.Codes16(Shape(3, kPoints), 20000, 32768, false));
                t.scaling.unsignedOffset = 32768;
                t.scaling.offset2 = 12;
                t.scaling.gain2 = 0.9;
                t.scaling.span = 20000;
                t.scaling.displayOffset2 = -0.1;
                return t;
            } },
        { "Wide32",
            [](Store& s) {
                ValueTrace t = Trace(TraceCoding::Wide32, s.Codes32(Shape(4, kPoints), 3e6, 0x80000000u, false));
                t.scaling.codeOffset = 2147483648.0;
                t.scaling.gain2 = 1.0;
                t.scaling.span = 3e6;
                return t;
            } },
        { "Wide32ZeroReferenced",
            [](Store& s) {
                ValueTrace t = Trace(TraceCoding::Wide32, s.Codes32(Shape(5, kPoints), 3e6, 1000u, true));
                t.scaling.gain2 = 1.0;
                t.scaling.span = 2.5e6;
                t.position = -0.2;
                return t;
            } },
        { "FloatWithNaNAndInfinity",
            [](Store& s) {
                ValueTrace t = Trace(TraceCoding::Float, s.Floats(Shape(6, kPoints), true));
                t.scaling.gain = 0.2;
                t.scaling.displayOffset = 0.1;
                return t;
            } },
        { "FloatZeroGainWithInfinity",
            [](Store& s) {
                // 0 x infinity is NaN, which lands on the centre line while
                // every finite sample lands on the display offset.
                ValueTrace t = Trace(TraceCoding::Float, s.Floats(Shape(7, kPoints), true));
                t.scaling.gain = 0.0;
                t.scaling.displayOffset = 0.4;
                return t;
            } },
        { "Pulse",
            [](Store& s) {
                ValueTrace t = Trace(TraceCoding::Pulse, s.Codes16(Shape(8, kPoints), 20000, 25000, false));
                t.scaling.gain = 1.0 / 65536.0;
                t.scaling.divisor = 0.5;
                t.scaling.displayOffset = -0.7;
                return t;
            } },
        { "EnvelopeSigned16",
            [](Store& s) {
                std::vector<double> hi = Shape(9, kPoints), lo = hi;
                for (std::size_t i = 0; i < hi.size(); ++i) {
                    hi[i] += 0.05 + 0.02 * (i % 7);
                    lo[i] -= 0.05 + 0.03 * (i % 5);
                }
                ValueTrace t
                    = Trace(TraceCoding::Signed16, s.Codes16(hi, 20000, 0, true), s.Codes16(lo, 20000, 0, true));
                t.scaling.gain = 1.0;
                t.scaling.span = 20000;
                return t;
            } },
        { "EnvelopeFloatShortMinima",
            [](Store& s) {
                // The minima array ends early: its columns stop where it does.
                const std::vector<double> hi = Shape(10, kPoints);
                const std::vector<double> lo(hi.begin(), hi.end() - 4321);
                ValueTrace t = Trace(TraceCoding::Float, s.Floats(hi, false), s.Floats(lo, true));
                t.scaling.gain = 0.19;
                return t;
            } },
    };
}

// The first pixel where two renderings differ, for the failure message.
std::string FirstDifference(const QImage& a, const QImage& b)
{
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return "first difference at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
        }
    }
    return "no difference";
}

// Renders p with and without the cache; the cached pixels must be those of
// the per-sample scan.
void ExpectSameAsPerSample(PaintParams p, DotRowCache& cache, const std::string& what)
{
    p.dotRows = nullptr;
    const QImage plain = Render(p);
    p.dotRows = &cache;
    const QImage cached = Render(p);
    EXPECT_TRUE(cached == plain) << what << ": " << FirstDifference(cached, plain);
}

class DotRowIdentity : public ::testing::TestWithParam<Coding> { };

TEST_P(DotRowIdentity, CachedDotsArePixelForPixelThePerSampleDots)
{
    Store store;
    const ValueTrace trace = GetParam().make(store);
    DotRowCache cache;
    for (std::int64_t ppc : { 1, 2, 5, 20, 100, 1000, 5000, 10000 }) {
        PaintParams p = BasicParams(kW, kH, kPoints, ppc);
        p.style = WaveStyle::Dots;
        p.analog.push_back(trace);
        const int width = p.waveWidth();
        // The start, the end with the left-over points, and (when the strip
        // is wide) a stretch in the middle; the end twice, the second time
        // from the cache.
        for (int scroll : { 0, std::max(0, width + 100 - kW), width / 2, std::max(0, width + 100 - kW) }) {
            p.scrollX = scroll;
            ExpectSameAsPerSample(p, cache, "ppc " + std::to_string(ppc) + ", scroll " + std::to_string(scroll));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Codings, DotRowIdentity, ::testing::ValuesIn(Codings()),
    [](const ::testing::TestParamInfo<Coding>& info) { return info.param.name; });

TEST(DotRowCache, AChangedGeometryOrScalingIsNotAnsweredFromOldRows)
{
    Store store;
    ValueTrace t = Codings()[0].make(store);
    DotRowCache cache;
    PaintParams p = BasicParams(kW, kH, kPoints, 100);
    p.style = WaveStyle::Dots;
    p.analog.push_back(t);
    p.dotRows = &cache;
    const QImage before = Render(p);

    // Each change on its own must show: a stale cache would repeat `before`.
    auto check = [&](const std::string& what, auto change) {
        PaintParams q = p;
        change(q);
        ExpectSameAsPerSample(q, cache, what);
        q.dotRows = &cache;
        EXPECT_FALSE(Render(q) == before) << what << " left the picture unchanged";
        ExpectSameAsPerSample(p, cache, what + ", back again");
    };
    check("position", [](PaintParams& q) { q.analog[0].position += 0.1; });
    check("zoom", [](PaintParams& q) { q.analog[0].zoom = 2.0; });
    check("gain", [](PaintParams& q) { q.analog[0].scaling.gain = 0.5; });
    check("client height", [](PaintParams& q) { q.clientHeight = kH - 60; });
    check("magnification", [](PaintParams& q) { q.pointsPerColumn = 50; });
    check("record length", [](PaintParams& q) { q.points = kPoints - 3000; });
}

TEST(DotRowCache, ColumnsAreFoundOnceAndKeptPerTrace)
{
    Store store;
    const ValueTrace a = Codings()[0].make(store);
    const ValueTrace b = Codings()[2].make(store);
    DotRowCache cache;
    PaintParams p = BasicParams(kW, kH, kPoints, 100);
    p.style = WaveStyle::Dots;
    p.analog = { a, b };
    p.dotRows = &cache;
    Render(p);
    ASSERT_EQ(cache.EntryCount(), 2u);
    DotColumns& columns = cache.For(DotRowKeyOf(p, a));
    const std::size_t runs = columns.RunCount();
    EXPECT_GT(runs, 0u);
    // A repaint of painted columns finds nothing new.
    Render(p);
    EXPECT_EQ(cache.For(DotRowKeyOf(p, a)).RunCount(), runs);
    EXPECT_EQ(cache.EntryCount(), 2u);
    EXPECT_TRUE(columns.UsesExtents());
}

TEST(DotRowCache, RowsOfAColumnAreItsDistinctSampleRows)
{
    // Column 1 of 10 points: codes 3, 3, 40, -7, 40, 3, 41, -8, 3, 3 with a
    // code per row: rows centre-3, centre-40, centre-41 (one run), centre+7,
    // centre+8 (one run).
    std::vector<std::uint16_t> data(30, 0);
    const int codes[10] = { 3, 3, 40, -7, 40, 3, 41, -8, 3, 3 };
    for (int i = 0; i < 10; ++i)
        data[static_cast<std::size_t>(10 + i)] = static_cast<std::uint16_t>(static_cast<std::int16_t>(codes[i]));
    SummaryColumns<SignedCodeSummary> columns(std::span<const std::uint16_t>(data), 0);
    DotRowKey key;
    key.primary = &columns;
    key.scaling.span = 1000;
    key.scaling.gain = 1000.0 / kHalf;
    key.points = 30;
    key.pointsPerColumn = 10;
    key.centre = 158;
    key.halfHeight = kHalf;
    DotColumns rows(key);
    const auto r = rows.Rows(1);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0], (RowRun { 158 - 41, 158 - 40 }));
    EXPECT_EQ(r[1], (RowRun { 158 - 3, 158 - 3 }));
    EXPECT_EQ(r[2], (RowRun { 158 + 7, 158 + 8 }));
    EXPECT_TRUE(rows.Rows(3).empty()); // past the strip
}

TEST(DotRowCache, InfiniteScalingTermsFallBackToTheSampleScan)
{
    std::vector<float> data(100, 1.0f);
    SummaryColumns<FloatSummary> columns(std::span<const float>(data), 0.0f);
    DotRowKey key;
    key.primary = &columns;
    key.coding = TraceCoding::Float;
    key.points = 100;
    key.pointsPerColumn = 50;
    key.centre = 158;
    key.halfHeight = kHalf;
    EXPECT_TRUE(DotColumns(key).UsesExtents());
    key.scaling.gain = std::numeric_limits<double>::infinity();
    DotColumns rows(key);
    EXPECT_FALSE(rows.UsesExtents());
    ASSERT_EQ(rows.Rows(0).size(), 1u);
    EXPECT_EQ(rows.Rows(0)[0].top, 158 - kHalf - 2);
}

// The cache names columns by address; a new record's columns may reuse the
// old one's addresses, so each load starts it afresh.
TEST(DotRowCache, TheViewStartsItsRowsAfreshWithEachRecord)
{
    test::ViewHarness h;
    h.settings.waveStyle = WaveStyle::Dots;
    test::RecordData first, second;
    h.view->SetRecord(test::MakeRecord(first, 100'000, 2));
    const PaintParams p = h.view->BuildPaintParams(QRect(0, 0, 1000, 400));
    ASSERT_EQ(p.style, WaveStyle::Dots);
    ASSERT_NE(p.dotRows, nullptr);
    Render(p);
    EXPECT_EQ(p.dotRows->EntryCount(), 2u);
    h.view->SetRecord(test::MakeRecord(second, 100'000, 2));
    EXPECT_EQ(p.dotRows->EntryCount(), 0u);
    const PaintParams q = h.view->BuildPaintParams(QRect(0, 0, 1000, 400));
    ExpectSameAsPerSample(q, *q.dotRows, "second record");
    h.view->ClearRecord();
    EXPECT_EQ(q.dotRows->EntryCount(), 0u);
}

} // namespace
} // namespace kp
