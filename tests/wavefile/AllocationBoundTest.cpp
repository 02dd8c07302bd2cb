// No header makes the document hold more sample memory than its file could
// fill: many small recordings of every written family, each with a count,
// length or position changed to a random number (or a few bytes scrambled,
// or the file cut), opened whole; the tables kept stay within the
// allocation limit of the file's size.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "IndexTestFiles.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "support/SampleFixtures.h"
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

constexpr int kMutationsPerRecording = 60;

template <typename Slots> std::uint64_t BytesOf(const Slots& slots)
{
    std::uint64_t bytes = 0;
    for (const auto& s : slots)
        bytes += (s.primary.size() + s.secondary.size()) * sizeof(s.primary[0]);
    return bytes;
}

std::uint64_t HeldBytes(const ChannelTables& t)
{
    return BytesOf(t.analog) + BytesOf(t.logic) + BytesOf(t.floats) + BytesOf(t.pulse) + BytesOf(t.logicGroups.groups);
}

// A number as a header might misstate it: zero, negative, or of any size.
std::string RandomCount(std::mt19937& rng)
{
    std::uniform_int_distribution<int> kind(0, 5), digits(1, 12);
    switch (kind(rng)) {
    case 0:
        return "0";
    case 1:
        return "-" + std::to_string(rng() % 100000);
    case 2:
        return "abc";
    default:
        break;
    }
    std::string text;
    const int n = digits(rng);
    for (int i = 0; i < n; ++i)
        text += static_cast<char>('0' + (i == 0 ? 1 + rng() % 9 : rng() % 10));
    return text;
}

void PutText(std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t width, const std::string& text)
{
    if (at + width > bytes.size())
        return;
    std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), width, 0);
    std::copy_n(text.begin(), std::min(width, text.size()), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

// One mutation of a written recording: a count field of any record set to a
// random number, a few bytes scrambled, or the file cut.
std::vector<std::uint8_t> Mutate(std::vector<std::uint8_t> bytes, int family, std::uint64_t header, std::mt19937& rng)
{
    switch (rng() % 4) {
    case 0:
    case 1: {
        if (family == 4) {
            static constexpr std::pair<std::size_t, std::size_t> kOld[]
                = { { oldheader::kDataLength, oldheader::kDataLengthSize }, { oldheader::kAnalogCount, 3 },
                      { oldheader::kLogicCount, 3 } };
            const auto [at, width] = kOld[rng() % 3];
            PutText(bytes, at, width, RandomCount(rng));
            break;
        }
        // Any field of any header record: the main record's counts and the
        // save positions and data counts of the others all live in fields.
        const std::size_t record = rng() % std::max<std::uint64_t>(header / 512, 1);
        static constexpr int kMainFields[] = { 1, 6, 10, 15, 21, 22, 26, 27 };
        const int field = record == 0 ? kMainFields[rng() % 8] : 1 + static_cast<int>(rng() % 40);
        PutText(bytes, record * 512 + static_cast<std::size_t>(field) * 12, 12, RandomCount(rng));
        break;
    }
    case 2: {
        const int n = 1 + static_cast<int>(rng() % 8);
        for (int i = 0; i < n; ++i)
            bytes[rng() % bytes.size()] = static_cast<std::uint8_t>(rng());
        break;
    }
    default:
        bytes.resize(rng() % bytes.size());
        break;
    }
    return bytes;
}

TEST(AllocationBound, MutatedHeadersNeverHoldMoreThanTheFileCanFill)
{
    TempFolder folder;
    const auto path = folder / "MUTATED.MEM";
    auto rng = SeededRandom(77);
    double largestRatio = 0;
    std::uint64_t largestHeld = 0;
    int opened = 0, loaded = 0;
    for (int family = 0; family <= 9; ++family) {
        for (const char* function : { "MEM", "REC", "RMS" }) {
            if (!synth::FamilyKeepsFunction(HeaderFamily { family }, function))
                continue;
            synth::Recording r = synth::FamilySampleRecording(
                HeaderFamily { family }, function, 200, static_cast<std::uint32_t>(family));
            if (family == 0)
                r.model = "4170"; // detection refuses the model text "3518"
            const std::vector<std::uint8_t> bytes = synth::WriteRecording(r);
            CWaveHeadInfo head;
            ASSERT_TRUE(head.Load(bytes));
            for (int m = 0; m < kMutationsPerRecording; ++m) {
                const auto mutated = Mutate(bytes, family, head.GetHeaderSize(), rng);
                WriteBytes(path, mutated);
                RecordingMessages messages;
                NullProgress progress;
                CBlockFileList blockFiles;
                CKpDoc doc(messages, progress, blockFiles);
                ++opened;
                const bool ok = doc.OnOpenDocument(path);
                ASSERT_LE(messages.shown().size(), 1u) << "family " << family << " " << function << " #" << m;
                if (!ok)
                    continue;
                ++loaded;
                const std::uint64_t held = HeldBytes(doc.GetTables());
                ASSERT_LE(held, AllocationLimit(mutated.size())) << "family " << family << " " << function << " #" << m
                                                                 << ": " << held << " bytes from " << mutated.size();
                largestRatio = std::max(largestRatio, static_cast<double>(held) / static_cast<double>(mutated.size()));
                largestHeld = std::max(largestHeld, held);
            }
        }
    }
    EXPECT_GT(loaded, opened / 10) << "the mutations should leave many files loadable";
    RecordProperty("opened", opened);
    RecordProperty("loaded", loaded);
    RecordProperty("largest_table_bytes", std::to_string(largestHeld));
    RecordProperty("largest_table_to_file_ratio", std::to_string(largestRatio));
}

} // namespace
} // namespace kp::test
