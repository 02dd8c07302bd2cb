#include <gtest/gtest.h>

#include "interpret/HeaderBlockLayout.h"
#include "interpret/TriggerFields.h"
#include "support/HeadBuilder.h"

namespace kp {
namespace {

using test::HeadBuilder;
using test::OldHeaderBuilder;
namespace tf = trigger;

// Every trigger text of a channel, so that each case names only what it needs.
std::map<int, std::string> TriggerFieldsOf(const std::string& kind)
{
    return { { tf::kKindField, kind }, { tf::kLevelField, "0.5V" }, { tf::kSlopeField, "UP" },
        { tf::kLowerField, "1V" }, { tf::kUpperField, "2V" }, { tf::kFilterField, "OFF" },
        { tf::kFrequencyField, "50" }, { tf::kWidthField, "10ms" }, { tf::kEventCountField, "3" },
        { tf::kJudgeBaseField, "BASE" }, { tf::kJudgeWidthField, "5%" }, { tf::kJudgeVoltField, "100V" },
        { tf::kSlopeLevelField, "0.2V" } };
}

TEST(TriggerKind, TablesAreCaseInsensitive)
{
    const CWaveHeadInfo f6 = HeadBuilder(6)
                                 .Channel(0, { { tf::kKindField, "period-out" } })
                                 .Channel(1, { { tf::kKindField, "Slope" } })
                                 .Channel(2, { { tf::kKindField, "PERIOD OUT" } })
                                 .Load();
    EXPECT_EQ(f6.GetTriggerKind(0), TriggerKind::PeriodOut);
    EXPECT_EQ(f6.GetTriggerKind(1), TriggerKind::Slope);
    EXPECT_EQ(f6.GetTriggerKind(2), TriggerKind::Off); // the spaced form belongs to family 5
    EXPECT_EQ(f6.GetTriggerKind(3), TriggerKind::Off);

    const CWaveHeadInfo f5 = HeadBuilder(5).Channel(0, { { tf::kKindField, "window in" } }).Load();
    EXPECT_EQ(f5.GetTriggerKind(0), TriggerKind::WindowIn);

    const CWaveHeadInfo f8
        = HeadBuilder(8).Channel(0, { { tf::kKindField, "out" } }).Channel(1, { { tf::kKindField, "RMS" } }).Load();
    EXPECT_EQ(f8.GetTriggerKind(0), TriggerKind::WindowOut);
    EXPECT_EQ(f8.GetTriggerKind(1), TriggerKind::Off);

    // Family 7's empty entries make an empty text kind 5.
    const CWaveHeadInfo f7 = HeadBuilder(7).Channel(0, {}).Channel(1, { { tf::kKindField, "comp" } }).Load();
    EXPECT_EQ(f7.GetTriggerKind(0), TriggerKind::Rms);
    EXPECT_EQ(f7.GetTriggerKind(1), TriggerKind::Judge);
}

TEST(TriggerSetting, FormatPerKind)
{
    struct Case {
        const char* kind;
        const char* text;
    } cases[] = {
        { "LEVEL", "Level : 0.5V Slope : UP Filter : OFF" },
        { "IN", "Low : 1V Up : 2V Filter : OFF" },
        { "out", "Low : 1V Up : 2V Filter : OFF" },
        { "V-Drop", "Freq :  50Hz Level : 0.5V" },
        { "RMS", "RMS Level : 0.5V Slope : UP" },
        { "CYCLE", "Low : 1V Up : 2V Level : 0.5V" },
        { "JUDGE", "Base : BASE Width : 5% Volt : 100V" },
        { "GLITCH", "Level : 0.5V Slope : UP Width : 10ms" },
        { "EVENT", "Level : 0.5V Slope : UP Event : 3 Filter : OFF" },
        { "period-out", "Low : 1V Up : 2V Level : 0.5V Slope : UP Filter : OFF" },
        { "PERIOD-IN", "Low : 1V Up : 2V Level : 0.5V Slope : UP Filter : OFF" },
        { "SLOPE", "Width : 10ms Level : 0.2V Slope : UP" },
        { "OFF", "-" },
        { "NONSENSE", "-" },
    };
    for (const Case& c : cases) {
        const CWaveHeadInfo head = HeadBuilder(6).Channel(0, TriggerFieldsOf(c.kind)).Load();
        EXPECT_EQ(head.GetTriggerSettingText(0), c.text) << c.kind;
    }
}

TEST(TriggerSetting, MissingTextsAndStoredPercentSigns)
{
    const CWaveHeadInfo head = HeadBuilder(1)
                                   .Channel(0, { { tf::kKindField, "LEVEL" } })
                                   .Channel(1, { { tf::kKindField, "LEVEL" }, { tf::kLevelField, "%s%d" } })
                                   .Load();
    EXPECT_EQ(head.GetTriggerSettingText(0), "Level : - Slope : - Filter : -");
    EXPECT_EQ(head.GetTriggerFilter(0), "-");
    EXPECT_EQ(head.GetTriggerSettingText(1), "Level : %s%d Slope : - Filter : -");
}

TEST(TriggerSetting, FamilyRules)
{
    EXPECT_EQ(HeadBuilder(0).Channel(0, TriggerFieldsOf("LEVEL")).Load().GetTriggerSettingText(0), "");
    EXPECT_EQ(HeadBuilder(9).Channel(0, TriggerFieldsOf("LEVEL")).Load().GetTriggerSettingText(0), "-");

    auto calc = TriggerFieldsOf("LEVEL");
    calc[32] = "CAL";
    EXPECT_EQ(HeadBuilder(1).Channel(0, calc).Load().GetTriggerSettingText(0), "-");
    // Family 8 shows the setting of its calculation channels.
    EXPECT_EQ(HeadBuilder(8)
                  .Channel(300, TriggerFieldsOf("LEVEL"))
                  .Channel02(300, { { tf::kSecondLevelField, "3V" }, { tf::kSecondFilterField, "ON" } })
                  .Load()
                  .GetTriggerSettingText(300),
        "Level : 3V Slope : UP Filter : ON");
    // Only OFF, LEVEL, IN and OUT exist in family 8.
    EXPECT_EQ(HeadBuilder(8).Channel(0, TriggerFieldsOf("GLITCH")).Load().GetTriggerSettingText(0), "-");
}

TEST(TriggerSetting, Family7SecondRecordAndEmptyKind)
{
    const CWaveHeadInfo head
        = HeadBuilder(7)
              .Channel(0, TriggerFieldsOf("V-DROP"))
              .Channel02(0, { { tf::kSecondLevelField, "10V" }, { tf::kSecondFilterField, "1ms" } })
              .Channel(1, TriggerFieldsOf("COMP"))
              .Channel(2, { { tf::kLevelField, "1V" } })
              .Load();
    EXPECT_EQ(head.GetTriggerSettingText(0), "Freq :  50Hz Level : 10V");
    EXPECT_EQ(head.GetTriggerLevel(0), "10V");
    EXPECT_EQ(head.GetTriggerLevel(0, true), "0.5V");
    EXPECT_EQ(head.GetTriggerFilter(0), "1ms");
    EXPECT_EQ(head.GetTriggerFilter(0, true), "OFF");
    EXPECT_EQ(head.GetTriggerSettingText(1), "Base : BASE Width : 5% Volt : 100V");
    // Without a second record the level reads "-".
    EXPECT_EQ(head.GetTriggerLevel(1), "-");
    // No trigger text: kind 5 by the table, but no setting to show.
    EXPECT_EQ(head.GetTriggerKind(2), TriggerKind::Rms);
    EXPECT_EQ(head.GetTriggerSettingText(2), "-");
}

TEST(TriggerSetting, Family4ByteTables)
{
    using namespace layout::family4;
    auto block = [](int ch) { return kChannelBlocks + static_cast<std::size_t>(ch) * kChannelBlockSize; };
    const CWaveHeadInfo head = OldHeaderBuilder()
                                   .Byte(kTriggerMode, 1)
                                   .Byte(block(0) + kTriggerKind, 1)
                                   .Byte(block(0) + kTriggerLevel, 30)
                                   .Text(block(0) + kTriggerSlope, "UP")
                                   .Byte(block(0) + kTriggerFilter, 9)
                                   .Byte(block(1) + kTriggerKind, 4)
                                   .Text(block(1) + kTriggerPattern, "1X0X")
                                   .Text(block(1) + kTriggerCondition, "AND")
                                   .Byte(block(2) + kTriggerKind, 2)
                                   .Byte(block(2) + kTriggerLower, 10)
                                   .Byte(block(2) + kTriggerUpper, 90)
                                   .Byte(block(3) + kTriggerFilter, 6)
                                   .Byte(block(4) + kTriggerKind, 5)
                                   .Byte(block(5) + kTriggerFilter, 10)
                                   .Byte(block(9) + kTriggerKind, 1)
                                   .Byte(block(9) + kTriggerFilter, 6)
                                   .Load();
    EXPECT_EQ(head.GetTriggerMode(), "REPEAT");
    EXPECT_EQ(head.GetTriggerSettingText(0), "Level : 30% Slope : UP Filter : 10DIV");
    EXPECT_EQ(head.GetTriggerSettingText(1), "Pattern : 1X0X Condition : AND Filter : OFF");
    EXPECT_EQ(head.GetTriggerSettingText(2), "Low : 10% Up : 90% Filter : OFF");
    EXPECT_EQ(head.GetTriggerFilter(3), "2.0DIV");
    EXPECT_EQ(head.GetTriggerSettingText(4), "-");
    EXPECT_EQ(head.GetTriggerFilter(5), "-");
    // Only channels 0-7 carry trigger settings.
    EXPECT_EQ(head.GetTriggerKind(9), TriggerKind::Off);
    EXPECT_EQ(head.GetTriggerFilter(9), "-");
    EXPECT_EQ(head.GetTriggerLevel(9), "-");
    EXPECT_EQ(head.GetTriggerSettingText(9), "-");

    EXPECT_EQ(OldHeaderBuilder().Byte(kTriggerMode, 2).Load().GetTriggerMode(), "AUTO");
    EXPECT_EQ(OldHeaderBuilder().Byte(kTriggerMode, 3).Load().GetTriggerMode(), "-");
}

TEST(TriggerMode, GeneralHeaderField)
{
    EXPECT_EQ(HeadBuilder(0).Main(tf::kModeField0, "SINGLE").Load().GetTriggerMode(), "SINGLE");
    EXPECT_EQ(HeadBuilder(1).Main(tf::kModeField, "AUTO").Load().GetTriggerMode(), "AUTO");
    EXPECT_EQ(HeadBuilder(9).Load().GetTriggerMode(), "-");
}

} // namespace
} // namespace kp
