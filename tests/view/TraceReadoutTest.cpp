// The trace window's lists, cursor texts and clipboard text.
#include "view/TraceReadout.h"
#include "OpenedRecording.h"
#include "platform/LocaleInfo.h"
#include "synth/DemoRecordings.h"
#include "view/CursorTexts.h"
#include "view/TraceCopyText.h"

#include <gtest/gtest.h>

namespace kp {
namespace {

using test::OpenedRecording;

// The codes at A and B of the first analog channel decide the calculation.
synth::Recording WithCodesAt(int family, std::uint16_t atA, std::uint16_t atB)
{
    synth::Recording r = synth::FamilySampleRecording(HeaderFamily { family }, "MEM", 40, 3);
    r.analog[0].primary[5] = atA;
    r.analog[0].primary[9] = atB;
    return r;
}

class TraceCodeDifference : public ::testing::TestWithParam<int> { };

// B - A is taken on the codes as the family reads them: in the families of
// unsigned codes 0xFFFF -> 0x0001 is 1 - 65535 codes, elsewhere -1 -> 1 is 2.
TEST_P(TraceCodeDifference, ByTheFamilysCodeSignedness)
{
    const int family = GetParam();
    OpenedRecording o(WithCodesAt(family, 0xFFFF, 0x0001));
    const CWaveHeadInfo& head = o.doc.GetHeadInfo();
    ASSERT_TRUE(o.doc.GetAnalog(0).saved);
    const ChannelScale s = head.GetChannelScale(0);
    const bool unsignedCodes = family == 5 || family == 6 || family == 8 || family == 9;
    const double codes = unsignedCodes ? 1.0 - 65535.0 : 2.0;
    TraceOptions opt;
    opt.format.style = TraceNumStyle::Exponential;
    const TraceTables t = BuildTraceTables(o.doc, 5, 9, opt);
    const auto& row = t[static_cast<int>(TraceTab::Analog)].rows.at(0);
    const int digits = head.GetDisplayDigits(0);
    EXPECT_EQ(row[0], head.GetChannelNameWithUnit(0));
    EXPECT_EQ(row[1], TraceValueText(head.GetPhysicalValue(0, 0xFFFF), digits, opt.format, ""));
    EXPECT_EQ(row[2], TraceValueText(head.GetPhysicalValue(0, 0x0001), digits, opt.format, ""));
    EXPECT_EQ(row[3], TraceValueText(codes * s.scale, digits, opt.format, "")) << family;

    opt.calc = TraceCalcType::AMinusB;
    const TraceTables back = BuildTraceTables(o.doc, 5, 9, opt);
    EXPECT_EQ(back[0].rows.at(0)[3], TraceValueText(-codes * s.scale, digits, opt.format, ""));
    EXPECT_EQ(back[0].columns[3].title, "A-B");
}

INSTANTIATE_TEST_SUITE_P(Families, TraceCodeDifference, ::testing::Values(1, 2, 3, 5, 6, 7, 8, 9));

TEST(TraceCalculation, CombinesTheTwoValuesAndGuardsTheQuotients)
{
    struct Case {
        TraceCalcType type;
        double a, b, expected;
    } cases[] = {
        { TraceCalcType::APlusB, 2, 3, 5 },
        { TraceCalcType::ATimesB, 2, 3, 6 },
        { TraceCalcType::AOverB, 3, 0, 0 },
        { TraceCalcType::AOverB, 3, 2, 1.5 },
        { TraceCalcType::BOverA, 0, 5, 0 },
        { TraceCalcType::BOverA, 2, 5, 2.5 },
        { TraceCalcType::BMinusA, 7, 7, 0.25 },
        { TraceCalcType::AMinusB, 1, 1, -0.25 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(TraceCalculate(c.type, c.a, c.b, 0.25), c.expected) << static_cast<int>(c.type);
    // A difference of zero never prints with a sign.
    EXPECT_FALSE(std::signbit(TraceCalculate(TraceCalcType::AMinusB, 1, 1, 0.0)));
}

TEST(TraceValueText, FormatsAndUnit)
{
    const ScopedLocale locale(LocaleInfo {});
    EXPECT_EQ(TraceValueText(0.0123456, 3, { TraceNumStyle::AuxiliaryUnit, true }, "V"), "+12.35mV");
    EXPECT_EQ(TraceValueText(1.5, 5, { TraceNumStyle::Decimal, false }, "V"), "+1.5");
    EXPECT_EQ(TraceValueText(-1234.5, 2, { TraceNumStyle::Exponential, true }, "A"), "-1.23E+03A");
}

// Every probe of a recorded logic unit reads its bit at A and at B.
TEST(TraceLogicList, BitsOfEveryRecordedProbe)
{
    synth::Recording r = synth::FamilySampleRecording(HeaderFamily::Family1, "MEM", 30, 4);
    ASSERT_FALSE(r.logicUnits.empty());
    OpenedRecording o(r);
    const TraceTables t = BuildTraceTables(o.doc, 2, 17, {});
    const TextTable& logic = t[static_cast<int>(TraceTab::Logic)];
    ASSERT_EQ(logic.rows.size(), 4 * r.logicUnits.size());
    for (std::size_t u = 0; u < r.logicUnits.size(); ++u) {
        for (int probe = 0; probe < 4; ++probe) {
            const auto& row = logic.rows[4 * u + static_cast<std::size_t>(probe)];
            const int nibbleA = r.logicUnits[u].primary[2];
            const int nibbleB = r.logicUnits[u].primary[17];
            EXPECT_EQ(row[1], (nibbleA >> probe) & 1 ? "1" : "0") << u << probe;
            EXPECT_EQ(row[2], (nibbleB >> probe) & 1 ? "1" : "0") << u << probe;
        }
    }
}

// Envelope records give each channel a second row with the minima.
TEST(TraceAnalogList, PairValuedRecordsAddAnUnnamedRow)
{
    synth::Recording r = synth::FamilySampleRecording(HeaderFamily::Family1, "REC", 20, 5);
    OpenedRecording o(r);
    const TraceTables t = BuildTraceTables(o.doc, 0, 19, {});
    const TextTable& analog = t[static_cast<int>(TraceTab::Analog)];
    ASSERT_EQ(analog.rows.size(), 2 * r.analog.size());
    const CWaveHeadInfo& head = o.doc.GetHeadInfo();
    const int ch = r.analog[0].slot;
    EXPECT_EQ(analog.rows[1][0], "");
    EXPECT_EQ(analog.rows[1][2],
        TraceValueText(head.GetPhysicalValue(ch, r.analog[0].secondary[19]), head.GetDisplayDigits(ch), {}, ""));
}

TEST(CursorTexts, DistanceAndFrequencyInSeconds)
{
    CursorTextContext c;
    c.notation = 1;
    c.sampleInterval = 0.001;
    EXPECT_EQ(CursorDistanceText(c, 40, 40), "0s\r\n[---Hz]");
    EXPECT_EQ(CursorDistanceText(c, 40, 50), "10ms\r\n[100Hz]");
    c.sampleInterval = 0;
    EXPECT_EQ(CursorDistanceText(c, 40, 50), "0s\r\n[---Hz]");
}

TEST(CursorTexts, PointsCountFromTheTriggerAndTypedPositionsRoundTrip)
{
    CursorTextContext c;
    c.notation = kCursorPointNotation;
    c.trigger = 100;
    EXPECT_EQ(CursorPositionText(c, 40), "-60");
    EXPECT_EQ(CursorDistanceText(c, 40, 65), "25");
    EXPECT_EQ(TypedCursorPosition(c, "-60"), 40);
    EXPECT_EQ(TypedCursorPosition(c, "+5"), 105);
    for (const char* bad : { "", "-", "12a", "99999999999999999999", "1 2" })
        EXPECT_FALSE(TypedCursorPosition(c, bad).has_value()) << bad;
    c.trigger = 10;
    EXPECT_FALSE(TypedCursorPosition(c, "9223372036854775800").has_value());
}

TEST(CursorTexts, DateNotationMeasuresTheDistanceAsElapsedTime)
{
    CursorTextContext c;
    c.notation = 4;
    c.sampleInterval = 1;
    c.triggerMoment = DateTime::FromCivil(2024, 3, 1, 12, 0, 0);
    EXPECT_EQ(CursorDistanceText(c, 0, 65), " 0d0h1:5");
    EXPECT_NE(CursorPositionText(c, 65).find("12:01:05"), std::string::npos);
}

TEST(TraceCopy, TitlesTimeLineAndRowsByteForByte)
{
    TextTable t = EmptyTraceTables(TraceCalcType::AOverB)[static_cast<int>(TraceTab::Analog)];
    t.rows = { { "CH1[V]", "+1.0", "+2.0", "+0.5", "x" }, { "", "-1", "-2", "+0.5", "" } };
    const CursorEditTexts e { "-60", "5", "1ms\r\n[1kHz]" };
    EXPECT_EQ(TraceCopyText(t, e, true),
        "CH\tA\tB\tA/B\tComment\r\n"
        "Time\t-60\t5\t1ms  [1kHz]\t\r\n"
        "CH1[V]\t+1.0\t+2.0\t+0.5\tx\r\n"
        "\t-1\t-2\t+0.5\t\r\n");
    const TextTable logic = EmptyTraceTables(TraceCalcType::BMinusA)[static_cast<int>(TraceTab::Logic)];
    EXPECT_EQ(TraceCopyText(logic, e, false), "LCH\tA\tB\tComment\r\nTime\t-60\t5\t\r\n");
    TextTable stats;
    stats.AddColumn("CH");
    stats.AddColumn("Min");
    stats.rows = { { "CH1[V]", "+1" } };
    EXPECT_EQ(StatisticsCopyText(stats, e, "n=3"), "CH\tMin\r\nTime\t-60\t5\t1ms  [1kHz]\t\r\nn=3\r\nCH1[V]\t+1\r\n");
}

} // namespace
} // namespace kp
