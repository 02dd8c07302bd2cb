// Range per division, codes per division and the module kinds they switch on.
#include <gtest/gtest.h>

#include "interpret/HeaderBlockLayout.h"
#include "support/HeadBuilder.h"

namespace kp {
namespace {

using test::HeadBuilder;
using test::HexField;
using test::OldHeaderBuilder;

TEST(ModuleKind, TableIndexWithoutRegardToCase)
{
    const CWaveHeadInfo head = HeadBuilder(6)
                                   .Channel(0, { { 2, "3070 CURR" } })
                                   .Channel(1, { { 2, "qx4455" } })
                                   .Channel(2, { { 2, "unknown" } })
                                   .Load();
    EXPECT_EQ(head.GetModuleKind(0), ModuleKind::Current3070);
    EXPECT_EQ(head.GetModuleKind(1), ModuleKind::QX4455);
    EXPECT_EQ(head.GetModuleKind(2), ModuleKind::Unknown);
    EXPECT_EQ(head.GetModuleKind(3), ModuleKind::Unknown); // no record

    const CWaveHeadInfo logger
        = HeadBuilder(3).Channel(0, { { 2, "HUMIDITY" } }).Channel(1, { { 2, "4357 analog" } }).Load();
    EXPECT_EQ(logger.GetModuleKind(0), ModuleKind::LoggerHumidity);
    EXPECT_EQ(logger.GetModuleKind(1), ModuleKind::Unknown);
}

TEST(RangePerDiv, RangeTextWithPrefixAndEmptyRangeDefaults)
{
    const CWaveHeadInfo head = HeadBuilder(1)
                                   .Channel(0, { { 4, "20mV" } })
                                   .Channel(1, { { 2, "4357 analog" } })
                                   .Channel(2, { { 4, "---" } })
                                   .Load();
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(0), 0.02);
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(1), 0.05); // record without a range text
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(2), 0.0); // not a number
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(3), 1.0); // no record at all

    const CWaveHeadInfo rms = HeadBuilder(1, "RMS").Channel(0, { { 39, "ON" } }).Channel(1, { { 39, "OFF" } }).Load();
    EXPECT_DOUBLE_EQ(rms.GetRangePerDiv(0), 0.02);
    EXPECT_DOUBLE_EQ(rms.GetRangePerDiv(1), 0.05);
}

TEST(RangePerDiv, FamilyExceptions)
{
    EXPECT_DOUBLE_EQ(HeadBuilder(3).Channel(0, { { 4, "1-5V" } }).Load().GetRangePerDiv(0), 10.0);
    EXPECT_DOUBLE_EQ(
        HeadBuilder(6).Channel(0, { { 2, "3354" }, { 4, "500V" }, { 16, "POWER" } }).Load().GetRangePerDiv(0), 1.0);

    // Family 2 power positions: the stored value per code times the codes per division.
    const CWaveHeadInfo power = HeadBuilder(2)
                                    .Main(23, "AP")
                                    .Channel(0, { { 4, "5V" }, { 33, "0.5" }, { 41, "1600" } })
                                    .Channel(1, { { 4, "5V" }, { 33, "0.5" }, { 41, "1600" } })
                                    .Load();
    EXPECT_DOUBLE_EQ(power.GetRangePerDiv(0), 5.0);
    EXPECT_DOUBLE_EQ(power.GetRangePerDiv(1), 800.0);
}

TEST(RangePerDiv, Family8PositioningAndCalculationChannels)
{
    const CWaveHeadInfo head = HeadBuilder(8)
                                   .Channel02(240, {}, { HexField(14, 2.5) })
                                   .Channel(257, { { 41, "2000" } })
                                   .Channel02(257, {}, { HexField(14, 0.001) })
                                   .Channel(10, { { 4, "10V" } })
                                   .Load();
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(240), 2.5);
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(246), 0.1);
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(250), 1.0);
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(251), 0.1);
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(257), 2.0);
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(10), 10.0);
}

TEST(RangePerDiv, Family9ProbeAndModuleCases)
{
    const CWaveHeadInfo head = HeadBuilder(9)
                                   .Channel(0, { { 4, "2V" }, { 38, "1:10" } })
                                   .Channel(1, { { 4, "2V" }, { 38, "100" } })
                                   .Channel(2, { { 2, "4194" }, { 4, "---" } })
                                   .Channel(3, { { 2, "3354" }, { 4, "2V" }, { 16, "POWER" } })
                                   .Channel(4, { { 38, "1:10" } })
                                   .Load();
    EXPECT_DOUBLE_EQ(head.GetProbeRatio(0), 10.0);
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(0), 20.0);
    EXPECT_DOUBLE_EQ(head.GetProbeRatio(1), 100.0);
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(1), 200.0);
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(2), 0.1);
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(3), 1.0);
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(4), 1.0);
}

TEST(RangePerDiv, Family0RangeIndex)
{
    synth::RecordBlueprint ranges { "HP3518", {}, { { layout::family0::kRangeIndex, { 3, 12, 11 } } } };
    const CWaveHeadInfo head = HeadBuilder(0).Record(ranges).Load();
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(0), 0.2);
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(1), 1.0); // beyond the table
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(2), 100.0);
    EXPECT_DOUBLE_EQ(HeadBuilder(0).Load().GetRangePerDiv(0), 1.0);
}

TEST(RangePerDiv, Family4ChannelBlockRange)
{
    using namespace layout::family4;
    const CWaveHeadInfo head = OldHeaderBuilder()
                                   .Text(kChannelBlocks + kRange, "20mV/DIV")
                                   .Text(kChannelBlocks + kChannelBlockSize + kRange, "500ue/DIV")
                                   .Load();
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(0), 0.02);
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(1), 500.0);
    EXPECT_DOUBLE_EQ(head.GetRangePerDiv(2), 1.0);
    EXPECT_EQ(head.GetRangeText(0), "20mV/DIV");
}

TEST(CodesPerDiv, GeneralHeaderFields)
{
    EXPECT_EQ(HeadBuilder(0).Main(12, "400").Load().GetCodesPerDiv(3), 400);
    EXPECT_EQ(HeadBuilder(1).Main(14, "1600").Load().GetCodesPerDiv(0), 1600);
    EXPECT_EQ(HeadBuilder(1).Load().GetCodesPerDiv(0), 1);
    EXPECT_EQ(HeadBuilder(7).Channel(0, { { 41, "320" } }).Load().GetCodesPerDiv(0), 320);
    const CWaveHeadInfo old = OldHeaderBuilder().Text(layout::family4::kCodesPerDiv, "  2000").Load();
    EXPECT_EQ(old.GetCodesPerDiv(5), 2000);
}

TEST(CodesPerDiv, PresentChannelsAndFamily8Exceptions)
{
    const CWaveHeadInfo head = HeadBuilder(8)
                                   .Channel(0, { { 41, "3200" } })
                                   .Channel(1, { { 2, "QX4455" }, { 41, "3200" } })
                                   .Channel(245, { { 41, "3200" } })
                                   .Load();
    EXPECT_EQ(head.GetCodesPerDiv(0), 3200);
    EXPECT_EQ(head.GetCodesPerDiv(1), 1);
    EXPECT_EQ(head.GetCodesPerDiv(245), 1);
    EXPECT_EQ(head.GetCodesPerDiv(2), 1);
    EXPECT_EQ(head.GetCodesPerDiv(400), 1);
}

TEST(CodesPerDiv, Family3ByInput)
{
    const CWaveHeadInfo head = HeadBuilder(3)
                                   .Channel(0, { { 2, "VOLT" } })
                                   .Channel(1, { { 2, "TC" }, { 4, "100" } })
                                   .Channel(2, { { 2, "RTD" }, { 4, "500" } })
                                   .Channel(3, { { 2, "TC" }, { 4, "200" } })
                                   .Channel(4, { { 2, "HUMIDITY" } })
                                   .Channel(5, { { 2, "STRAIN" } })
                                   .Load();
    EXPECT_EQ(head.GetCodesPerDiv(0), 2000);
    EXPECT_EQ(head.GetCodesPerDiv(1), 1000);
    EXPECT_EQ(head.GetCodesPerDiv(2), 500);
    EXPECT_EQ(head.GetCodesPerDiv(3), 400);
    EXPECT_EQ(head.GetCodesPerDiv(4), 100);
    EXPECT_EQ(head.GetCodesPerDiv(5), 2000);
    EXPECT_EQ(head.GetCodesPerDiv(6), 1);
}

TEST(DisplayCodesPerDiv, Family2ByModuleAndTypeByte)
{
    const CWaveHeadInfo head = HeadBuilder(2)
                                   .Channel(0, { { 2, "3070 CURR" }, { 16, "5842" } })
                                   .Channel(1, { { 2, "3070 CURR" }, { 16, "5842" } })
                                   .Channel(2, { { 2, "5572 TEMP" }, { 16, "TMP_K" } })
                                   .Channel(3, { { 2, "3491 F_V" }, { 16, "COUNT" } })
                                   .Channel(4, { { 2, "3491 F_V" }, { 16, "FREQ" } })
                                   .Channel(5, { { 2, "4357 analog" }, { 41, "2000" } })
                                   .UnitBlock(0, { { layout::family2::kType, { 3, 4 } } })
                                   .Load();
    EXPECT_EQ(head.GetDisplayCodesPerDiv(0), 1600);
    EXPECT_EQ(head.GetDisplayCodesPerDiv(1), 1280);
    EXPECT_EQ(head.GetDisplayCodesPerDiv(2), 1000);
    EXPECT_EQ(head.GetDisplayCodesPerDiv(3), 2000);
    EXPECT_EQ(head.GetDisplayCodesPerDiv(4), 3200);
    EXPECT_EQ(head.GetDisplayCodesPerDiv(5), 1600);
    EXPECT_EQ(head.GetCodesPerDiv(5), 2000);
}

TEST(DisplayCodesPerDiv, Family9StoredModuleOrSampleBits)
{
    const CWaveHeadInfo head = HeadBuilder(9)
                                   .Channel(0, { { 41, "500" }, { 2, "4683" } })
                                   .Channel(1, { { 2, "4683" } })
                                   .Channel(2, { { 2, "Y4793" } })
                                   .Channel(3, { { 3, "12" } })
                                   .Channel(4, { { 3, "24" } })
                                   .Channel(5, { { 3, "20" } })
                                   .Load();
    EXPECT_EQ(head.GetDisplayCodesPerDiv(0), 500);
    EXPECT_EQ(head.GetDisplayCodesPerDiv(1), 1000);
    EXPECT_EQ(head.GetDisplayCodesPerDiv(2), 80);
    EXPECT_EQ(head.GetDisplayCodesPerDiv(3), 100);
    EXPECT_EQ(head.GetDisplayCodesPerDiv(4), 204800);
    EXPECT_EQ(head.GetDisplayCodesPerDiv(5), 1);
}

} // namespace
} // namespace kp
