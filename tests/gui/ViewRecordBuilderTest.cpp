#include <gtest/gtest.h>

#include "FrameFixtures.h"
#include "ViewFixtures.h"
#include "view/ViewRecordBuilder.h"
#include "wavefile/CKpDoc.h"

#include <algorithm>

namespace kp {
namespace {

using test::ScratchFolder;

struct OpenedDoc {
    RecordingMessages messages;
    NullProgress progress;
    CBlockFileList blockFiles;
    CKpDoc doc { messages, progress, blockFiles };
};

class ViewOfFamily : public ::testing::TestWithParam<std::tuple<int, std::string>> { };

// Every family's sample recording reaches the view with its channels, and a
// column's extent is the extent of the codes the writer was told to write.
TEST_P(ViewOfFamily, ChannelsAndColumnsComeFromTheWrittenCodes)
{
    const auto [family, function] = GetParam();
    ScratchFolder dir;
    const synth::Recording r = synth::FamilySampleRecording(HeaderFamily { family }, function, 300, 11);
    const auto path = dir / "S.MEM";
    synth::WriteRecordingFile(r, path);
    OpenedDoc o;
    const bool opened = o.doc.OnOpenDocument(path);
    ASSERT_TRUE(opened) << (o.messages.shown().empty() ? "(no message)" : o.messages.shown()[0].text);
    const auto record = BuildViewRecord(o.doc);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->points, 300);
    ASSERT_EQ(record->analog.size(), r.analog.size());
    const bool pairs = function != "MEM";
    constexpr std::int64_t ppc = 7;
    for (std::size_t k = 0; k < r.analog.size(); ++k) {
        const ValueChannel& c = record->analog[k];
        EXPECT_EQ(c.index, r.analog[k].slot);
        EXPECT_FALSE(c.name.empty());
        ASSERT_NE(c.primary, nullptr);
        EXPECT_EQ(c.secondary != nullptr, pairs);
        // Families 1-4 read 16-bit codes as signed.
        EXPECT_EQ(c.coding, TraceCoding::Signed16);
        const auto& codes = o.doc.GetAnalog(c.index).primary;
        for (std::int64_t first = 0; first + ppc <= 300; first += ppc) {
            double lo = 0, hi = 0;
            ASSERT_TRUE(c.primary->Range(first, first + ppc, lo, hi));
            const auto [mn, mx] = std::minmax_element(
                codes.begin() + first, codes.begin() + first + ppc, [](std::uint16_t a, std::uint16_t b) {
                    return static_cast<std::int16_t>(a) < static_cast<std::int16_t>(b);
                });
            ASSERT_EQ(lo, static_cast<std::int16_t>(*mn));
            ASSERT_EQ(hi, static_cast<std::int16_t>(*mx));
        }
    }
    const auto& saved = o.doc.GetLogicGroups().unitSaved;
    EXPECT_EQ(record->logic.size(), 4u * static_cast<std::size_t>(std::count(saved.begin(), saved.end(), true)));
    for (const LogicChannel& l : record->logic) {
        EXPECT_NE(record->LogicGroup(l.index / 32), nullptr);
        EXPECT_GT(l.header.zoom, 0.0);
        EXPECT_GE(l.header.position, -1.0);
    }

    // The record paints its traces inside the wave area (two clamp rows
    // above and below it at most).
    test::ViewHarness h(600, 300);
    h.settings.drawChannel = false;
    h.settings.drawDiv = false;
    h.settings.drawSaveMark = false;
    h.settings.drawTrigMark = false;
    h.view->SetRecord(BuildViewRecord(o.doc));
    ASSERT_TRUE(h.view->IsLoaded());
    const QImage image = h.view->viewport()->grab().toImage();
    const QRect area = h.view->WaveArea();
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == QColor(0, 0, 0) || c == QColor(192, 192, 192))
                continue;
            const bool in = x >= area.left() && x <= area.right() && y >= area.top() - 2 && y <= area.bottom() + 2;
            (in ? inside : outside) += 1;
        }
    }
    EXPECT_GT(inside, 100);
    EXPECT_EQ(outside, 0);
}

// Family 0's sample (model 3518) is refused by the file check as an
// unsupported model, so it cannot be opened into the document.
INSTANTIATE_TEST_SUITE_P(
    Families1To4, ViewOfFamily, ::testing::Combine(::testing::Values(1, 2, 4), ::testing::Values("MEM", "REC", "RMS")));
INSTANTIATE_TEST_SUITE_P(Ring, ViewOfFamily, ::testing::Combine(::testing::Values(3), ::testing::Values("MEM")));

TEST(StackLogicChannels, KeepsLogicInTheLowerTwoFifthsAtMostOneDivisionEach)
{
    std::vector<LogicChannel> logic(16);
    StackLogicChannels(logic, 5);
    for (const LogicChannel& l : logic) {
        EXPECT_GE(l.header.position, -1.0);
        EXPECT_LE(l.header.position + l.header.zoom, -0.2 + 1e-9);
    }
    EXPECT_GT(logic[0].header.position, logic[15].header.position); // first on top
    std::vector<LogicChannel> two(2);
    StackLogicChannels(two, 5);
    EXPECT_NEAR(two[0].header.position - two[1].header.position, 0.2, 1e-12); // one division each
}

} // namespace
} // namespace kp
