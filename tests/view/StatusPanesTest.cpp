// The status bar's texts and icons follow the record's model and function,
// and real-time records name their data format instead of the function.
#include <gtest/gtest.h>

#include "support/HeaderBytes.h"
#include "view/StatusPanes.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp {
namespace {

using synth::RecordBlueprint;
using test::HeaderBytes;

CWaveHeadInfo Head(std::map<int, std::string> fields)
{
    std::map<int, std::string> all { { 2, "4170" }, { 4, "MEM" }, { 6, "1000" }, { 9, "41700001" }, { 10, "100" } };
    for (auto& [k, v] : fields)
        all[k] = v;
    CWaveHeadInfo head;
    EXPECT_TRUE(head.Load(HeaderBytes(RecordBlueprint { "HW", all, {} }, {})));
    return head;
}

TEST(StatusPanes, FunctionPaneNamesTheKindOfRecordingAndRealtimeFormats)
{
    const std::map<int, std::string> qx4767 { { 2, "QX4767" }, { 9, "QX476701" } };
    auto with = [](std::map<int, std::string> base, std::map<int, std::string> more) {
        base.merge(more);
        return base;
    };
    struct Case {
        const char* what;
        std::map<int, std::string> fields;
        std::string text;
        StatusIcon icon;
    } cases[] = {
        { "memory", {}, "MEM ", StatusIcon::Memory },
        { "recorder", { { 4, "REC" } }, "REC ", StatusIcon::Recorder },
        { "rms", { { 4, "RMS" }, { 15, "AC" } }, "RMS (AC) ", StatusIcon::Recorder },
        { "x-y", { { 2, "5228" }, { 9, "52280001" }, { 4, "XYC" } }, "XYC ", StatusIcon::XY },
        { "real-time memory file", { { 41, "REAL_MEM" } }, "REAL_MEM ", StatusIcon::Realtime },
        { "real-time, sampled", with(qx4767, { { 4, "REALTIME" } }), "REAL_MEM ", StatusIcon::Realtime },
        { "real-time, envelope", with(qx4767, { { 4, "REALTIME" }, { 15, "ENVELOPE" } }), "REAL_REC ",
            StatusIcon::Realtime },
        { "high speed is not real time", with(qx4767, { { 4, "HISPEED" } }), "HISPEED ", StatusIcon::Memory },
    };
    for (const Case& c : cases) {
        const StatusPanes panes = BuildStatusPanes(Head(c.fields));
        EXPECT_EQ(panes[1].text, c.text) << c.what;
        EXPECT_EQ(panes[1].icon, c.icon) << c.what;
        EXPECT_EQ(panes[0].icon, StatusIcon::Instrument) << c.what;
    }
}

TEST(StatusPanes, ModelsGetTheirOwnTint)
{
    const StatusPanes a = BuildStatusPanes(Head({}));
    const StatusPanes b = BuildStatusPanes(Head({ { 2, "3384" }, { 9, "33840001" } }));
    EXPECT_EQ(a[0].text, "4170 ");
    EXPECT_EQ(b[0].text, "3384 ");
    EXPECT_NE(a[0].tint, b[0].tint);
}

} // namespace
} // namespace kp
