// Chunked-family recordings written from a description and read back: both
// index bytes, the second pair of frame descriptions, the repetition of
// index-1 frames, and block-by-block decoding against the whole range.
#include <gtest/gtest.h>

#include <random>

#include "Family5TestFiles.h"
#include "support/SeededRandom.h"
#include "synth/RecordingWriter.h"
#include "wavefile/SampleLayout.h"

namespace kp {
namespace {

using synth::Family5Options;
using synth::Recording;

std::vector<std::uint16_t> Codes(std::mt19937& random, std::int64_t n, int step = 1)
{
    std::vector<std::uint16_t> codes(static_cast<std::size_t>(n));
    std::uniform_int_distribution<int> code(0, 0xFFFF);
    for (std::size_t i = 0; i < codes.size(); ++i)
        codes[i] = i % static_cast<std::size_t>(step) == 0 ? static_cast<std::uint16_t>(code(random)) : codes[i - 1];
    return codes;
}

std::vector<std::uint8_t> Nibbles(std::mt19937& random, std::int64_t n)
{
    std::vector<std::uint8_t> v(static_cast<std::size_t>(n));
    std::uniform_int_distribution<int> nibble(0, 15);
    for (auto& x : v)
        x = static_cast<std::uint8_t>(nibble(random));
    return v;
}

Recording Base(std::int64_t length, const std::string& function = "MEM")
{
    Recording r;
    r.model = "5595";
    r.version = "55950103";
    r.function = function;
    r.dataLength = length;
    return r;
}

// Codes held over the points of one frame that stands for `repetition`
// points from `shift` on; points before the first frame are 0.
std::vector<std::uint16_t> HeldCodes(std::mt19937& random, std::int64_t n, std::int64_t repetition, std::int64_t shift)
{
    const auto fresh = Codes(random, n / repetition + 2);
    std::vector<std::uint16_t> codes(static_cast<std::size_t>(n), 0);
    for (std::int64_t p = 0; p < n; ++p)
        if (p >= shift)
            codes[static_cast<std::size_t>(p)] = fresh[static_cast<std::size_t>((p - shift) / repetition)];
    return codes;
}

void AddAnalog(std::mt19937& random, Recording& r, int slot, int step = 1)
{
    synth::AnalogBlueprint a;
    a.slot = slot;
    a.primary = Codes(random, r.dataLength, step);
    if (r.function == "REC")
        a.secondary = Codes(random, r.dataLength, step);
    r.analog.push_back(a);
}

void AddUnit(std::mt19937& random, Recording& r, int unit)
{
    synth::LogicUnitBlueprint u;
    u.unit = unit;
    u.primary = Nibbles(random, r.dataLength);
    if (r.function == "REC")
        u.secondary = Nibbles(random, r.dataLength);
    r.logicUnits.push_back(u);
}

std::vector<std::uint32_t> GroupWords(const Recording& r, bool secondary)
{
    std::vector<std::uint32_t> words(static_cast<std::size_t>(r.dataLength), 0);
    for (const auto& u : r.logicUnits)
        for (std::size_t k = 0; k < words.size(); ++k)
            words[k] |= std::uint32_t { secondary ? u.secondary[k] : u.primary[k] } << (4 * u.unit);
    return words;
}

// Every channel of the recording reads back exactly; slots it does not name
// stay unallocated.
void ExpectRecording(const test5::Loaded& loaded, const Recording& r)
{
    EXPECT_EQ(loaded.result.status, DecodeStatus::Complete) << loaded.result.detail;
    const bool pairs = r.function == "REC";
    for (const auto& a : r.analog) {
        EXPECT_EQ(loaded.tables.analog[a.slot].primary, a.primary) << "slot " << a.slot;
        if (pairs) {
            EXPECT_EQ(loaded.tables.analog[a.slot].secondary, a.secondary) << "slot " << a.slot;
        }
    }
    int saved = 0;
    for (const auto& slot : loaded.tables.analog)
        saved += slot.saved ? 1 : 0;
    EXPECT_EQ(saved, static_cast<int>(r.analog.size()));
    if (!r.logicUnits.empty()) {
        EXPECT_EQ(loaded.tables.logicGroups.groups[0].primary, GroupWords(r, false));
        if (pairs) {
            EXPECT_EQ(loaded.tables.logicGroups.groups[0].secondary, GroupWords(r, true));
        }
    }
}

struct RoundTripCase {
    const char* function;
    bool runs;
};

class Family5RoundTrip : public ::testing::TestWithParam<RoundTripCase> { };

TEST_P(Family5RoundTrip, IndexZeroCodesReadBack)
{
    auto random = test::SeededRandom(501);
    Recording r = Base(50, GetParam().function);
    for (int slot : { 0, 1, 17, 32, 33, 34, 35, 36, 37, 38, 39, 40, 255 })
        AddAnalog(random, r, slot);
    for (int unit : { 0, 1, 3 })
        AddUnit(random, r, unit);
    Family5Options options;
    options.runs = GetParam().runs;
    options.framesPerBlock = 7;
    test5::Loaded loaded;
    test5::Load(loaded, synth::WriteFamily5(r, options));
    ExpectRecording(loaded, r);
}

INSTANTIATE_TEST_SUITE_P(Functions, Family5RoundTrip,
    ::testing::Values(RoundTripCase { "MEM", false }, RoundTripCase { "MEM", true }, RoundTripCase { "REC", false },
        RoundTripCase { "REC", true }));

TEST(Family5Decode, CalculationSlotsFollowTheirUnitNumber)
{
    auto random = test::SeededRandom(502);
    Recording r = Base(20);
    AddAnalog(random, r, 256);
    AddAnalog(random, r, 300);
    test5::Loaded loaded;
    test5::Load(loaded, synth::WriteFamily5(r, {}));
    ExpectRecording(loaded, r);
}

TEST(Family5Decode, TheRecordingWriterDispatchesToTheChunkedLayout)
{
    auto random = test::SeededRandom(503);
    Recording r = Base(30);
    AddAnalog(random, r, 5);
    AddUnit(random, r, 2);
    test5::Loaded loaded;
    test5::Load(loaded, synth::WriteRecording(r));
    ExpectRecording(loaded, r);
}

TEST(Family5Decode, EachIndexOneFrameStandsForTenPointsAtTenTimesThePeriod)
{
    auto random = test::SeededRandom(504);
    Recording r = Base(95);
    AddAnalog(random, r, 0); // index 0, 1 us
    AddAnalog(random, r, 5, 10); // index 1, 10 us: one code per 10 points
    AddUnit(random, r, 0);
    r.logicUnits[0].primary = std::vector<std::uint8_t>(95, 0);
    for (std::size_t k = 0; k < 95; ++k)
        r.logicUnits[0].primary[k] = static_cast<std::uint8_t>((k / 10) % 16);
    Family5Options options;
    options.periods = { { { 1, -6, "sec" }, { 10, -6, "sec" } } };
    options.analogSet = { { 5, 1 } };
    options.logicSet = 1;
    options.framesPerBlock = 4;
    const auto bytes = synth::WriteFamily5(r, options);
    test5::Loaded loaded;
    test5::Load(loaded, bytes);
    ExpectRecording(loaded, r);
    EXPECT_EQ(loaded.head.GetChunkChannelSet(0), 0);
    EXPECT_EQ(loaded.head.GetChunkChannelSet(5), 1);
    EXPECT_EQ(loaded.head.GetChunkLogicUnitSet(0), 1);

    // A code that changes within the ten points of a frame cannot be written.
    r.analog[1].primary[13] ^= 1;
    EXPECT_THROW(synth::WriteFamily5(r, options), std::invalid_argument);
}

// Decoding a recording in ranges gives the same codes as decoding it whole.
void ExpectRangesMatchWhole(const std::vector<std::uint8_t>& bytes, std::int64_t length)
{
    test5::Loaded whole;
    test5::Load(whole, bytes);
    ASSERT_EQ(whole.result.status, DecodeStatus::Complete);
    for (std::int64_t size : { 1, 7, 13, 64 }) {
        for (std::int64_t first = 0; first < length; first += size) {
            const std::int64_t n = std::min(size, length - first);
            test5::Loaded part;
            test5::Load(part, bytes, first, n);
            ASSERT_EQ(part.result.status, DecodeStatus::Complete);
            auto slice = [&](const auto& v) {
                using Values = std::decay_t<decltype(v)>;
                return v.empty() ? Values {} : Values(v.begin() + first, v.begin() + first + n);
            };
            for (int s = 0; s < kAnalogSlots; ++s) {
                EXPECT_EQ(part.tables.analog[s].primary, slice(whole.tables.analog[s].primary)) << s << "@" << first;
                EXPECT_EQ(part.tables.analog[s].secondary, slice(whole.tables.analog[s].secondary)) << s;
            }
            EXPECT_EQ(part.tables.logicGroups.groups[0].primary, slice(whole.tables.logicGroups.groups[0].primary));
            EXPECT_EQ(part.tables.logicGroups.groups[0].secondary, slice(whole.tables.logicGroups.groups[0].secondary));
        }
    }
}

TEST(Family5Decode, IndexOneFramesShiftByTheStartValues)
{
    auto random = test::SeededRandom(505);
    // 2 ms and 10 ms: 5 points a frame; equal periods: one.
    const synth::ChunkPeriodBlueprint fine { 2, -3, "sec" }, coarse { 1, -2, "sec" };
    for (auto [repetition, period1] : { std::pair { 5, coarse }, std::pair { 1, fine } }) {
        for (auto [start0, start1] : { std::pair { 100, 103 }, std::pair { 100, 95 }, std::pair { 7, 0 } }) {
            const std::int64_t shift = start1 != 0 ? start1 - start0 : 0;
            Recording r = Base(60);
            AddAnalog(random, r, 2);
            synth::AnalogBlueprint shifted;
            shifted.slot = 9;
            shifted.primary.assign(60, 0);
            for (std::int64_t p = 0; p < 60; ++p)
                if (p - shift >= 0)
                    shifted.primary[static_cast<std::size_t>(p)]
                        = static_cast<std::uint16_t>(1000 + (p - shift) / repetition);
            r.analog.push_back(shifted);
            Family5Options options;
            options.periods = { { fine, period1 } };
            options.startValue0 = start0;
            options.startValue1 = start1;
            options.analogSet = { { 9, 1 } };
            options.framesPerBlock = 8;
            const auto bytes = synth::WriteFamily5(r, options);
            test5::Loaded loaded;
            test5::Load(loaded, bytes);
            SCOPED_TRACE(std::to_string(repetition) + " points a frame, shift " + std::to_string(shift));
            ExpectRecording(loaded, r);
            ExpectRangesMatchWhole(bytes, r.dataLength);
        }
    }
}

TEST(Family5Decode, TheSecondPairOfFrameDescriptionsReadsBlocksOfSubKind98)
{
    auto random = test::SeededRandom(506);
    Recording r = Base(40, "REC");
    for (int slot : { 1, 2, 3, 4 })
        AddAnalog(random, r, slot);
    AddUnit(random, r, 1);
    Family5Options options;
    options.analogSet = { { 2, 1 }, { 3, 2 }, { 4, 3 } };
    options.logicSet = 2;
    options.framesPerBlock = 9;
    const auto blueprint = synth::DescribeFamily5File(r, options);
    ASSERT_EQ(blueprint.frames.size(), 4u);
    EXPECT_TRUE(blueprint.frames[2].secondPair && blueprint.frames[3].secondPair);
    test5::Loaded loaded;
    test5::Load(loaded, synth::WriteChunkedFile(blueprint).bytes);
    ExpectRecording(loaded, r);
}

TEST(Family5Decode, RangesDecodeAsTheWholeRecording)
{
    auto random = test::SeededRandom(507);
    Recording r = Base(150, "REC");
    AddAnalog(random, r, 0);
    AddAnalog(random, r, 7);
    synth::AnalogBlueprint held;
    held.slot = 3;
    held.primary = HeldCodes(random, r.dataLength, 4, -2);
    held.secondary = HeldCodes(random, r.dataLength, 4, -2);
    r.analog.push_back(held);
    AddUnit(random, r, 0);
    AddUnit(random, r, 2);
    Family5Options options;
    options.periods = { { { 5, -1, "sec" }, { 2, 0, "sec" } } }; // 4 points a frame
    options.startValue0 = 10;
    options.startValue1 = 8; // shifted two points back
    options.analogSet = { { 3, 1 }, { 7, 2 } };
    options.framesPerBlock = 11;
    ExpectRangesMatchWhole(synth::WriteFamily5(r, options), r.dataLength);
}

TEST(Family5Decode, ProgressStepsEvery2000FramesAndCancelStops)
{
    auto random = test::SeededRandom(508);
    Recording r = Base(9000);
    AddAnalog(random, r, 0);
    Family5Options options;
    options.framesPerBlock = 1500;
    const auto bytes = synth::WriteFamily5(r, options);
    test5::Loaded all;
    test5::Load(all, bytes);
    EXPECT_EQ(all.result.status, DecodeStatus::Complete);
    EXPECT_EQ(all.steps, 4);

    test5::Loaded cancelled;
    test5::Load(cancelled, bytes, 0, -1, 1);
    EXPECT_EQ(cancelled.result.status, DecodeStatus::Cancelled);
    EXPECT_EQ(cancelled.steps, 2);
    // Whatever was stored before the cancel is the recording's own.
    const auto& got = cancelled.tables.analog[0].primary;
    EXPECT_TRUE(std::equal(got.begin(), got.begin() + 4000, r.analog[0].primary.begin()));
}

} // namespace
} // namespace kp
