#include <gtest/gtest.h>

#include "interpret/ResourceNames.h"
#include "interpret/UnitText.h"
#include "resources/StringTable.h"
#include "support/HeadBuilder.h"

namespace kp {
namespace {

using test::HeadBuilder;

TEST(ChannelName, PlainFamiliesByStyle)
{
    const CWaveHeadInfo head = HeadBuilder(1).Load();
    EXPECT_EQ(head.GetChannelName(0, 0), "CH1");
    EXPECT_EQ(head.GetChannelName(0, 1), "1");
    EXPECT_EQ(head.GetChannelName(31, 2), "CH32");
    EXPECT_EQ(head.GetChannelName(31, 3), "32");
    EXPECT_EQ(head.GetChannelName(-1, 0), "");
}

TEST(ChannelName, Family2PowerFunctionNames)
{
    const CWaveHeadInfo pow = HeadBuilder(2, "POW").Load();
    EXPECT_EQ(pow.GetChannelName(0, 0), "U1");
    EXPECT_EQ(pow.GetChannelName(4, 1), "I1");
    EXPECT_EQ(pow.GetChannelName(8, 0), "Z1");
    EXPECT_EQ(pow.GetChannelName(15, 3), "Z8");
    EXPECT_EQ(pow.GetChannelName(16, 0), "CH17");
    EXPECT_EQ(HeadBuilder(2).Load().GetChannelName(0, 0), "CH1");
}

TEST(ChannelName, Family5UnitsCalculationAndMarker)
{
    CWaveHeadInfo head = HeadBuilder(5).Load();
    EXPECT_EQ(head.GetChannelName(17, 0), "CH2-2");
    EXPECT_EQ(head.GetChannelName(17, 1), "2-2");
    EXPECT_EQ(head.GetChannelName(256, 0), "Z1");
    EXPECT_EQ(head.GetChannelName(255, 0), "CH16-16");
    EXPECT_EQ(head.GetChannelName(17, 2), "CH2-2");
    head.SetChannelMarker(17, true);
    head.SetChannelMarker(256, true);
    EXPECT_EQ(head.GetChannelName(17, 0), "CH2-2");
    EXPECT_EQ(head.GetChannelName(17, 2), "CH2-2*");
    EXPECT_EQ(head.GetChannelName(17, 3), "2-2*");
    EXPECT_EQ(head.GetChannelName(256, 1), "Z1");
    EXPECT_EQ(head.GetChannelName(256, 2), "Z1*");
    // A new load clears the markers.
    head = HeadBuilder(5).Load();
    EXPECT_EQ(head.GetChannelName(17, 2), "CH2-2");

    // Other families never show the marker.
    CWaveHeadInfo f1 = HeadBuilder(1).Load();
    f1.SetChannelMarker(0, true);
    EXPECT_EQ(f1.GetChannelName(0, 2), "CH1");
}

TEST(ChannelName, Family8UnitsOf15GpsAndCalculation)
{
    const CWaveHeadInfo head = HeadBuilder(8).Load();
    EXPECT_EQ(head.GetChannelName(29, 0), "CH2-15");
    EXPECT_EQ(head.GetChannelName(30, 0), "CH3-1");
    EXPECT_EQ(head.GetChannelName(30, 1), "3-1");
    EXPECT_EQ(head.GetChannelName(30, 2), "CH3-1");
    EXPECT_EQ(head.GetChannelName(240, 0), "LAT");
    EXPECT_EQ(head.GetChannelName(246, 1), "PDOP");
    EXPECT_EQ(head.GetChannelName(252, 0), "TBIT");
    EXPECT_EQ(head.GetChannelName(253, 0), "");
    EXPECT_EQ(head.GetChannelName(255, 0), "");
    EXPECT_EQ(head.GetChannelName(256, 0), "W1-1");
    EXPECT_EQ(head.GetChannelName(257, 0), "W1-2");
    EXPECT_EQ(head.GetChannelName(263, 3), "W4-2");
}

TEST(ChannelName, Family9UnitsOf8)
{
    const CWaveHeadInfo head = HeadBuilder(9).Load();
    EXPECT_EQ(head.GetChannelName(9, 0), "CH2-2");
    EXPECT_EQ(head.GetChannelName(9, 3), "2-2");
    EXPECT_EQ(head.GetChannelName(7, 2), "CH1-8");
}

TEST(FloatAndPulseNames, ByFamily)
{
    const CWaveHeadInfo f9 = HeadBuilder(9).Load();
    EXPECT_EQ(f9.GetFloatChannelName(0), "W1");
    EXPECT_EQ(f9.GetFloatChannelName(15), "W16");
    EXPECT_EQ(f9.GetFloatChannelName(16), "Z1");
    EXPECT_EQ(f9.GetFloatChannelName(31), "Z16");
    EXPECT_EQ(f9.GetFloatChannelName(32), "CAN1");
    EXPECT_EQ(f9.GetFloatChannelName(40), "CAN9");
    EXPECT_EQ(HeadBuilder(6).Load().GetFloatChannelName(0), "Z1");
    EXPECT_EQ(HeadBuilder(3).Load().GetPulseChannelName(1), "P2");
}

TEST(LogicName, Family3InputsAndAlarms)
{
    const CWaveHeadInfo head = HeadBuilder(3).Load();
    EXPECT_EQ(head.GetLogicChannelName(15, 0), "LI16");
    EXPECT_EQ(head.GetLogicChannelName(0, 1), "LI1");
    EXPECT_EQ(head.GetLogicChannelName(3, 2), "LI");
    EXPECT_EQ(head.GetLogicChannelName(16, 0), "ALM1");
    EXPECT_EQ(head.GetLogicChannelName(20, 1), "ALM5");
    EXPECT_EQ(head.GetLogicChannelName(20, 3), "ALM");
}

TEST(LogicName, Family5StylesWithUnitMarker)
{
    CWaveHeadInfo head = HeadBuilder(5).Load();
    head.SetLogicUnitMarker(1, true);
    EXPECT_EQ(head.GetLogicChannelName(5, 0), "LB2");
    EXPECT_EQ(head.GetLogicChannelName(5, 1), "B2");
    EXPECT_EQ(head.GetLogicChannelName(5, 2), "B");
    EXPECT_EQ(head.GetLogicChannelName(5, 3), "LB2*");
    EXPECT_EQ(head.GetLogicChannelName(5, 4), "B2*");
    EXPECT_EQ(head.GetLogicChannelName(5, 5), "B*");
    EXPECT_EQ(head.GetLogicChannelName(0, 3), "LA1");
    EXPECT_EQ(head.GetLogicUnitMarker(0), "");
}

TEST(LogicName, Family6LogicUnitNumbers)
{
    const CWaveHeadInfo head = HeadBuilder(6)
                                   .Logic(1, { { 28, "3" } })
                                   .Logic(2, { { 28, "0" } })
                                   .Logic(5, { { 28, "2" } })
                                   .Logic(6, {})
                                   .Load();
    EXPECT_EQ(head.GetLogicChannelName(5, 0), "L3B2");
    EXPECT_EQ(head.GetLogicChannelName(5, 1), "3B2");
    EXPECT_EQ(head.GetLogicChannelName(5, 2), "3B");
    EXPECT_EQ(head.GetLogicChannelName(5, 3), "3B");
    // Unit 5 is the second unit of its group of four.
    EXPECT_EQ(head.GetLogicChannelName(21, 0), "L2B2");
    // A zero, empty or absent number falls back to the plain letters.
    EXPECT_EQ(head.GetLogicChannelName(9, 0), "LC2");
    EXPECT_EQ(head.GetLogicChannelName(24, 0), "LG1");
    EXPECT_EQ(head.GetLogicChannelName(0, 1), "A1");
    EXPECT_EQ(head.GetLogicChannelName(0, 3), "A");
}

TEST(LogicName, Family8BuiltInAndCan)
{
    const CWaveHeadInfo head = HeadBuilder(8).Load();
    EXPECT_EQ(head.GetLogicChannelName(5, 0), "LB2");
    EXPECT_EQ(head.GetLogicChannelName(5, 1), "B2");
    EXPECT_EQ(head.GetLogicChannelName(5, 2), "LB");
    EXPECT_EQ(head.GetLogicChannelName(15, 3), "L");
    EXPECT_EQ(head.GetLogicChannelName(16, 0), "L1-1");
    EXPECT_EQ(head.GetLogicChannelName(21, 0), "L1-6");
    EXPECT_EQ(head.GetLogicChannelName(21, 1), "1-6");
    EXPECT_EQ(head.GetLogicChannelName(40, 2), "L2");
    EXPECT_EQ(head.GetLogicChannelName(40, 3), "L2");
}

TEST(LogicName, Family9AndOthers)
{
    const CWaveHeadInfo f9 = HeadBuilder(9).Load();
    EXPECT_EQ(f9.GetLogicChannelName(21, 0), "L2B2");
    EXPECT_EQ(f9.GetLogicChannelName(21, 1), "2B2");
    EXPECT_EQ(f9.GetLogicChannelName(21, 2), "2B");
    EXPECT_EQ(f9.GetLogicChannelName(0, 0), "L1A1");

    const CWaveHeadInfo f1 = HeadBuilder(1).Load();
    EXPECT_EQ(f1.GetLogicChannelName(31, 0), "LH4");
    EXPECT_EQ(f1.GetLogicChannelName(31, 1), "H4");
    EXPECT_EQ(f1.GetLogicChannelName(31, 2), "H");
    EXPECT_EQ(f1.GetLogicChannelName(31, 3), "H");
}

TEST(ChannelName, NameWithUnit)
{
    const CWaveHeadInfo head = HeadBuilder(1).Channel(2, { { 22, "mV" } }).Load();
    EXPECT_EQ(head.GetChannelNameWithUnit(2), "CH3[mV]");
    EXPECT_EQ(head.GetChannelNameWithUnit(3), "CH4[]");
    EXPECT_EQ(JoinNameAndUnit("P1", "Hz"), "P1[Hz]");
}

TEST(ChannelName, FixedResourceNames)
{
    EXPECT_EQ(KpString(kAnalogNameIds), "CH1\nCH1");
    EXPECT_EQ(KpString(kAnalogNameIds + kAnalogNameCount - 1), "CH32\nCH32");
    EXPECT_EQ(KpString(kLogicProbeNameIds), "LA1\nLA1");
    EXPECT_EQ(KpString(kLogicProbeNameIds + 4 * 7 + 2), "LH3\nLH3");
    EXPECT_EQ(KpString(kLogicProbeNameIds + kLogicProbeNameCount), "");
    EXPECT_EQ(KpString(kLogicUnitNameIds + 7), "LH\nLH");
    for (int i = 0; i < kAnalogNameCount; ++i) {
        const std::string name = "CH" + std::to_string(i + 1);
        EXPECT_EQ(KpString(kAnalogNameIds + i), name + "\n" + name);
    }
}

} // namespace
} // namespace kp
