// Converting broken recordings of every written family from disk: a source
// that is refused before its samples are read leaves no output file at all,
// every failure says why, and a source cut inside its data keeps the rows
// before the cut and answers false.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "export/ConvertWaveFile.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"
#include "synth/DemoRecordings.h"
#include "synth/IndexWriter.h"
#include "synth/RecordingWriter.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/IndexTestFiles.h"
#include "wavefile/OldHeader.h"

namespace kp::test {
namespace {

using kp::testing::TempFolder;
using kp::testing::WriteBytes;

class MalformedConversion : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        synth::Recording r = synth::FamilySampleRecording(HeaderFamily { GetParam() }, "MEM", 300, 7);
        if (GetParam() == 0)
            r.model = "4170"; // detection refuses the model text "3518"
        bytes_ = synth::WriteRecording(r);
        CWaveHeadInfo head;
        ASSERT_TRUE(head.Load(bytes_));
        headerSize_ = head.GetHeaderSize();
    }

    // Converts the bytes with the file check's messages and errors shown.
    bool Convert(const std::vector<std::uint8_t>& source)
    {
        messages_.clear();
        WriteBytes(source_, source);
        std::filesystem::remove(output_);
        ConversionRequest request;
        request.source = source_;
        request.output = output_;
        request.checkFile = true;
        request.showErrors = true;
        return ConvertWaveFile(request, messages_, progress_);
    }

    std::string OnlyMessage() const
    {
        EXPECT_EQ(messages_.shown().size(), 1u);
        return messages_.shown().empty() ? std::string() : messages_.shown().front().text;
    }

    TempFolder folder_;
    std::filesystem::path source_ = folder_ / "SOURCE.MEM";
    std::filesystem::path output_ = folder_ / "SOURCE.CSV";
    RecordingMessages messages_;
    NullProgress progress_;
    std::vector<std::uint8_t> bytes_;
    std::uint64_t headerSize_ = 0;
};

TEST_P(MalformedConversion, HeaderCutShortCreatesNoOutput)
{
    for (std::uint64_t cut = 512; cut < headerSize_; cut += 512) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        EXPECT_FALSE(Convert({ bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(cut) }));
        EXPECT_EQ(OnlyMessage(), KpFormat(IDS_FILE_TOO_SHORT, source_.string()));
        EXPECT_FALSE(std::filesystem::exists(output_));
    }
}

TEST_P(MalformedConversion, MainRecordThatIsNoneCreatesNoOutput)
{
    if (GetParam() == 4)
        GTEST_SKIP() << "the old header has no record tag";
    auto broken = bytes_;
    broken[2] = 'X'; // "HWX": recognised by its first two letters, but no main record
    EXPECT_FALSE(Convert(broken));
    EXPECT_EQ(OnlyMessage(), KpFormat(IDS_NOT_WAVEFORM_FILE, source_.string()));
    EXPECT_FALSE(std::filesystem::exists(output_));
}

TEST_P(MalformedConversion, SourceCutInsideTheDataKeepsTheHeaderSectionAndFails)
{
    auto broken = bytes_;
    broken.resize(headerSize_ + (bytes_.size() - headerSize_) / 3);
    EXPECT_FALSE(Convert(broken));
    EXPECT_EQ(OnlyMessage().rfind("cut short: ", 0), 0u);
    // The rows the file holds are written, each a whole line.
    ASSERT_TRUE(std::filesystem::exists(output_));
    std::ifstream written(output_, std::ios::binary | std::ios::ate);
    written.seekg(-1, std::ios::end);
    EXPECT_EQ(written.get(), '\n');
}

TEST_P(MalformedConversion, DataLengthFarBeyondTheFileCreatesNoOutput)
{
    // Blocks are decoded one at a time, so nothing else would stop the rows:
    // a chunked file of 5 KB claiming 10^8 points wrote gigabytes of zeros.
    auto broken = bytes_;
    const std::string length = "99999999";
    const std::size_t at = GetParam() == 4 ? oldheader::kDataLength : 72;
    const std::size_t width = GetParam() == 4 ? oldheader::kDataLengthSize : 12;
    std::fill_n(broken.begin() + static_cast<std::ptrdiff_t>(at), width, 0);
    std::copy(length.begin(), length.end(), broken.begin() + static_cast<std::ptrdiff_t>(at));
    EXPECT_FALSE(Convert(broken));
    EXPECT_EQ(OnlyMessage(), KpFormat(IDS_FILE_TOO_SHORT, source_.string()));
    EXPECT_FALSE(std::filesystem::exists(output_));
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, MalformedConversion, ::testing::Range(0, 10),
    [](const auto& info) { return "Family" + std::to_string(info.param); });

TEST(MalformedConversionSource, IndexFilesAreNoRecordingToConvert)
{
    TempFolder folder;
    synth::IndexBlueprint blueprint;
    blueprint.entries = { { 1, synth::Name83Stored("B0000001", "MEM") } };
    const auto index = folder / "A.SEQ";
    WriteBytes(index, synth::MakeIndexFile(blueprint));
    WriteBytes(folder / "B0000001.MEM",
        synth::WriteRecording(synth::FamilySampleRecording(HeaderFamily::Family1, "MEM", 20, 1)));

    ConversionRequest request;
    request.source = index;
    request.output = folder / "A.CSV";
    request.checkFile = true;
    request.showErrors = true;
    RecordingMessages messages;
    NullProgress progress;
    EXPECT_FALSE(ConvertWaveFile(request, messages, progress));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, KpFormat(IDS_NOT_WAVEFORM_FILE, index.string()));
    EXPECT_FALSE(std::filesystem::exists(request.output));
}

} // namespace
} // namespace kp::test
