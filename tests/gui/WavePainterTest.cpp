#include <gtest/gtest.h>

#include "PaintFixtures.h"

#include <algorithm>

namespace kp {
namespace {

using test::BasicParams;
using test::PixelTrace;
using test::Render;
using test::RowsOf;
using test::TraceStore;

// 400 x 326 client: wave area rows 30 .. 286, centre 158, H = 128 (a power
// of two keeps the scaling exact, so code v lands exactly v rows up).
constexpr int kW = 400, kH = 326, kCentre = 158, kHalf = 128;
const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kGrey(192, 192, 192);

std::uint16_t Code(int v) { return static_cast<std::uint16_t>(static_cast<std::int16_t>(v)); }

TEST(WavePainter, EachColumnIsAStrokeFromItsMaximumToItsMinimum)
{
    // 100 columns of 10 points; column c spans -20-(c%3) .. 20+(c%4), the
    // extremes at varying places inside the column.
    TraceStore store;
    std::vector<std::uint16_t> data(1000);
    for (int c = 0; c < 100; ++c) {
        for (int i = 0; i < 10; ++i)
            data[c * 10 + i] = Code((i * 7 + c) % 5 - 2);
        data[c * 10 + (c % 10)] = Code(20 + c % 4);
        data[c * 10 + ((c + 5) % 10)] = Code(-20 - c % 3);
    }
    PaintParams p = BasicParams(kW, kH, 1000, 10);
    p.analog.push_back(PixelTrace(store.Signed(data), kRed, kHalf));
    const QImage image = Render(p);
    for (int c = 1; c < 100; ++c) {
        const auto rows = RowsOf(image, 50 + c, kRed);
        ASSERT_FALSE(rows.empty()) << "column " << c;
        EXPECT_EQ(rows.front(), kCentre - (20 + c % 4)) << "column " << c;
        EXPECT_EQ(rows.back(), kCentre + (20 + c % 3)) << "column " << c;
        EXPECT_EQ(static_cast<int>(rows.size()), rows.back() - rows.front() + 1) << "gap in column " << c;
    }
    // Nothing right of the last column.
    EXPECT_TRUE(RowsOf(image, 150, kRed).empty());
}

TEST(WavePainter, OffScaleSamplesLieTwoPixelsOutsideTheWaveArea)
{
    TraceStore store;
    std::vector<std::uint16_t> data(200, 0);
    for (int i = 0; i < 100; ++i)
        data[i] = Code(30000);
    for (int i = 100; i < 200; ++i)
        data[i] = Code(-30000);
    PaintParams p = BasicParams(kW, kH, 200, 1);
    p.analog.push_back(PixelTrace(store.Signed(data), kRed, kHalf));
    const QImage image = Render(p);
    EXPECT_EQ(RowsOf(image, 50 + 50, kRed), std::vector<int>{kCentre - kHalf - 2});
    EXPECT_EQ(RowsOf(image, 50 + 150, kRed), std::vector<int>{kCentre + kHalf + 2});
}

TEST(WavePainter, LeftoverSamplesExtendTheLastFullColumn)
{
    TraceStore store;
    std::vector<std::uint16_t> data(1005, Code(0));
    for (int i = 1000; i < 1005; ++i)
        data[i] = Code(i == 1002 ? 80 : 0);
    PaintParams p = BasicParams(kW, kH, 1005, 10);
    p.analog.push_back(PixelTrace(store.Signed(data), kRed, kHalf));
    ASSERT_EQ(p.waveWidth(), 100);
    const QImage image = Render(p);
    const auto rows = RowsOf(image, 50 + 99, kRed);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), kCentre - 80);
    EXPECT_EQ(rows.back(), kCentre);
    EXPECT_TRUE(RowsOf(image, 50 + 100, kRed).empty());
}

TEST(WavePainter, FewerPointsThanOneColumnDrawNoTrace)
{
    TraceStore store;
    PaintParams p = BasicParams(kW, kH, 5, 10);
    p.analog.push_back(PixelTrace(store.Signed(std::vector<std::uint16_t>(5, Code(40))), kRed, kHalf));
    const QImage image = Render(p);
    for (int x = 0; x < kW; ++x)
        ASSERT_TRUE(RowsOf(image, x, kRed).empty()) << x;
}

TEST(WavePainter, EnvelopeColumnsTakeMaximaAndMinimaFromTheirOwnArrays)
{
    TraceStore store;
    std::vector<std::uint16_t> maxima(100), minima(100);
    for (int i = 0; i < 100; ++i) {
        maxima[i] = Code(30 + (i % 10 == 3 ? 10 : 0));
        minima[i] = Code(-30 - (i % 10 == 6 ? 5 : 0));
    }
    PaintParams p = BasicParams(kW, kH, 100, 10);
    ValueTrace t = PixelTrace(store.Signed(maxima), kRed, kHalf);
    t.secondary = store.Signed(minima);
    p.analog.push_back(t);
    const QImage image = Render(p);
    for (int c = 1; c < 10; ++c) {
        const auto rows = RowsOf(image, 50 + c, kRed);
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows.front(), kCentre - 40);
        EXPECT_EQ(rows.back(), kCentre + 35);
    }
}

TEST(WavePainter, ReverseOrderPutsTheLowestChannelOnTop)
{
    TraceStore store;
    const auto* flat = store.Signed(std::vector<std::uint16_t>(100, Code(10)));
    PaintParams p = BasicParams(kW, kH, 100, 1);
    p.analog.push_back(PixelTrace(flat, kRed, kHalf));
    p.analog.push_back(PixelTrace(flat, kGreen, kHalf));
    EXPECT_EQ(Render(p).pixelColor(100, kCentre - 10), kGreen);
    p.reverseOrder = true;
    EXPECT_EQ(Render(p).pixelColor(100, kCentre - 10), kRed);
}

TEST(WavePainter, DotsSetOnePixelPerDistinctSample)
{
    TraceStore store;
    std::vector<std::uint16_t> data(100);
    for (int i = 0; i < 100; ++i)
        data[i] = Code(i % 2 ? 25 : -25);
    PaintParams p = BasicParams(kW, kH, 100, 10);
    p.style = WaveStyle::Dots;
    p.analog.push_back(PixelTrace(store.Signed(data), kRed, kHalf));
    const QImage image = Render(p);
    EXPECT_EQ(RowsOf(image, 55, kRed), (std::vector<int>{kCentre - 25, kCentre + 25}));
}

TEST(WavePainter, LogicColumnsArePixelsWhenSteadyAndLinesWhenTheyChange)
{
    TraceStore store;
    // Bit 3 of group 0: low for 40 points, high for 40, then toggling.
    std::vector<std::uint32_t> words(120, 0);
    for (int i = 40; i < 80; ++i)
        words[i] = 1u << 3;
    for (int i = 80; i < 120; ++i)
        words[i] = (i % 3 == 0) ? (1u << 3) : 0;
    PaintParams p = BasicParams(kW, kH, 120, 10);
    LogicTrace t;
    t.words = store.Words(words);
    t.bit = 3;
    t.heightFraction = 0.1;
    t.position = -0.5;
    t.colour = kGreen;
    p.logic.push_back(t);
    const int high = LogicRow(1, 30, 286, 0.1, -0.5);
    const int low = LogicRow(0, 30, 286, 0.1, -0.5);
    ASSERT_EQ(low, kCentre + 64);
    ASSERT_EQ(high, kCentre + 51); // trunc(256 * -0.4 * 0.5)
    const QImage image = Render(p);
    EXPECT_EQ(RowsOf(image, 51, kGreen), std::vector<int>{low});           // steady low
    EXPECT_EQ(RowsOf(image, 54, kGreen).size(), std::size_t(low + 2 - high)); // rises: line
    EXPECT_EQ(RowsOf(image, 55, kGreen), (std::vector<int>{high, high + 1})); // steady high
    EXPECT_EQ(RowsOf(image, 59, kGreen).size(), std::size_t(low + 2 - high)); // toggling
}

TEST(WavePainter, GridNoneStillShowsFrameCentreAndDivLines)
{
    PaintParams p = BasicParams(kW, kH, 3000, 10); // 300 columns
    p.grid = GridType::None;
    p.pointsPerDivision = 100;
    const QImage image = Render(p);
    EXPECT_EQ(image.pixelColor(50, 100), kGrey);          // frame left
    EXPECT_EQ(image.pixelColor(349, 100), kGrey);         // frame right
    EXPECT_EQ(image.pixelColor(200, 30), kGrey);          // frame top
    EXPECT_EQ(image.pixelColor(200, 285), kGrey);         // frame bottom
    EXPECT_EQ(image.pixelColor(77, kCentre), kGrey);      // centre line
    EXPECT_EQ(image.pixelColor(150, 77), kGrey);          // DIV line (D1 = 100 px)
    EXPECT_EQ(image.pixelColor(250, 78), kGrey);
    EXPECT_EQ(image.pixelColor(70, 77), QColor(0, 0, 0)); // no dotted line
}

TEST(WavePainter, GridLinesPassThroughTheTrigger)
{
    PaintParams p = BasicParams(kW, kH, 3000, 10);
    p.grid = GridType::Standard;
    p.trigger = 1234; // column 123
    const QImage image = Render(p);
    const int tx = 50 + 123;
    // Solid DIV line through the trigger (D1 = 100 px apart).
    for (int y = 31; y < 285; ++y)
        ASSERT_EQ(image.pixelColor(tx, y), kGrey) << y;
    EXPECT_EQ(image.pixelColor(tx + 100, 100), kGrey);
    // Dotted small-division lines every 20 px from there.
    int dots = 0;
    for (int y = 31; y < 285; ++y)
        dots += image.pixelColor(tx + 20, y) == kGrey;
    EXPECT_GT(dots, 110);
    EXPECT_LT(dots, 140);
    const auto dotted = DottedLineXs(p);
    EXPECT_EQ(std::count(dotted.begin(), dotted.end(), tx - 20), 1);
    EXPECT_EQ(dotted.front(), 50 + 3); // 123 mod 20
    // Dotted horizontal lines at each of the 2L - 1 divisions.
    const int y1 = 30 + 256 * 1 / 5 / 2;
    int across = 0;
    for (int x = 51; x < 349; ++x)
        across += image.pixelColor(x, y1) == kGrey;
    EXPECT_GT(across, 100);
}

TEST(WavePainter, FineGridAddsDotsBetweenTheSmallDivisions)
{
    PaintParams p = BasicParams(kW, kH, 3000, 10);
    p.grid = GridType::Fine;
    const QImage image = Render(p);
    // Dot column at x = 54 (4 px after the small division at 50); a division
    // is 51 px > 40, so t = 10: nine dots in each of the 2L divisions, at
    // top + k * height / L / t / 2.
    std::vector<int> rows;
    for (int y = 31; y < 55; ++y) { // row 55 carries the first dotted line
        if (image.pixelColor(54, y) == kGrey)
            rows.push_back(y);
    }
    EXPECT_EQ(rows, (std::vector<int>{32, 35, 37, 40, 42, 45, 47, 50, 53}));
    // Small-division columns carry the dotted line, not the fine dots.
    EXPECT_EQ(image.pixelColor(70, 32), kGrey);
    EXPECT_EQ(image.pixelColor(70, 35), QColor(0, 0, 0));
}

} // namespace
} // namespace kp
