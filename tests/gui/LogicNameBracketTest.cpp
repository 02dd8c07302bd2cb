#include <gtest/gtest.h>

#include "PaintFixtures.h"
#include "ViewFixtures.h"

namespace kp {
namespace {

using test::BasicParams;
using test::Render;
using test::TraceStore;

// 400 x 326 client, 3000 points at 1:10: wave area x 50 .. 349.
constexpr int kW = 400, kH = 326;
const QColor kBlack(0, 0, 0), kYellow(255, 255, 0), kGreen(0, 255, 0);

struct NamedLogic {
    TraceStore store;
    PaintParams p = BasicParams(kW, kH, 3000, 10);
    int row = 0; // the name's centre row

    explicit NamedLogic(bool bracketed)
    {
        LogicTrace t;
        t.words = store.Words(std::vector<std::uint32_t>(3000, 0));
        t.heightFraction = 0.1;
        t.position = 0.3;
        t.colour = kGreen;
        p.logic.push_back(t);
        p.logicNames.push_back({ QStringLiteral("U1"), 0, kYellow, bracketed });
        p.drawChannel = true;
        row = (LogicRow(1, p.waveTop(), p.waveBottom(), 0.1, 0.3) + LogicRow(0, p.waveTop(), p.waveBottom(), 0.1, 0.3))
            / 2;
    }
};

// The pixels of a bracket: its bar and two arms in the name colour, the
// inside of the bracket empty.
void ExpectBracket(const QImage& image, const BracketShape& b)
{
    ASSERT_EQ(b.armTo - b.armFrom + 1, kLogicBracketLong);
    ASSERT_EQ(b.bottom - b.top + 1, kLogicBracketHigh);
    for (int y = b.top; y <= b.bottom; ++y)
        EXPECT_EQ(image.pixelColor(b.barX, y), kYellow) << "bar row " << y;
    for (int x = b.armFrom; x <= b.armTo; ++x) {
        EXPECT_EQ(image.pixelColor(x, b.top), kYellow) << "upper arm x " << x;
        EXPECT_EQ(image.pixelColor(x, b.bottom), kYellow) << "lower arm x " << x;
        if (x == b.barX)
            continue;
        for (int y = b.top + 1; y < b.bottom; ++y)
            EXPECT_EQ(image.pixelColor(x, y), kBlack) << "inside at (" << x << ", " << y << ")";
    }
    // Nothing above or below the bracket in its columns.
    for (int x = b.armFrom; x <= b.armTo; ++x) {
        EXPECT_EQ(image.pixelColor(x, b.top - 1), kBlack) << x;
        EXPECT_EQ(image.pixelColor(x, b.bottom + 1), kBlack) << x;
    }
}

// Columns that hold any pixel of the name's colour family (text is smoothed)
// within rows top .. bottom.
std::vector<int> InkColumns(const QImage& image, int x0, int x1, int top, int bottom)
{
    std::vector<int> xs;
    for (int x = x0; x <= x1; ++x) {
        for (int y = top; y <= bottom; ++y) {
            if (image.pixelColor(x, y) != kBlack) {
                xs.push_back(x);
                break;
            }
        }
    }
    return xs;
}

TEST(LogicNameBracket, BracketsOpenTowardTheWaveAreaAtBothEnds)
{
    NamedLogic n(true);
    const QImage image = Render(n.p);
    const BracketShape left = LogicNameBracket(n.p, n.row, true);
    const BracketShape right = LogicNameBracket(n.p, n.row, false);
    // "[" left of the wave area, its arms ending 4 px from the frame.
    EXPECT_EQ(left.barX, left.armFrom);
    EXPECT_EQ(left.armTo, 45);
    // "]" right of it, its arms starting 5 px from the last column.
    EXPECT_EQ(right.barX, right.armTo);
    EXPECT_EQ(right.armFrom, 355);
    EXPECT_EQ(left.top, n.row - 5);
    ExpectBracket(image, left);
    ExpectBracket(image, right);

    // The names stand outside the brackets, two blank columns away.
    const auto leftInk = InkColumns(image, 0, left.barX - 1, left.top - 4, left.bottom + 4);
    ASSERT_FALSE(leftInk.empty());
    EXPECT_LE(leftInk.back(), left.barX - 3);
    const auto rightInk = InkColumns(image, right.barX + 1, kW - 1, right.top - 4, right.bottom + 4);
    ASSERT_FALSE(rightInk.empty());
    EXPECT_GE(rightInk.front(), right.barX + 3);
}

TEST(LogicNameBracket, PlainNamesHaveNoBracketAndStandCloser)
{
    NamedLogic n(false);
    const QImage image = Render(n.p);
    const BracketShape left = LogicNameBracket(n.p, n.row, true);
    // The left name ends where a bracket's arms would: it reaches into the
    // bracket's columns, and no bar stands there.
    const auto ink = InkColumns(image, 0, 49, left.top - 4, left.bottom + 4);
    ASSERT_FALSE(ink.empty());
    EXPECT_GT(ink.back(), left.barX);
    EXPECT_LE(ink.back(), 45);
    EXPECT_NE(image.pixelColor(left.barX, left.top), kYellow);
}

// Model 15 brackets the names of its groups of four; others do not.
TEST(LogicNameBracket, ViewBracketsGroupNamesOfModel15Only)
{
    for (int model : { 15, 13 }) {
        test::ViewHarness h;
        test::RecordData data;
        auto record = test::MakeRecord(data, 10'000, 1, model);
        data.groups.push_back(std::vector<std::uint32_t>(10'000, 0x5));
        record->logicGroups.push_back(std::make_unique<LogicColumns>(std::span<const std::uint32_t>(data.groups[0])));
        for (int c = 0; c < 8; ++c) {
            LogicChannel ch;
            ch.index = c;
            ch.name = "L" + std::to_string(c);
            record->logic.push_back(ch);
        }
        record->logicUnitNames = { "UNIT1", "UNIT2" };
        h.view->SetRecord(std::move(record));
        const PaintParams p = h.view->BuildPaintParams(QRect(0, 0, 100, 100));
        ASSERT_EQ(p.logicNames.size(), 2u) << "model " << model;
        for (const LogicName& name : p.logicNames)
            EXPECT_EQ(name.bracketed, model == 15) << "model " << model;
        EXPECT_EQ(p.logicNames[1].text, QStringLiteral("UNIT2"));
    }
}

} // namespace
} // namespace kp
