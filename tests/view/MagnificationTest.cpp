#include <gtest/gtest.h>

#include "view/DivisionGeometry.h"
#include "view/Magnification.h"

namespace kp {
namespace {

TEST(Magnification, FamiliesRunFromCoarsestToOnePointPerColumn)
{
    const int lastIndex[] = { 7, 9, 12, 14, 17, 14, 12, 12 };
    const std::int64_t coarsest[] = { 200, 1000, 10000, 50000, 500000, 50000, 10000, 10000 };
    for (int f = 0; f < kMagnificationFamilies; ++f) {
        const Magnification m(f);
        EXPECT_EQ(m.lastIndex(), lastIndex[f]) << f;
        EXPECT_EQ(m.pointsPerColumn(0), coarsest[f]) << f;
        EXPECT_EQ(m.pointsPerColumn(m.lastIndex()), 1) << f;
        EXPECT_EQ(m.pointsPerColumn(19), 1) << f; // entries past the last repeat 1
        for (int i = 1; i <= m.lastIndex(); ++i)
            EXPECT_LT(m.pointsPerColumn(i), m.pointsPerColumn(i - 1));
    }
    EXPECT_EQ(Magnification(4).label(0), "1:500000");
    EXPECT_EQ(Magnification(4).label(9), "1:500");
    EXPECT_EQ(Magnification(0).label(7), "1:1");
}

TEST(Magnification, HighestIndexKeepsTheRecordBelow32501Columns)
{
    const Magnification f0(0);
    // 1:50 gives 20,000 columns; 1:20 would give 50,000.
    EXPECT_EQ(f0.highestIndex(1'000'000), 2);
    EXPECT_EQ(f0.highestIndex(32'500), 7);
    EXPECT_EQ(f0.highestIndex(32'501), 6);
    EXPECT_EQ(f0.highestIndex(1'000'000'000), 0); // even 1:200 overflows
}

TEST(Magnification, StartIndexIsTheLargestMagnificationThatFits)
{
    const Magnification f0(0);
    // 1:200 already gives 5,000 columns >= 900: index 0.
    EXPECT_EQ(f0.startIndex(1'000'000, 900), 0);
    // A record that fits even at 1:1 starts at the highest index.
    EXPECT_EQ(f0.startIndex(500, 900), 7);
    const Magnification f2(2);
    // 100,000 points in 900 columns: 1:200 gives 500, 1:100 gives 1000.
    EXPECT_EQ(f2.startIndex(100'000, 900), 5);
    EXPECT_EQ(f2.pointsPerColumn(5), 200);
}

TEST(DivisionGeometry, ModelsChooseFamilyAndDivisions)
{
    DivisionGeometry g;
    ASSERT_TRUE(DivisionGeometryForModel(3, g));
    EXPECT_EQ(g.magnificationFamily, 1);
    EXPECT_EQ(g.smallDivision, 16);
    EXPECT_EQ(g.divisionsPerHalf, 5);
    ASSERT_TRUE(DivisionGeometryForModel(0, g));
    EXPECT_EQ(g.divisionsPerHalf, 3);
    EXPECT_EQ(g.fixedSpan, 120);
    ASSERT_TRUE(DivisionGeometryForModel(10, g));
    EXPECT_EQ(g.spanRule, SpanRule::HeaderIntegerTimesL);
    EXPECT_TRUE(g.pulseFullScaleDivisor);
    const DivisionGeometry before = g;
    EXPECT_FALSE(DivisionGeometryForModel(17, g));
    EXPECT_EQ(g.magnificationFamily, before.magnificationFamily);
}

} // namespace
} // namespace kp
