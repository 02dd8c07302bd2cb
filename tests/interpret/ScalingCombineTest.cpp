// The combining rule: codes to physical values, by channel kind and family.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "interpret/HeaderBlockLayout.h"
#include "support/HeadBuilder.h"

namespace kp {
namespace {

using test::BigEndianFloat;
using test::HeadBuilder;
using test::HexField;
using test::OldHeaderBuilder;

TEST(PhysicalValue, SixteenBitCodesSignedOrUnsignedByFamily)
{
    for (int family : { 5, 6, 8, 9 }) {
        const CWaveHeadInfo head = HeadBuilder(family).Channel(0, { { 33, "1" } }).Load();
        EXPECT_DOUBLE_EQ(head.GetPhysicalValue(0, 0xFFFF), 65535.0) << family;
        EXPECT_TRUE(head.GetChannelScale(0).unsignedCodes) << family;
    }
    for (int family : { 1, 2, 3, 7 }) {
        const CWaveHeadInfo head = HeadBuilder(family).Channel(0, { { 33, "1" } }).Load();
        EXPECT_DOUBLE_EQ(head.GetPhysicalValue(0, 0xFFFF), -1.0) << family;
        EXPECT_DOUBLE_EQ(head.GetPhysicalValue(0, 0x8000), -32768.0) << family;
    }
}

TEST(PhysicalValue, ValuePerCodeOffsetAndUserScaling)
{
    const CWaveHeadInfo head
        = HeadBuilder(2)
              .Channel(0, { { 33, "0.01" }, { 34, "2" }, { 21, "ON(ENG)" }, { 23, "3" }, { 24, "-1" } })
              .Load();
    EXPECT_TRUE(head.IsScalingOn(0));
    // (c x 0.01 + 2) x 3 - 1
    EXPECT_DOUBLE_EQ(head.GetPhysicalValue(0, 100), (100 * 0.01 + 2) * 3 - 1);
    EXPECT_DOUBLE_EQ(head.GetPhysicalValue(0, static_cast<std::uint16_t>(-100)), (-100 * 0.01 + 2) * 3 - 1);
    const ChannelScale s = head.GetChannelScale(0);
    EXPECT_DOUBLE_EQ(s.Difference16(100, 300), 200 * 0.01 * 3);

    // Scaling off: ratio 1 and offset 0 whatever the fields hold.
    const CWaveHeadInfo off
        = HeadBuilder(2).Channel(0, { { 33, "0.01" }, { 21, "OFF" }, { 23, "3" }, { 24, "-1" } }).Load();
    EXPECT_DOUBLE_EQ(off.GetScalingRatio(0), 1.0);
    EXPECT_DOUBLE_EQ(off.GetScalingOffset(0), 0.0);
    EXPECT_DOUBLE_EQ(off.GetPhysicalValue(0, 100), 1.0);
}

// Family 5 counters report whole counts: 2.05 reads 2 and 2.15 reads 3.
TEST(PhysicalValue, CountModeRoundsToWholeCounts)
{
    const CWaveHeadInfo head
        = HeadBuilder(5)
              .Channel(
                  0, { { 2, "4113 F_V" }, { 16, "COUNT" }, { 28, "205" }, { 21, "ON" }, { 23, "10" }, { 24, "1" } })
              .Channel(
                  1, { { 2, "4113 F_V" }, { 16, "COUNT" }, { 28, "215" }, { 21, "ON" }, { 23, "10" }, { 24, "1" } })
              .Load();
    ASSERT_TRUE(head.IsCountMode(0));
    EXPECT_DOUBLE_EQ(head.GetPhysicalValue(0, 1), 2 * 10 + 1);
    EXPECT_DOUBLE_EQ(head.GetPhysicalValue(1, 1), 3 * 10 + 1);
    // Differences subtract whole counts: trunc(3 x 2.05 + 0.9) = 7, minus 2.
    EXPECT_DOUBLE_EQ(head.GetChannelScale(0).Difference16(1, 3), (7 - 2) * 10.0);

    // Outside family 5 a counter scales linearly.
    const CWaveHeadInfo f1 = HeadBuilder(1).Channel(0, { { 2, "4113 F_V" }, { 16, "COUNT" }, { 33, "2.05" } }).Load();
    EXPECT_TRUE(f1.IsCountMode(0));
    EXPECT_DOUBLE_EQ(f1.GetPhysicalValue(0, 1), 2.05);
}

TEST(PhysicalValue, ZeroReferencedChannelsTakeASigned32BitDifference)
{
    const CWaveHeadInfo f9 = HeadBuilder(9).Channel(256, { { 12, "1000" }, { 33, "0.5" } }).Load();
    ASSERT_TRUE(f9.IsZeroReferenced(256));
    ASSERT_TRUE(f9.IsWideChannel(256));
    EXPECT_DOUBLE_EQ(f9.GetPhysicalValueWide(256, 900), -50.0);
    EXPECT_DOUBLE_EQ(f9.GetPhysicalValueWide(256, 1010), 5.0);
    EXPECT_FALSE(f9.IsZeroReferenced(272));

    const CWaveHeadInfo f8 = HeadBuilder(8).Channel(256, { { 33, "2" } }).Load();
    EXPECT_EQ(f8.GetZeroCode(256), 0x80000000LL);
    EXPECT_DOUBLE_EQ(f8.GetPhysicalValueWide(256, 0x7FFFFFFFu), -2.0);
    EXPECT_DOUBLE_EQ(f8.GetPhysicalValueWide(256, 0), -2147483648.0 * 2);
    EXPECT_DOUBLE_EQ(f8.GetPhysicalValueWide(256, 0xFFFFFFFFu), 2147483647.0 * 2);
    EXPECT_DOUBLE_EQ(f8.GetChannelScale(256).Difference32(0x7FFFFFFFu, 0x80000001u), 2 * 2.0);
}

TEST(PhysicalValue, WideCodesOfOtherChannelsAreUnsigned)
{
    const CWaveHeadInfo f6 = HeadBuilder(6).Channel(0, { { 3, "32" }, { 33, "1" } }).Load();
    EXPECT_TRUE(f6.IsWideChannel(0));
    EXPECT_EQ(f6.GetZeroCode(0), 0x80000000LL);
    EXPECT_DOUBLE_EQ(f6.GetPhysicalValueWide(0, 0xFFFFFFFFu), 4294967295.0);
}

TEST(PhysicalValue, CalculatedChannels)
{
    const CWaveHeadInfo f1
        = HeadBuilder(1)
              .Channel(0, { { 32, "CAL" }, { 33, "0.1" }, { 34, "5" }, { 21, "ON" }, { 23, "2" }, { 24, "1" } })
              .Load();
    ASSERT_TRUE(f1.IsCalcChannel(0));
    // Calculated channels show no scaling state and have no user scaling.
    EXPECT_EQ(f1.GetScalingText(0), "-");
    EXPECT_FALSE(f1.IsScalingOn(0));
    EXPECT_DOUBLE_EQ(f1.GetCalcValuePerCode(0), 0.1);
    EXPECT_DOUBLE_EQ(f1.GetCalcOffset(0), 5.0);
    EXPECT_DOUBLE_EQ(f1.GetPhysicalValue(0, static_cast<std::uint16_t>(-10)), -10 * 0.1 + 5);

    // Model 3 has no calculated channels.
    EXPECT_FALSE(HeadBuilder(1, "MEM", "5066").Channel(0, { { 32, "CAL" } }).Load().IsCalcChannel(0));

    // Family 8 calculation channels keep their scaling.
    const CWaveHeadInfo f8
        = HeadBuilder(8).Channel(300, { { 33, "0.5" }, { 35, "1" }, { 21, "ON" }, { 23, "2" } }).Load();
    ASSERT_TRUE(f8.IsCalcChannel(300));
    EXPECT_EQ(f8.GetScalingText(300), "ON");
    EXPECT_DOUBLE_EQ(f8.GetPhysicalValue(300, 4), (4 * 0.5) * 2 + 1 * 2);
}

TEST(PhysicalValue, OldestFamilies)
{
    synth::RecordBlueprint ranges { "HP3518", {}, { { layout::family0::kRangeIndex, { 5 } } } };
    const CWaveHeadInfo f0 = HeadBuilder(0)
                                 .Main(12, "100")
                                 .Record(ranges)
                                 .Channel(0, { { 38, "ON" }, { 39, "2" }, { 40, "1" }, { 8, "V" } })
                                 .Load();
    EXPECT_DOUBLE_EQ(f0.GetValuePerCode(0), 0.01);
    EXPECT_DOUBLE_EQ(f0.GetPhysicalValue(0, 0xFFFF), -0.01 * 2 + 1);
    EXPECT_EQ(f0.GetDisplayDigits(0), 4);
    EXPECT_EQ(f0.GetUnitText(0), "V");

    using namespace layout::family4;
    const std::size_t b1 = kChannelBlocks + kChannelBlockSize;
    const std::size_t b2 = kChannelBlocks + 2 * kChannelBlockSize;
    const CWaveHeadInfo f4 = OldHeaderBuilder()
                                 .Text(kCodesPerDiv, "2000")
                                 .Text(b1 + kRange, "20mV/DIV")
                                 .Byte(b1 + kScaling, 2)
                                 .Bytes(b1 + kScalingRatio, BigEndianFloat(2.0f))
                                 .Bytes(b1 + kScalingOffset, BigEndianFloat(0.5f))
                                 .Text(b1 + kEu, "~u~e")
                                 .Byte(b2 + kKind, 2)
                                 .Byte(b2 + kScaling, 1)
                                 .Bytes(b2 + kCalcValue, BigEndianFloat(4.0f))
                                 .Bytes(b2 + kCalcOffset, BigEndianFloat(3.0f))
                                 .Text(kChannelBlocks + kRange, "5V/DIV")
                                 .Load();
    EXPECT_EQ(f4.GetScalingText(1), "ON(ENG)");
    EXPECT_DOUBLE_EQ(f4.GetValuePerCode(1), 0.02 / 2000);
    EXPECT_DOUBLE_EQ(f4.GetPhysicalValue(1, 1000), 1000 * (0.02 / 2000) * 2 + 0.5);
    EXPECT_EQ(f4.GetUnitText(1), "uE");
    EXPECT_EQ(f4.GetScalingText(0), "OFF");
    EXPECT_FALSE(f4.IsScalingOn(0));
    EXPECT_EQ(f4.GetUnitText(0), "V");
    // A calculated channel: scaling "-" even with a non-zero byte.
    EXPECT_TRUE(f4.IsCalcChannel(2));
    EXPECT_EQ(f4.GetScalingText(2), "-");
    EXPECT_DOUBLE_EQ(f4.GetPhysicalValue(2, 10), 10 * (4.0 * 0.05 / 2000) + 3.0);
    EXPECT_EQ(f4.GetScalingText(20), "-");
}

TEST(PhysicalValue, Family4ScalingTexts)
{
    using namespace layout::family4;
    OldHeaderBuilder builder;
    for (int ch = 0; ch < 4; ++ch)
        builder.Byte(kChannelBlocks + ch * kChannelBlockSize + kScaling, static_cast<std::uint8_t>(ch));
    const CWaveHeadInfo head = builder.Load();
    EXPECT_EQ(head.GetScalingText(0), "OFF");
    EXPECT_EQ(head.GetScalingText(1), "ON(SCI)");
    EXPECT_EQ(head.GetScalingText(2), "ON(ENG)");
    EXPECT_EQ(head.GetScalingText(3), "-");
    EXPECT_FALSE(head.IsScalingOn(0));
    EXPECT_TRUE(head.IsScalingOn(1));
    EXPECT_TRUE(head.IsScalingOn(2));
}

// A stored zero codes per division gives an infinite value per code, never
// a crash or undefined behaviour.
TEST(PhysicalValue, StoredZeroDivisorGivesInfinity)
{
    const CWaveHeadInfo head = HeadBuilder(1).Main(14, "0").Channel(0, { { 4, "1V" } }).Load();
    EXPECT_EQ(head.GetCodesPerDiv(0), 0);
    EXPECT_EQ(head.GetValuePerCode(0), std::numeric_limits<double>::infinity());
    EXPECT_EQ(head.GetPhysicalValue(0, 5), std::numeric_limits<double>::infinity());
    EXPECT_EQ(head.GetPhysicalValue(0, static_cast<std::uint16_t>(-5)), -std::numeric_limits<double>::infinity());

    const CWaveHeadInfo f9 = HeadBuilder(9).Channel(0, { { 33, "0.5" }, { 21, "ON" }, { 23, "0" } }).Load();
    EXPECT_TRUE(std::isinf(f9.GetValuePerCode(0)));
}

TEST(ZeroCode, PerFamilyAndModule)
{
    const CWaveHeadInfo f2 = HeadBuilder(2)
                                 .Channel(0, { { 2, "5572 TEMP" }, { 16, "TMP_K" } })
                                 .Channel(1, { { 2, "3491 F_V" }, { 16, "POWER CYCLE" } })
                                 .Channel(2, { { 2, "3491 F_V" }, { 16, "COUNT" } })
                                 .Load();
    EXPECT_EQ(f2.GetZeroCode(0), 17040);
    EXPECT_EQ(f2.GetZeroCode(1), 768);
    EXPECT_EQ(f2.GetZeroCode(2), 32768);
    EXPECT_EQ(f2.GetZeroCode(3), 0);

    const CWaveHeadInfo f8 = HeadBuilder(8).Channel(0, { { 2, "QX4455" } }).Load();
    EXPECT_EQ(f8.GetZeroCode(0), 0);
    EXPECT_EQ(f8.GetZeroCode(1), 32768);
    EXPECT_EQ(f8.GetZeroCode(241), 0x80000000LL);
    EXPECT_EQ(f8.GetZeroCode(245), 0);
    EXPECT_EQ(f8.GetZeroCode(251), 0x20000);

    const CWaveHeadInfo f9 = HeadBuilder(9)
                                 .Channel(0, { { 2, "4683" } })
                                 .Channel(1, { { 3, "24" } })
                                 .Channel(2, { { 3, "16" } })
                                 .Channel(3, { { 2, "3354" } })
                                 .Load();
    EXPECT_EQ(f9.GetZeroCode(0), 25559);
    EXPECT_EQ(f9.GetZeroCode(1), 0x800000);
    EXPECT_EQ(f9.GetZeroCode(2), 32768);
    EXPECT_EQ(f9.GetZeroCode(3), 0);
    EXPECT_EQ(f9.GetZeroCode(4), 2048);
}

TEST(DisplayDigits, PerFamily)
{
    const CWaveHeadInfo f8 = HeadBuilder(8).Load();
    EXPECT_EQ(f8.GetDisplayDigits(240), 7);
    EXPECT_EQ(f8.GetDisplayDigits(245), 9);
    EXPECT_EQ(f8.GetDisplayDigits(252), 1);
    EXPECT_EQ(f8.GetDisplayDigits(254), 9);
    EXPECT_EQ(f8.GetDisplayDigits(260), 9);
    EXPECT_EQ(f8.GetDisplayDigits(10), 7);

    const CWaveHeadInfo f2 = HeadBuilder(2).Channel(0, { { 3, "12" } }).Channel(1, { { 3, "16" } }).Load();
    EXPECT_EQ(f2.GetDisplayDigits(0), 5);
    EXPECT_EQ(f2.GetDisplayDigits(1), 7);
    EXPECT_EQ(HeadBuilder(5).Channel(0, { { 3, "16" } }).Load().GetDisplayDigits(0), 7);
    EXPECT_EQ(HeadBuilder(5).Channel(0, { { 3, "12" } }).Load().GetDisplayDigits(0), 5);
    EXPECT_EQ(HeadBuilder(7).Load().GetDisplayDigits(0), 8);
    EXPECT_EQ(HeadBuilder(3).Load().GetDisplayDigits(0), 5);
}

TEST(PulseValue, Family3ResolutionOrFullScale)
{
    const CWaveHeadInfo head = HeadBuilder(3)
                                   .Pulse(0, { { 33, "0.5" }, { 34, "2" }, { 21, "ON" }, { 23, "3" }, { 24, "1" } })
                                   .Pulse(1, { { 4, "1000" }, { 2, "3491 F_V" } })
                                   .Pulse(2, { { 4, "1000" } })
                                   .Load();
    // count x (ratio x value per count) + (scaling offset + offset)
    EXPECT_DOUBLE_EQ(head.GetPulseValue(0, 10), 10 * (3 * 0.5) + (1 + 2));
    EXPECT_DOUBLE_EQ(head.GetPulseValue(0, 0xFFFF), 65535 * 1.5 + 3);
    EXPECT_DOUBLE_EQ(head.GetPulseValuePerCount(1), 1000.0 / 5000.0 * 0.1);
    EXPECT_DOUBLE_EQ(head.GetPulseValuePerCount(2), 1000.0 / 500.0 * 0.1);
    EXPECT_DOUBLE_EQ(head.GetPulseValuePerCount(3), 1.0); // no record
}

TEST(PulseValue, Family8HexDoublesAndOtherFamilies)
{
    const CWaveHeadInfo f8
        = HeadBuilder(8)
              .Pulse(0, { { 21, "ON" }, { 23, "7" } })
              .Pulse02(0, { HexField(14, 0.25), HexField(16, -1.0), HexField(22, 4.0), HexField(24, 0.5) })
              .Pulse(1, { { 33, "0.1" }, { 35, "2" } })
              .Load();
    EXPECT_DOUBLE_EQ(f8.GetPulseScalingRatio(0), 4.0);
    EXPECT_DOUBLE_EQ(f8.GetPulseValue(0, 8), 8 * (4.0 * 0.25) + (0.5 - 1.0));
    EXPECT_DOUBLE_EQ(f8.GetPulseValue(1, 8), 8 * 0.1 + 2);

    const CWaveHeadInfo f1 = HeadBuilder(1).Pulse(0, { { 33, "0.5" }, { 21, "ON" }, { 23, "3" } }).Load();
    EXPECT_DOUBLE_EQ(f1.GetPulseValue(0, 8), 8.0);
}

} // namespace
} // namespace kp
