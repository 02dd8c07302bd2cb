// Recordings cut short inside their samples, for every written layout: each
// road converts exactly the leading points the file still holds in every
// saved channel, byte for byte the rows of the complete recording's
// conversion, says how many, and writes nothing after them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "export/ConvertWaveFile.h"
#include "export/SaveAsText.h"
#include "export/SourceProblemText.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"
#include "synth/DemoRecordings.h"
#include "synth/RecordingWriter.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CKpDoc.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/IndexTestFiles.h"

namespace kp::test {
namespace {

using kp::testing::TempFolder;
using kp::testing::WriteBytes;

constexpr std::int64_t kPoints = 300;

struct Layout {
    int family;
    const char* function;
};

std::vector<Layout> WrittenLayouts()
{
    std::vector<Layout> layouts;
    for (int family = 0; family <= 9; ++family)
        for (const char* function : { "MEM", "REC" }) {
            if (family == 3 && std::string(function) != "MEM")
                continue; // the loggers keep samples under MEM only
            try {
                synth::Recording r = synth::FamilySampleRecording(HeaderFamily { family }, function, 4, 1);
                if (family == 0)
                    r.model = "4170"; // detection refuses the model text "3518"
                synth::WriteRecording(r);
                layouts.push_back({ family, function });
            } catch (const std::exception&) {
            }
        }
    return layouts;
}

std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

// The length of text's first `lines` lines, line ends included.
std::size_t LinesLength(const std::string& text, std::size_t lines)
{
    std::size_t at = 0;
    for (std::size_t i = 0; i < lines; ++i)
        at = text.find('\n', at) + 1;
    return at;
}

std::size_t CountLines(const std::string& text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

class CutShort : public ::testing::TestWithParam<Layout> {
protected:
    void SetUp() override
    {
        synth::Recording r
            = synth::FamilySampleRecording(HeaderFamily { GetParam().family }, GetParam().function, kPoints, 7);
        if (GetParam().family == 0)
            r.model = "4170";
        bytes_ = synth::WriteRecording(r);
        CWaveHeadInfo head;
        ASSERT_TRUE(head.Load(bytes_));
        headerSize_ = head.GetHeaderSize();
        ASSERT_TRUE(Convert(bytes_));
        complete_ = ReadText(output_);
        headerLines_ = CountLines(complete_) - static_cast<std::size_t>(kPoints);
    }

    bool Convert(const std::vector<std::uint8_t>& source)
    {
        messages_.clear();
        WriteBytes(source_, source);
        std::filesystem::remove(output_);
        ConversionRequest request;
        request.source = source_;
        request.output = output_;
        request.showErrors = true;
        return ConvertWaveFile(request, messages_, progress_);
    }

    std::vector<std::uint8_t> CutAt(std::uint64_t size) const
    {
        return { bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(size) };
    }

    // Sizes from the first sample to one byte before the end: a byte into a
    // point, sizes on 512-byte block boundaries, and fractions of the data.
    std::vector<std::uint64_t> Cuts() const
    {
        const std::uint64_t data = bytes_.size() - headerSize_;
        std::vector<std::uint64_t> cuts { headerSize_, headerSize_ + 1, headerSize_ + 3 };
        for (std::uint64_t k = 1; k < 8; ++k)
            cuts.push_back(headerSize_ + data * k / 8);
        for (std::uint64_t b = (headerSize_ / 512 + 1) * 512; b < bytes_.size(); b += 1536)
            cuts.push_back(b);
        cuts.push_back(bytes_.size() - 2);
        cuts.push_back(bytes_.size() - 1);
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        return cuts;
    }

    TempFolder folder_;
    std::filesystem::path source_ = folder_ / "B.MEM";
    std::filesystem::path output_ = folder_ / "B.CSV";
    RecordingMessages messages_;
    NullProgress progress_;
    std::vector<std::uint8_t> bytes_;
    std::uint64_t headerSize_ = 0;
    std::string complete_;
    std::size_t headerLines_ = 0;
};

TEST_P(CutShort, ConvertsTheLeadingPointsTheFileHoldsAndSaysHowMany)
{
    std::int64_t previous = 0;
    for (const std::uint64_t cut : Cuts()) {
        SCOPED_TRACE("cut at " + std::to_string(cut) + " of " + std::to_string(bytes_.size()));
        const bool converted = Convert(CutAt(cut));
        const std::string text = ReadText(output_);
        if (converted) {
            // Only bytes after the last sample were cut.
            EXPECT_EQ(text, complete_);
            EXPECT_TRUE(messages_.shown().empty());
            previous = kPoints;
            continue;
        }
        ASSERT_GE(CountLines(text), headerLines_);
        const auto rows = static_cast<std::int64_t>(CountLines(text) - headerLines_);
        // The rows are the complete conversion's first rows, ending with a
        // whole line, and no more.
        EXPECT_EQ(text, complete_.substr(0, LinesLength(complete_, headerLines_ + static_cast<std::size_t>(rows))));
        ASSERT_EQ(messages_.shown().size(), 1u);
        EXPECT_EQ(messages_.shown()[0].text, CutShortText(source_, rows, kPoints));
        // A longer file never holds fewer points; the data's first byte holds none.
        EXPECT_GE(rows, previous);
        EXPECT_LT(rows, kPoints);
        if (cut == headerSize_) {
            EXPECT_EQ(rows, 0);
        }
        previous = rows;
    }
    // Without its last byte the file holds at least every point but the last.
    EXPECT_GE(previous, kPoints - 1);
}

TEST_P(CutShort, LoadKeepsThePartReadAndSaveAllWritesOnlyIt)
{
    const std::uint64_t cut = headerSize_ + (bytes_.size() - headerSize_) * 5 / 8;
    ASSERT_FALSE(Convert(CutAt(cut)));
    const std::string converted = ReadText(output_);
    const auto rows = static_cast<std::int64_t>(CountLines(converted) - headerLines_);

    messages_.clear();
    messages_.scriptAnswer(MessageAnswer::Ok);
    CBlockFileList blockFiles;
    CKpDoc doc(messages_, progress_, blockFiles);
    ASSERT_TRUE(doc.OnOpenDocument(source_));
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text, KpFormat(IDS_FILE_TOO_SHORT, source_.string()));
    EXPECT_EQ(doc.GetPointsRead(), rows);
    EXPECT_TRUE(doc.IsCutShort());

    SaveAsTextRequest save;
    save.path = folder_ / "SAVED.CSV";
    const SaveAsTextResult saved = SaveAsText(doc, save, messages_, progress_);
    EXPECT_TRUE(saved.completed);
    EXPECT_EQ(ReadText(save.path), converted);
}

INSTANTIATE_TEST_SUITE_P(WrittenLayouts, CutShort, ::testing::ValuesIn(WrittenLayouts()),
    [](const auto& info) { return "Family" + std::to_string(info.param.family) + info.param.function; });

} // namespace
} // namespace kp::test
