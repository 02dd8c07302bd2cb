// Vernier, probe, invert, value per code and offset, per family.
#include <gtest/gtest.h>

#include "interpret/HeaderBlockLayout.h"
#include "support/HeadBuilder.h"

namespace kp {
namespace {

using test::BigEndian16;
using test::BigEndian32;
using test::BigEndianDouble;
using test::HeadBuilder;
using test::HexField;

TEST(Vernier, PercentFieldAndFallbacks)
{
    const CWaveHeadInfo head = HeadBuilder(1)
                                   .Channel(0, { { 28, "50.0" } })
                                   .Channel(1, { { 28, "" } })
                                   .Channel(2, { { 28, "0" } })
                                   .Channel(3, { { 28, "80" }, { 32, "CAL" } })
                                   .Load();
    EXPECT_DOUBLE_EQ(head.GetVernier(0), 0.5);
    EXPECT_DOUBLE_EQ(head.GetVernier(1), 1.0); // empty, not 0
    EXPECT_DOUBLE_EQ(head.GetVernier(2), 1.0); // a stored 0 falls back
    EXPECT_DOUBLE_EQ(head.GetVernier(3), 1.0); // calculated channels have none
    EXPECT_DOUBLE_EQ(head.GetVernier(-1), 1.0);
    EXPECT_DOUBLE_EQ(HeadBuilder(3).Channel(0, { { 28, "50" } }).Load().GetVernier(0), 1.0);
}

TEST(Vernier, FlaggedUnitBlocksAndSecondRecords)
{
    const CWaveHeadInfo f2
        = HeadBuilder(2)
              .Channel(9, { { 28, "50" } })
              .UnitBlock(1, { { layout::kUnitFlag, { 1 } }, { layout::family2::kVernier + 2, BigEndian16(500) } })
              .Channel(0, { { 28, "50" } })
              .UnitBlock(0, { { layout::family2::kVernier, BigEndian16(500) } }) // not flagged
              .Load();
    EXPECT_DOUBLE_EQ(f2.GetVernier(9), 1.5);
    EXPECT_DOUBLE_EQ(f2.GetVernier(0), 0.5);

    const CWaveHeadInfo f8 = HeadBuilder(8).Channel02(3, { { 12, "-250" } }).Channel02(4, { { 12, "-1000" } }).Load();
    EXPECT_DOUBLE_EQ(f8.GetVernier(3), 0.75);
    EXPECT_DOUBLE_EQ(f8.GetVernier(4), 1.0); // (v + 1000) of 0 falls back
    EXPECT_DOUBLE_EQ(f8.GetVernier(5), 1.0);
}

TEST(ProbeAndInvert, PerFamilyPlaces)
{
    const CWaveHeadInfo f8 = HeadBuilder(8)
                                 .Channel(0, { { 38, "100" } })
                                 .Channel(1, { { 38, "0" } })
                                 .Channel02(0, { { 13, "ON" } })
                                 .Channel02(1, { { 13, "OFF" } })
                                 .Load();
    EXPECT_DOUBLE_EQ(f8.GetProbeRatio(0), 100.0);
    EXPECT_DOUBLE_EQ(f8.GetProbeRatio(1), 1.0);
    EXPECT_DOUBLE_EQ(f8.GetProbeRatio(2), 1.0);
    EXPECT_EQ(f8.GetInvertSign(0), -1);
    EXPECT_EQ(f8.GetInvertSign(1), 1);

    const CWaveHeadInfo f9 = HeadBuilder(9).Channel(0, { { 37, "ON" } }).Channel(1, { { 37, "on" } }).Load();
    EXPECT_EQ(f9.GetInvertSign(0), -1);
    EXPECT_EQ(f9.GetInvertSign(1), 1);
    EXPECT_EQ(HeadBuilder(1).Channel(0, { { 37, "ON" } }).Load().GetInvertSign(0), 1);
}

TEST(ValuePerCode, Family1StoredValueTimesVernier)
{
    const CWaveHeadInfo head = HeadBuilder(1)
                                   .Main(14, "1000")
                                   .Channel(0, { { 33, "0.0005" }, { 28, "50.0" } })
                                   .Channel(1, { { 33, "0.002" } })
                                   .Channel(2, { { 4, "5V" }, { 28, "50" } })
                                   .Load();
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(0), 0.00025);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(1), 0.002);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(2), 0.5 * 5.0 / 1000.0);
}

TEST(ValuePerCode, Family1FrequencyVoltageModule)
{
    const CWaveHeadInfo head = HeadBuilder(1)
                                   .Main(14, "1000")
                                   .Channel(0, { { 2, "4113 F_V" }, { 16, "DUTY" }, { 28, "200" } })
                                   .Channel(1, { { 2, "4113 F_V" }, { 16, "FREQUENCY" }, { 4, "P50Hz" } })
                                   .Channel(2, { { 2, "4113 F_V" }, { 16, "FREQUENCY" }, { 4, "P60Hz" } })
                                   .Channel(3, { { 2, "4113 F_V" }, { 16, "FREQUENCY" }, { 4, "10kHz" } })
                                   .Channel(9, { { 2, "4113 F_V" }, { 16, "CURRENT" }, { 4, "2A" } })
                                   .Channel(10, { { 2, "4113 F_V" }, { 16, "CURRENT" }, { 4, "2A" } })
                                   .UnitBlock(1,
                                       { { layout::family1::kInputType + 1, { 6, 6 } },
                                           { layout::family1::kCurrentBits + 1, { 0x05, 0x03 } } })
                                   .Load();
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(0), 2.0 * 0.0625);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(1), 0.01);
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(1), 50.0);
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(2), 60.0);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(3), 10000.0 / 1000.0);
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(3), 0.0);
    // Channel 9 is unit 1, channel 1: type 6 with range bits 1 scales by 1.25;
    // channel 10 has range bits 3 and does not.
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(9), 2.0 * 1.25 / 1000.0);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(10), 2.0 / 1000.0);
}

// The sensitivity of a charge amplifier selects a band; between the bands
// the channel scales as sensitivity 1 with factor 1.
TEST(ValuePerCode, Family1ChargeSensitivityBands)
{
    struct Case {
        std::int16_t milli;
        double expected; // value per code for range 1 and 1000 codes per division
    } cases[] = {
        { 255, 1.0 / 1000.0 }, // gap between 0.25 and 0.26
        { 200, 0.25 / 0.2 / 1000.0 }, // 0.1 .. 0.25
        { 250, 0.25 / 0.25 / 1000.0 }, // upper edge
        { 260, 0.5 / 0.26 / 1000.0 }, // lower edge of 0.26 .. 0.5
        { 505, 1.0 / 1000.0 }, // gap between 0.5 and 0.51
        { 3000, 5.0 / 3.0 / 1000.0 }, // 2.51 .. 5
        { 10000, 10.0 / 10.0 / 1000.0 }, // upper edge of the last band
        { 10010, 1.0 / 1000.0 }, // above every band
        { 50, 1.0 / 1000.0 }, // below every band
    };
    for (const Case& c : cases) {
        const CWaveHeadInfo head = HeadBuilder(1)
                                       .Main(14, "1000")
                                       .Channel(0, { { 2, "3599 charge" }, { 4, "1pC" } })
                                       .UnitBlock(0, { { layout::family1::kSensitivity, BigEndian16(c.milli) } })
                                       .Load();
        EXPECT_DOUBLE_EQ(head.GetValuePerCode(0), c.expected) << c.milli;
    }
    // A charge module switched to voltage input ignores its sensitivity.
    const CWaveHeadInfo voltage = HeadBuilder(1)
                                      .Main(14, "1000")
                                      .Channel(3, { { 2, "3599 charge" }, { 4, "2V" } })
                                      .UnitBlock(0,
                                          { { layout::family1::kChargeMode + 3, { 2 } },
                                              { layout::family1::kSensitivity + 6, BigEndian16(200) } })
                                      .Load();
    EXPECT_DOUBLE_EQ(voltage.GetValuePerCode(3), 2.0 / 1000.0);
}

TEST(ValuePerCode, Family2CurrentModuleDivisor)
{
    const CWaveHeadInfo head = HeadBuilder(2)
                                   .Channel(0, { { 2, "3070 CURR" }, { 16, "5842" }, { 4, "16A" } })
                                   .Channel(1, { { 2, "3070 CURR" }, { 16, "5842" }, { 4, "16A" } })
                                   .Channel(2, { { 33, "0.25" }, { 28, "50" }, { 34, "-3" } })
                                   .Channel(3, { { 4, "16A" } })
                                   .UnitBlock(0, { { layout::family2::kType, { 3, 4 } } })
                                   .Load();
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(0), 16.0 / 1600.0);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(1), 16.0 / 1280.0);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(2), 0.125);
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(2), -3.0);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(3), 1.0);
}

TEST(ValuePerCode, Family3StoredOrRangeTenth)
{
    const CWaveHeadInfo head
        = HeadBuilder(3).Channel(0, { { 33, "0.004" } }).Channel(1, { { 2, "VOLT" }, { 4, "10V" } }).Load();
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(0), 0.004);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(1), 10.0 / 2000.0 * 0.1);
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(1), 0.0);
}

TEST(ValuePerCode, Family6FlaggedUnitBlock)
{
    using namespace layout::family6;
    const CWaveHeadInfo head
        = HeadBuilder(6)
              .Channel(0, { { 33, "0.25" }, { 35, "1.5" } })
              .Channel(10, { { 33, "7" } })
              .UnitBlock(1,
                  { { layout::kUnitFlag, { 1 } }, { kProbe + 2, { 1 } }, { kInvert + 2, { 1 } },
                      { kVernier + 4, BigEndian16(-200) },
                      { kZeroCode + 8, BigEndian32(static_cast<std::uint32_t>(-1000)) },
                      { kValuePerCode + 16, BigEndianDouble(0.001) }, { kOffset + 16, BigEndianDouble(0.5) } })
              .Load();
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(0), 0.25);
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(0), 1.5);
    EXPECT_EQ(head.GetZeroCode(0), -32768);
    EXPECT_DOUBLE_EQ(head.GetProbeRatio(10), 10.0);
    EXPECT_EQ(head.GetInvertSign(10), -1);
    EXPECT_DOUBLE_EQ(head.GetVernier(10), 0.8);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(10), 0.001 * 10.0 * -1.0 * 0.8);
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(10), 0.5 * 10.0 * -1.0 * 0.8);
    EXPECT_EQ(head.GetZeroCode(10), -1000);
    // Channel 11 of the same unit: probe byte 0, no invert, no vernier deviation.
    EXPECT_DOUBLE_EQ(head.GetProbeRatio(11), 1.0);
    EXPECT_EQ(head.GetInvertSign(11), 1);
    EXPECT_DOUBLE_EQ(head.GetVernier(11), 1.0);
}

TEST(ValuePerCode, Family7BinaryBlockOrText)
{
    using namespace layout::family7;
    const CWaveHeadInfo head
        = HeadBuilder(7)
              .Channel(2, { { 21, "ON" } })
              .Channel(9, { { 33, "0.3" }, { 35, "0.1" } })
              .UnitBlock(0,
                  { { kValuePerCode + 16, BigEndianDouble(0.01) }, { kOffset + 16, BigEndianDouble(0.5) },
                      { kScalingRatio + 16, BigEndianDouble(2.0) }, { kScalingOffset + 16, BigEndianDouble(-1.0) } })
              .Load();
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(2), 0.01);
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(2), 0.5);
    EXPECT_DOUBLE_EQ(head.GetScalingRatio(2), 2.0);
    EXPECT_DOUBLE_EQ(head.GetScalingOffset(2), -1.0);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(9), 0.3); // unit 1 has no block
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(9), 0.1);
    EXPECT_EQ(head.GetZeroCode(2), 8192);
}

TEST(ValuePerCode, Family8HexDoublesAndPositioning)
{
    const CWaveHeadInfo head = HeadBuilder(8)
                                   .Channel(0, { { 38, "100" }, { 21, "ON" }, { 23, "9" } })
                                   .Channel02(0, { { 12, "-250" }, { 13, "ON" } },
                                       { HexField(14, 0.001), HexField(16, 0.2), HexField(22, 3.0), HexField(24, 0.5) })
                                   .Channel(1, { { 33, "0.02" }, { 35, "4" }, { 21, "ON" }, { 23, "4" }, { 24, "1" } })
                                   .Channel(2, { { 2, "QX4455" }, { 33, "0.02" } })
                                   .Load();
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(0), 0.001 * 100.0 * -1.0 * 0.75);
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(0), 0.2 * 100.0 * -1.0 * 0.75);
    EXPECT_DOUBLE_EQ(head.GetScalingRatio(0), 3.0);
    EXPECT_DOUBLE_EQ(head.GetScalingOffset(0), 0.5);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(1), 0.02);
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(1), 4.0);
    EXPECT_DOUBLE_EQ(head.GetScalingRatio(1), 4.0);
    EXPECT_DOUBLE_EQ(head.GetScalingOffset(1), 1.0);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(2), 1.0);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(247), 0.1);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(251), 0.1);
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(251), -13107.2);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(252), 1.0);
}

TEST(ValuePerCode, Family9BinaryValuesOrScaledText)
{
    const CWaveHeadInfo head = HeadBuilder(9)
                                   .Channel(0, { { 38, "1:10" }, { 37, "ON" }, { 28, "50" } })
                                   .Channel02(0, {}, { HexField(14, 0.002), HexField(16, 0.25) })
                                   .Channel(1, { { 33, "0.5" }, { 35, "3" }, { 21, "ON" }, { 23, "2" }, { 24, "1" } })
                                   .Channel(2, { { 33, "0.5" }, { 35, "3" }, { 21, "OFF" }, { 23, "2" }, { 24, "1" } })
                                   .Load();
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(0), 0.002 * 10.0 * -1.0 * 0.5);
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(0), 0.25 * 10.0 * -1.0 * 0.5);
    // The stored value and offset include the user's scaling, which the
    // accessors take out again.
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(1), 0.25);
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(1), 1.0);
    EXPECT_DOUBLE_EQ(head.GetPhysicalValue(1, 10), 0.5 * 10 + 3);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(2), 0.5);
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(2), 3.0);
    EXPECT_DOUBLE_EQ(head.GetScalingRatio(2), 1.0);
}

TEST(ValuePerCode, Family5ChunkDefaultsAndPowerCycleOffset)
{
    const CWaveHeadInfo head
        = HeadBuilder(5)
              .Channel(0, { { 28, "50" } })
              .Channel(1, { { 2, "4113 F_V" }, { 16, "POWER CYCLE" }, { 4, "50Hz" }, { 28, "200" } })
              .Load();
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(0), 0.5);
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(0), 0.0);
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(1), (0.0 - 50.0) * 2.0 + 50.0);
    EXPECT_EQ(head.GetZeroCode(0), -32768);
}

} // namespace
} // namespace kp
