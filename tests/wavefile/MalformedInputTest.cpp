// Broken recordings, family by family: files cut short at every header
// boundary and inside the data, numbers that are not counts, tags without a
// terminator. Each open shows one clear message and leaves the document
// either empty or holding exactly the part of the file that was read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>

#include "IndexTestFiles.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"
#include "synth/DemoRecordings.h"
#include "synth/RecordingWriter.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CKpDoc.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/OldHeader.h"
#include "wavefile/TableAllocation.h"

namespace kp::test {
namespace {

using kp::testing::TempFolder;
using kp::testing::WriteBytes;

constexpr std::int64_t kPoints = 300;

synth::Recording Sample(int family, const std::string& function = "MEM")
{
    synth::Recording r
        = synth::FamilySampleRecording(HeaderFamily { family }, function, kPoints, 40u + static_cast<unsigned>(family));
    // Detection refuses the model text "3518"; the version alone selects family 0.
    if (family == 0)
        r.model = "4170";
    return r;
}

// Puts text into a 12-byte field, NUL-padded (a 12-character text has no terminator).
void SetField(std::vector<std::uint8_t>& bytes, std::size_t record, int field, const std::string& text)
{
    ASSERT_LE(text.size(), 12u);
    const std::size_t at = record * 512 + static_cast<std::size_t>(field) * 12;
    std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), 12, 0);
    std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

std::uint64_t HeaderSizeOf(const std::vector<std::uint8_t>& bytes)
{
    CWaveHeadInfo head;
    EXPECT_TRUE(head.Load(bytes));
    return head.GetHeaderSize();
}

struct Opened {
    bool loaded = false;
    std::vector<RecordingMessages::Shown> shown;
    std::filesystem::path path;
};

class MalformedRecording : public ::testing::TestWithParam<int> {
protected:
    int Family() const { return GetParam(); }

    // Opens the bytes as a fresh document; `answer` is given to the first
    // question asked (the short-file question).
    Opened Open(const std::vector<std::uint8_t>& bytes, MessageAnswer answer = MessageAnswer::Ok)
    {
        Opened o;
        o.path = folder_ / "BROKEN.MEM";
        WriteBytes(o.path, bytes);
        RecordingMessages messages;
        messages.scriptAnswer(answer);
        NullProgress progress;
        doc_.emplace(messages, progress, blockFiles_);
        o.loaded = doc_->OnOpenDocument(o.path);
        o.shown = messages.shown();
        return o;
    }

    // The document is empty: nothing loaded, no array, no saved flag.
    void ExpectEmpty() const
    {
        EXPECT_FALSE(doc_->IsLoaded());
        EXPECT_EQ(doc_->GetDataLength(), 0);
        for (int slot = 0; slot < kAnalogSlots; ++slot)
            ASSERT_TRUE(doc_->GetAnalog(slot).primary.empty() && !doc_->GetAnalog(slot).saved) << slot;
        for (const auto& group : doc_->GetLogicGroups().groups)
            ASSERT_TRUE(group.primary.empty());
    }

    // Every analog value the document holds is the one written or zero
    // (never read); returns how many written non-zero values were kept.
    int ExpectWrittenOrZero(const synth::Recording& r) const
    {
        int kept = 0;
        for (const auto& a : r.analog) {
            const auto& slot = doc_->GetAnalog(a.slot);
            EXPECT_TRUE(slot.saved) << "slot " << a.slot;
            EXPECT_EQ(slot.primary.size(), a.primary.size()) << "slot " << a.slot;
            for (std::size_t k = 0; k < std::min(slot.primary.size(), a.primary.size()); ++k) {
                if (slot.primary[k] != 0) {
                    EXPECT_EQ(slot.primary[k], a.primary[k]) << "slot " << a.slot << " point " << k;
                    ++kept;
                }
            }
        }
        return kept;
    }

    std::string ShortFileText(const Opened& o) const { return KpFormat(IDS_FILE_TOO_SHORT, o.path.string()); }

    TempFolder folder_;
    CBlockFileList blockFiles_;
    std::optional<CKpDoc> doc_;
};

std::string FamilyName(const ::testing::TestParamInfo<int>& info)
{
    return "Family" + std::to_string(info.param);
}

// ------------------------------------------------------------------ cut short

TEST_P(MalformedRecording, CutInsideTheHeaderShowsTheShortFileMessageAndLoadsNothing)
{
    const auto bytes = synth::WriteRecording(Sample(Family()));
    const std::uint64_t header = HeaderSizeOf(bytes);
    ASSERT_GT(header, 512u);
    std::vector<std::uint64_t> cuts;
    for (std::uint64_t at = 512; at < header; at += 512) {
        cuts.push_back(at); // at a record boundary
        cuts.push_back(at + 100); // inside the next record
    }
    cuts.push_back(100); // inside the first record, past the fields recognition reads
    for (const std::uint64_t cut : cuts) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        const Opened o = Open({ bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut) });
        EXPECT_FALSE(o.loaded);
        ASSERT_EQ(o.shown.size(), 1u);
        EXPECT_EQ(o.shown[0].text, ShortFileText(o));
        // Nothing was read that could be kept: no question, just the message.
        EXPECT_EQ(o.shown[0].buttons, MessageButtons::Ok);
        ExpectEmpty();
    }
}

TEST_P(MalformedRecording, EmptyFileIsNotAWaveformFile)
{
    const Opened o = Open({});
    EXPECT_FALSE(o.loaded);
    ASSERT_EQ(o.shown.size(), 1u);
    EXPECT_EQ(o.shown[0].text, KpFormat(IDS_NOT_WAVEFORM_FILE, o.path.string()));
    ExpectEmpty();
}

TEST_P(MalformedRecording, CutInsideTheDataKeepsWhatWasReadWhenAskedTo)
{
    const synth::Recording r = Sample(Family());
    const auto bytes = synth::WriteRecording(r);
    const std::uint64_t header = HeaderSizeOf(bytes);
    const std::uint64_t data = bytes.size() - header;
    for (const std::uint64_t cut : { header, header + 1, header + data / 2, bytes.size() - 1 }) {
        SCOPED_TRACE("cut at " + std::to_string(cut) + " of " + std::to_string(bytes.size()));
        const std::vector<std::uint8_t> shortened(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));

        const Opened kept = Open(shortened, MessageAnswer::Ok);
        if ((Family() == 3 || Family() == 5) && cut == bytes.size() - 1) {
            // The ring's last records belong to points past the data length
            // (ring size 303, ring start 2, 300 points), and the chunked
            // file's last bytes close its block chain: losing one loses no point.
            EXPECT_TRUE(kept.loaded);
            EXPECT_TRUE(kept.shown.empty());
            EXPECT_EQ(doc_->GetAnalog(r.analog[0].slot).primary, r.analog[0].primary);
            continue;
        }
        ASSERT_EQ(kept.shown.size(), 1u);
        EXPECT_EQ(kept.shown[0].text, ShortFileText(kept));
        EXPECT_EQ(kept.shown[0].buttons, MessageButtons::OkCancel);
        ASSERT_TRUE(kept.loaded);
        EXPECT_EQ(doc_->GetDataLength(), kPoints);
        const int read = ExpectWrittenOrZero(r);
        if (cut >= header + data / 2) {
            EXPECT_GT(read, 0) << "the part before the cut is kept";
        }
        if (cut == header) {
            EXPECT_EQ(read, 0);
        }

        const Opened refused = Open(shortened, MessageAnswer::Cancel);
        EXPECT_FALSE(refused.loaded);
        ASSERT_EQ(refused.shown.size(), 1u);
        EXPECT_EQ(refused.shown[0].text, ShortFileText(refused));
        ExpectEmpty();
    }
}

// ------------------------------------------------------------ numbers

// Where the data length stands: field 6, or the old header's text at byte 83.
void SetDataLength(int family, std::vector<std::uint8_t>& bytes, const std::string& text)
{
    if (family != 4) {
        SetField(bytes, 0, 6, text);
        return;
    }
    std::fill_n(bytes.begin() + oldheader::kDataLength, oldheader::kDataLengthSize, 0);
    std::copy(text.begin(), text.end(), bytes.begin() + oldheader::kDataLength);
}

TEST_P(MalformedRecording, DataLengthThatIsNoCountIsRefused)
{
    const auto bytes = synth::WriteRecording(Sample(Family()));
    for (const std::string text : { "abc", "-5", "0", "" }) {
        SCOPED_TRACE("data length \"" + text + "\"");
        auto broken = bytes;
        SetDataLength(Family(), broken, text);
        const Opened o = Open(broken);
        EXPECT_FALSE(o.loaded);
        ASSERT_EQ(o.shown.size(), 1u);
        // Recognition checks the data length of the "HW" families; the old
        // header's is first read at load, where a saved channel without
        // points fails like an allocation.
        EXPECT_EQ(o.shown[0].text,
            Family() == 4 ? std::string(KpString(IDS_MEMORY_INSUFFICIENT))
                          : std::string(KpString(IDS_DATA_LENGTH_ZERO)));
        ExpectEmpty();
    }
}

TEST_P(MalformedRecording, DataLengthBeyondTheFileIsRefusedBeforeAllocating)
{
    const auto bytes = synth::WriteRecording(Sample(Family()));
    for (const std::string text : { "9999999999", "2000000", "999999999999" }) {
        if (Family() == 4 && text.size() > oldheader::kDataLengthSize)
            continue;
        SCOPED_TRACE("data length " + text);
        auto broken = bytes;
        SetDataLength(Family(), broken, text);
        const Opened o = Open(broken);
        EXPECT_FALSE(o.loaded);
        ASSERT_EQ(o.shown.size(), 1u);
        EXPECT_EQ(o.shown[0].text, ShortFileText(o));
        EXPECT_EQ(o.shown[0].buttons, MessageButtons::Ok);
        ExpectEmpty();
    }
}

TEST_P(MalformedRecording, RecordCountBeyondTheFileEndsInsideTheHeader)
{
    if (Family() == 4)
        GTEST_SKIP() << "the old header has a fixed size";
    auto bytes = synth::WriteRecording(Sample(Family()));
    for (const std::string text : { "99999999999", "2147483648", "9000" }) {
        SCOPED_TRACE("record count " + text);
        auto broken = bytes;
        SetField(broken, 0, 1, text);
        const Opened o = Open(broken);
        EXPECT_FALSE(o.loaded);
        ASSERT_EQ(o.shown.size(), 1u);
        EXPECT_EQ(o.shown[0].text, ShortFileText(o));
        ExpectEmpty();
    }
}

TEST_P(MalformedRecording, RecordWithoutChannelsCannotClaimMorePointsThanItsFile)
{
    synth::Recording r = Sample(Family());
    r.analog.clear();
    r.logicUnits.clear();
    r.logicWords.clear();
    r.floats.clear();
    r.pulses.clear();
    std::vector<std::uint8_t> bytes = synth::WriteRecording(r);
    // Nothing to allocate, but every point would still become a row of text.
    SetDataLength(Family(), bytes, "99999999");
    const Opened o = Open(bytes);
    EXPECT_FALSE(o.loaded);
    ASSERT_EQ(o.shown.size(), 1u);
    EXPECT_EQ(o.shown[0].text, ShortFileText(o));
    ExpectEmpty();
}

// The count fields each family reads its channel positions and units from.
std::vector<std::pair<std::size_t, std::size_t>> CountFields(int family)
{
    switch (family) {
    case 0:
        return { { 21 * 12, 12 }, { 22 * 12, 12 } };
    case 1:
    case 2:
    case 5:
    case 6:
    case 7:
        return { { 26 * 12, 12 }, { 27 * 12, 12 } };
    case 3:
        return { { 10 * 12, 12 }, { 15 * 12, 12 } }; // ring start, ring size
    case 4:
        return { { oldheader::kAnalogCount, 3 }, { oldheader::kLogicCount, 3 } };
    default:
        return {};
    }
}

TEST_P(MalformedRecording, CountsOutOfRangeNeitherCrashNorOverAllocate)
{
    const auto bytes = synth::WriteRecording(Sample(Family()));
    for (const auto& [offset, width] : CountFields(Family())) {
        for (const std::string text : { "-4", "abc", "999", "99999999999", "-99999999999" }) {
            if (text.size() > width)
                continue;
            SCOPED_TRACE("count at byte " + std::to_string(offset) + " \"" + text + "\"");
            auto broken = bytes;
            std::fill_n(broken.begin() + static_cast<std::ptrdiff_t>(offset), width, 0);
            std::copy(text.begin(), text.end(), broken.begin() + static_cast<std::ptrdiff_t>(offset));
            const Opened o = Open(broken);
            ASSERT_LE(o.shown.size(), 1u);
            if (!o.loaded) {
                ASSERT_EQ(o.shown.size(), 1u);
                ExpectEmpty();
                continue;
            }
            std::uint64_t held = 0;
            for (int slot = 0; slot < kAnalogSlots; ++slot)
                held += 2 * (doc_->GetAnalog(slot).primary.size() + doc_->GetAnalog(slot).secondary.size());
            for (const auto& group : doc_->GetLogicGroups().groups)
                held += 4 * (group.primary.size() + group.secondary.size());
            EXPECT_LE(held, AllocationLimit(broken.size()));
        }
    }
}

// ------------------------------------------------------------ tags and texts

TEST_P(MalformedRecording, MainTagWithoutTerminatorIsNotAWaveformFile)
{
    if (Family() == 4)
        GTEST_SKIP() << "the old header has no record tag";
    auto bytes = synth::WriteRecording(Sample(Family()));
    bytes[2] = 'X'; // "HWX...": recognised by its first two letters, but no main record
    const Opened o = Open(bytes);
    EXPECT_FALSE(o.loaded);
    ASSERT_EQ(o.shown.size(), 1u);
    EXPECT_EQ(o.shown[0].text, KpFormat(IDS_NOT_WAVEFORM_FILE, o.path.string()));
    ExpectEmpty();
}

TEST_P(MalformedRecording, FullWidthModelAndFunctionTextsStopAtTheirField)
{
    if (Family() == 4)
        GTEST_SKIP() << "the old header names no model text";
    const auto bytes = synth::WriteRecording(Sample(Family()));
    {
        auto broken = bytes;
        SetField(broken, 0, 2, "417041704170");
        SetField(broken, 0, 3, "NEXT");
        const Opened o = Open(broken);
        EXPECT_FALSE(o.loaded);
        ASSERT_EQ(o.shown.size(), 1u);
        EXPECT_EQ(o.shown[0].text, KpFormat(IDS_UNSUPPORTED_MODEL, "417041704170"));
    }
    {
        auto broken = bytes;
        SetField(broken, 0, 4, "MEMMEMMEMMEM");
        SetField(broken, 0, 5, "NEXT");
        const Opened o = Open(broken);
        EXPECT_FALSE(o.loaded);
        ASSERT_EQ(o.shown.size(), 1u);
        EXPECT_EQ(o.shown[0].text, KpFormat(IDS_UNSUPPORTED_FUNCTION, "MEMMEMMEMMEM"));
    }
    ExpectEmpty();
}

TEST_P(MalformedRecording, ChannelRecordWithAnUnterminatedTagIsSkipped)
{
    const synth::Recording r = Sample(Family());
    if (Family() == 0 || Family() == 4)
        GTEST_SKIP() << "saved channels come from the main header";
    auto bytes = synth::WriteRecording(r);
    const std::uint64_t header = HeaderSizeOf(bytes);
    // The first "HC" record names the first analog channel.
    std::optional<std::size_t> record;
    for (std::size_t at = 512; at < header; at += 512)
        if (std::memcmp(bytes.data() + at, "HC\0", 3) == 0) {
            record = at / 512;
            break;
        }
    ASSERT_TRUE(record.has_value());
    SetField(bytes, *record, 0, "HCHCHCHCHCHC");
    const Opened o = Open(bytes);
    ASSERT_TRUE(o.loaded);
    EXPECT_TRUE(o.shown.empty());
    EXPECT_FALSE(doc_->GetAnalog(r.analog[0].slot).saved);
    for (std::size_t i = 1; i < r.analog.size(); ++i)
        EXPECT_TRUE(doc_->GetAnalog(r.analog[i].slot).saved) << r.analog[i].slot;
}

// The old header's data length is a 10-byte field: digits in the bytes after
// it belong to the next field, not to the length.
TEST(MalformedOldHeader, DataLengthStopsAtItsFieldWidth)
{
    auto bytes = synth::WriteRecording(synth::FamilySampleRecording(HeaderFamily::Family4, "MEM", 50, 1));
    std::string length(oldheader::kDataLengthSize, ' ');
    length.replace(length.size() - 2, 2, "50");
    std::copy(length.begin(), length.end(), bytes.begin() + oldheader::kDataLength);
    bytes[oldheader::kDataLength + oldheader::kDataLengthSize] = '7';
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(bytes));
    EXPECT_EQ(head.GetDataLength(), 50);
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, MalformedRecording, ::testing::Range(0, 10), FamilyName);

} // namespace
} // namespace kp::test
