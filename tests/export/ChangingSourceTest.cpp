// A recording that changes while Kp reads it (shortened, rewritten, replaced
// under its name, or unreadable): the load keeps what was read and asks as
// for a cut-short file, the conversion stops with its reason after whole
// rows of what was read, and neither ever crashes. The change happens at a
// chosen progress step, between blocks, so every run is the same.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "export/ConvertWaveFile.h"
#include "export/SourceProblemText.h"
#include "platform/MappedFileGuard.h"
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

namespace fs = std::filesystem;

constexpr std::int64_t kPoints = 200000;

// Runs an action once, at the given step of the progress window.
class ActingProgress final : public ProgressWindow {
public:
    ActingProgress(std::int64_t at, std::function<void()> action)
        : at_(at)
        , action_(std::move(action))
    {
    }
    void begin(const std::string&, const std::string&, std::int64_t) override { }
    void setText(const std::string&) override { }
    void setPosition(std::int64_t) override { }
    bool step() override
    {
        if (++steps_ == at_)
            action_();
        return true;
    }
    void end() override { }

private:
    std::int64_t at_;
    std::function<void()> action_;
    std::int64_t steps_ = 0;
};

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

// Overwrites the file in place, as a copy onto it does: truncated, then written.
void Rewrite(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

struct Change {
    const char* name;
    std::function<void(const fs::path& source, const std::vector<std::uint8_t>& other, std::uint64_t header)> apply;
    bool detected; // false: the file read is still the one that was opened
    // False when pages may come from the file's new content: a mapping cannot
    // tell which version of the file a page was read from.
    bool keepsOnlyTheOriginal = true;
};

std::vector<Change> Changes()
{
    return {
        { "TruncatedToNothing", [](const fs::path& p, const auto&, std::uint64_t) { fs::resize_file(p, 0); }, true },
        { "TruncatedIntoTheHeader", [](const fs::path& p, const auto&, std::uint64_t h) { fs::resize_file(p, h / 2); },
            true },
        { "TruncatedAfterTheFirstSamples",
            [](const fs::path& p, const auto&, std::uint64_t h) { fs::resize_file(p, h + 4096 * 3 + 5); }, true },
        { "TruncatedNearTheEnd",
            [](const fs::path& p, const auto&, std::uint64_t) { fs::resize_file(p, fs::file_size(p) - 100); }, true },
        { "Grown", [](const fs::path& p, const auto&, std::uint64_t) { fs::resize_file(p, fs::file_size(p) + 9000); },
            true },
        { "RewrittenInPlace", [](const fs::path& p, const auto& other, std::uint64_t) { Rewrite(p, other); }, true,
            false },
        { "UnreadableStorage",
            [](const fs::path&, const auto&, std::uint64_t h) { MappedFileGuard::FailEverywhereFrom(h + 70000); },
            true },
        { "ReplacedUnderItsName",
            [](const fs::path& p, const auto& other, std::uint64_t) {
                const fs::path next = p.parent_path() / "NEXT.MEM";
                WriteBytes(next, other);
                fs::rename(next, p);
            },
            false },
    };
}

class ChangingSource : public ::testing::TestWithParam<Change> {
protected:
    void SetUp() override
    {
#if defined(_WIN32)
        GTEST_SKIP() << "Windows refuses to shorten or rewrite a mapped file; the guard that turns a failed read of a "
                        "mapping into zeros is a POSIX one";
#endif
        bytes_ = synth::WriteRecording(synth::WaveformRecording(4, 1, kPoints, 3));
        other_ = synth::WriteRecording(synth::WaveformRecording(4, 1, kPoints, 4));
        CWaveHeadInfo head;
        ASSERT_TRUE(head.Load(bytes_));
        header_ = head.GetHeaderSize();
        WriteBytes(source_, bytes_);
        ConversionRequest request = Request();
        NullProgress quiet;
        ASSERT_TRUE(ConvertWaveFile(request, messages_, quiet));
        complete_ = ReadText(output_);
        fs::remove(output_);
        WriteBytes(source_, bytes_);
    }

    ConversionRequest Request() const
    {
        ConversionRequest request;
        request.source = source_;
        request.output = output_;
        request.showErrors = true;
        return request;
    }

    void ApplyChange()
    {
        GetParam().apply(source_, other_, header_);
    }

    TempFolder folder_;
    fs::path source_ = folder_ / "L.MEM";
    fs::path output_ = folder_ / "L.CSV";
    RecordingMessages messages_;
    std::vector<std::uint8_t> bytes_, other_;
    std::uint64_t header_ = 0;
    std::string complete_;
};

TEST_P(ChangingSource, ConversionStopsWithItsReasonAfterWholeRowsOfWhatWasRead)
{
    // Step 150 comes after 75,000 rows: inside the second block of points.
    ActingProgress progress(150, [this] { ApplyChange(); });
    const bool converted = ConvertWaveFile(Request(), messages_, progress);
    const std::string text = ReadText(output_);
    if (!GetParam().detected) {
        EXPECT_TRUE(converted);
        EXPECT_TRUE(messages_.shown().empty());
        EXPECT_EQ(text, complete_);
        return;
    }
    EXPECT_FALSE(converted);
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text, SourceChangedText(source_));
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    EXPECT_LT(text.size(), complete_.size());
    EXPECT_EQ(complete_.compare(0, text.size(), text), 0) << "the rows written are the recording's own";
}

TEST_P(ChangingSource, LoadKeepsWhatWasReadAfterTheShortFileQuestion)
{
    // Step 10 comes after 20,000 of the 200,000 points.
    ActingProgress progress(10, [this] { ApplyChange(); });
    messages_.scriptAnswer(MessageAnswer::Ok);
    CBlockFileList blockFiles;
    CKpDoc doc(messages_, progress, blockFiles);
    ASSERT_TRUE(doc.OnOpenDocument(source_));
    if (!GetParam().detected) {
        EXPECT_TRUE(messages_.shown().empty());
        EXPECT_EQ(doc.GetPointsRead(), kPoints);
        return;
    }
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text, KpFormat(IDS_FILE_TOO_SHORT, source_.string()));
    EXPECT_LE(doc.GetPointsRead(), kPoints);
    if (!GetParam().keepsOnlyTheOriginal)
        return;
    // What is kept was read from the recording: the first analog channel's
    // codes match the complete load's.
    RecordingMessages quiet;
    NullProgress none;
    CKpDoc reference(quiet, none, blockFiles);
    WriteBytes(folder_ / "REF.MEM", bytes_);
    ASSERT_TRUE(reference.OnOpenDocument(folder_ / "REF.MEM"));
    const auto& kept = doc.GetAnalog(0).primary;
    const auto& all = reference.GetAnalog(0).primary;
    const auto n = static_cast<std::size_t>(doc.GetPointsRead());
    ASSERT_LE(n, kept.size());
    EXPECT_TRUE(std::equal(kept.begin(), kept.begin() + static_cast<std::ptrdiff_t>(n), all.begin()));
}

TEST_P(ChangingSource, LoadGivenUpLeavesAnEmptyDocument)
{
    if (!GetParam().detected)
        GTEST_SKIP() << "nothing to give up";
    ActingProgress progress(10, [this] { ApplyChange(); });
    messages_.scriptAnswer(MessageAnswer::Cancel);
    CBlockFileList blockFiles;
    CKpDoc doc(messages_, progress, blockFiles);
    EXPECT_FALSE(doc.OnOpenDocument(source_));
    EXPECT_FALSE(doc.IsLoaded());
    EXPECT_TRUE(doc.IsLoadFailed());
}

INSTANTIATE_TEST_SUITE_P(Changes, ChangingSource, ::testing::ValuesIn(Changes()),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kp::test
