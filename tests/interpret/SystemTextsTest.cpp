// System setting texts, wave format and screen flag, pre-trigger text and
// the trigger point derived from it.
#include <gtest/gtest.h>

#include "interpret/HeaderBlockLayout.h"
#include "interpret/TriggerFields.h"
#include "support/HeadBuilder.h"

namespace kp {
namespace {

using test::HeadBuilder;
using test::OldHeaderBuilder;

TEST(SystemSettings, StoredTextsInTabOrder)
{
    const CWaveHeadInfo head = HeadBuilder(1).Record({ "HS", { { 1, "ON" }, { 2, "DOT" }, { 14, "OFF" } }, {} }).Load();
    EXPECT_EQ(head.GetSystemSettingText(0), "ON");
    EXPECT_EQ(head.GetSystemSettingText(1), "DOT");
    EXPECT_EQ(head.GetSystemSettingText(2), "-");
    EXPECT_EQ(head.GetSystemSettingText(13), "OFF");
    EXPECT_EQ(head.GetSystemSettingText(14), "-");
    EXPECT_EQ(head.GetSystemSettingText(-1), "-");
    EXPECT_EQ(HeadBuilder(1).Load().GetSystemSettingText(0), "-");
}

TEST(SystemSettings, WaveFormatIndex)
{
    struct Case {
        const char* text;
        int index;
    } cases[] = { { "SINGLE", 0 }, { "DUAL", 1 }, { "QUAD", 2 }, { "X-Y", 3 }, { "X-Y QUAD", 4 }, { "OCTAL", 0 },
        { "quad", 0 } };
    for (const Case& c : cases) {
        const CWaveHeadInfo head = HeadBuilder(1).Record({ "HOF", { { 4, c.text } }, {} }).Load();
        EXPECT_EQ(head.GetWaveFormatIndex(), c.index) << c.text;
    }
    EXPECT_EQ(HeadBuilder(9).Record({ "HOF01", { { 4, "DUAL" } }, {} }).Load().GetWaveFormatIndex(), 1);
    EXPECT_EQ(HeadBuilder(3).Record({ "HOF", { { 4, "DUAL" } }, {} }).Load().GetWaveFormatIndex(), 0);
    EXPECT_EQ(HeadBuilder(1).Load().GetWaveFormatIndex(), 0);
}

TEST(SystemSettings, ScreenFlag)
{
    EXPECT_EQ(HeadBuilder(1, "MEM", "5066").Record({ "HOF", { { 5, "WIDE" } }, {} }).Load().GetScreenFlag(), 0);
    EXPECT_EQ(HeadBuilder(1, "MEM", "5066").Record({ "HOF", { { 5, "NORMAL" } }, {} }).Load().GetScreenFlag(), 1);
    EXPECT_EQ(HeadBuilder(1).Record({ "HOF", { { 5, "WIDE" } }, {} }).Load().GetScreenFlag(), 1); // not model 3
    EXPECT_EQ(HeadBuilder(8).Record({ "HS", { { 28, "STANDARD" } }, {} }).Load().GetScreenFlag(), 0);
    EXPECT_EQ(HeadBuilder(8).Record({ "HS", { { 28, "WIDE" } }, {} }).Load().GetScreenFlag(), 1);
    EXPECT_EQ(
        HeadBuilder(7).Record({ "HOF", {}, { { layout::kDisplayScreenByte, { 0 } } } }).Load().GetScreenFlag(), 0);
    EXPECT_EQ(
        HeadBuilder(7).Record({ "HOF", {}, { { layout::kDisplayScreenByte, { 1 } } } }).Load().GetScreenFlag(), 1);
    EXPECT_EQ(HeadBuilder(7).Load().GetScreenFlag(), 1);
}

TEST(PreTrigger, TextAndPercentage)
{
    EXPECT_EQ(HeadBuilder(1).Main(trigger::kPreTriggerField, "10%").Load().GetPreTriggerText(), "10%");
    EXPECT_EQ(HeadBuilder(1, "REC").Main(trigger::kPreTriggerField, "START").Load().GetPreTriggerText(), "START");
    EXPECT_EQ(HeadBuilder(0).Main(trigger::kPreTriggerField0, "20%").Load().GetPreTriggerText(), "20%");
    EXPECT_EQ(HeadBuilder(6).Load().GetPreTriggerText(), "-");
    EXPECT_EQ(OldHeaderBuilder().Byte(layout::family4::kPreTrigger, 25).Load().GetPreTriggerText(), "25%");
}

TEST(TriggerPoint, FromThePreTriggerSetting)
{
    // Data length 1000 points (the builder's field 6).
    auto point
        = [](const CWaveHeadInfo& head) { return std::make_pair(head.HasTriggerPoint(), head.GetTriggerPoint()); };
    EXPECT_EQ(point(HeadBuilder(1).Main(trigger::kPreTriggerField, "10%").Load()),
        std::make_pair(true, std::int64_t { 100 }));
    EXPECT_EQ(point(HeadBuilder(1).Main(trigger::kPreTriggerField, "2.5%").Load()),
        std::make_pair(true, std::int64_t { 25 }));
    EXPECT_EQ(point(HeadBuilder(1).Main(trigger::kPreTriggerField, "150%").Load()),
        std::make_pair(true, std::int64_t { 1000 }));
    EXPECT_EQ(
        point(HeadBuilder(1).Main(trigger::kPreTriggerField, "0%").Load()), std::make_pair(true, std::int64_t { 0 }));
    EXPECT_EQ(point(HeadBuilder(1).Main(10, "100").Main(trigger::kPreTriggerField, "2DIV").Load()),
        std::make_pair(true, std::int64_t { 200 }));
    EXPECT_EQ(point(HeadBuilder(9).Main(trigger::kPreTriggerField, "5div").Load()),
        std::make_pair(true, std::int64_t { 500 }));
    EXPECT_EQ(
        point(HeadBuilder(1).Main(trigger::kPreTriggerField, "-").Load()), std::make_pair(false, std::int64_t { 0 }));
    EXPECT_EQ(point(HeadBuilder(1).Load()), std::make_pair(false, std::int64_t { 0 }));
    EXPECT_EQ(point(HeadBuilder(1, "REC").Main(trigger::kPreTriggerField, "10%").Load()),
        std::make_pair(false, std::int64_t { 0 }));
    EXPECT_EQ(point(OldHeaderBuilder().Byte(layout::family4::kPreTrigger, 25).Load()),
        std::make_pair(true, std::int64_t { 250 }));

    const CWaveHeadInfo head = HeadBuilder(1).Main(trigger::kPreTriggerField, "10%").Load();
    EXPECT_FALSE(head.HasPostTriggerPoint());
    EXPECT_EQ(head.GetPostTriggerPoint(), 0);
}

} // namespace
} // namespace kp
