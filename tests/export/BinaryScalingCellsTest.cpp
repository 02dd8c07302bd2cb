// The ratio and offset cells of the families that keep a channel's scaling as
// binary numbers rather than as texts, under a decimal comma.

#include "export/ConvertWaveFile.h"

#include "platform/LocaleInfo.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "support/SampleRoundTrip.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace kp {
namespace {

struct BinaryCase {
    const char* name;
    const char* model;
    const char* version;
    std::vector<int> slots; // every channel of a family-7 unit gives its scaling
};

std::ostream& operator<<(std::ostream& os, const BinaryCase& c)
{
    return os << c.name;
}

// The cells of the channel information lines, one vector per channel.
std::vector<std::vector<std::string>> ChannelInfoCells(const std::string& text)
{
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text);
    bool inBlock = false;
    for (std::string line; std::getline(in, line);) {
        if (!inBlock) {
            inBlock = line.rfind("\"CH\";\"Amp\"", 0) == 0;
            continue;
        }
        if (line.empty())
            break;
        std::vector<std::string> cells;
        std::istringstream cellsIn(line);
        for (std::string cell; std::getline(cellsIn, cell, ';');)
            cells.push_back(cell);
        lines.push_back(std::move(cells));
    }
    return lines;
}

class BinaryScalingCells : public ::testing::TestWithParam<BinaryCase> { };

TEST_P(BinaryScalingCells, PrintTheLocaleSeparatorAndEveryDigit)
{
    ScopedLocale locale({ ',', ';', "HH:mm:ss", true });
    synth::Recording r = test::Make(GetParam().model, GetParam().version, "MEM", 20, GetParam().slots, {}, 31);
    const double ratios[] = { 0.5, 0.1234567, 2.5e-5 };
    for (std::size_t i = 0; i < r.analog.size(); ++i)
        r.binaryScaling[r.analog[i].slot] = synth::BinaryScaling { ratios[i], -1.25, 0.001, 0.0 };
    test::ScratchFolder dir;
    ConversionRequest request;
    request.source = dir / "A.MEM";
    request.output = dir / "A.CSV";
    synth::WriteRecordingFile(r, request.source);
    RecordingMessages messages;
    NullProgress progress;
    ASSERT_TRUE(ConvertWaveFile(request, messages, progress));
    const std::string text = test::ReadWholeFile(request.output);

    const char* expected[][2]
        = { { "\"0,5\"", "\"-1,25\"" }, { "\"0,1234567\"", "\"-1,25\"" }, { "\"2,5e-005\"", "\"-1,25\"" } };
    const auto lines = ChannelInfoCells(text);
    ASSERT_EQ(lines.size(), r.analog.size()) << text.substr(0, 600);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i].size(), 8u) << lines[i][0];
        EXPECT_EQ(lines[i][4].rfind("\"ON", 0), 0u) << lines[i][4];
        EXPECT_EQ(lines[i][5], expected[i][0]) << lines[i][0];
        EXPECT_EQ(lines[i][6], expected[i][1]) << lines[i][0];
    }
}

INSTANTIATE_TEST_SUITE_P(Families, BinaryScalingCells,
    ::testing::Values(BinaryCase { "F4", "4756", "", { 0, 1, 3 } },
        BinaryCase { "F7", "QX4767", "QX476701", { 0, 1, 2 } },
        BinaryCase { "F8", "QX3013", "QX301301", { 0, 14, 20 } }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kp
