#include <gtest/gtest.h>

#include "interpret/EventMarks.h"
#include "support/HeadBuilder.h"
#include "synth/DemoRecordings.h"
#include "synth/RecordingWriter.h"
#include "wavefile/CWaveHeadInfo.h"

#include <numeric>
#include <stdexcept>

namespace kp {
namespace {

CWaveHeadInfo LoadWritten(const synth::Recording& r)
{
    const std::vector<std::uint8_t> bytes = synth::WriteRecording(r);
    CWaveHeadInfo head;
    if (!head.Load(bytes))
        throw std::runtime_error("the written header did not load");
    return head;
}

std::vector<std::int64_t> Positions(std::size_t count, std::int64_t step)
{
    std::vector<std::int64_t> out(count);
    for (std::size_t i = 0; i < count; ++i)
        out[i] = static_cast<std::int64_t>(i) * step + 3;
    return out;
}

class EventMarksOfFamily : public ::testing::TestWithParam<int> { };

// 45 marks need two records in the text families; the chunked family holds
// them in one sub-chunk. Either way they come back in recorded order.
TEST_P(EventMarksOfFamily, ComeBackAsWritten)
{
    synth::Recording r = synth::FamilySampleRecording(HeaderFamily { GetParam() }, "MEM", 200, 5);
    r.events = Positions(45, 4);
    r.events[7] = 0;
    r.events[44] = 199;
    const CWaveHeadInfo head = LoadWritten(r);
    const EventMarkList list = ReadEventMarks(head);
    EXPECT_EQ(list.positions, r.events);
    EXPECT_EQ(list.Count(), 45);
    EXPECT_EQ(list.At(44), 199);
    EXPECT_EQ(list.At(45), -1); // past the count
    EXPECT_EQ(list.At(-1), -1);

    r.events.clear();
    EXPECT_EQ(ReadEventMarks(LoadWritten(r)).Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(TextAndChunked, EventMarksOfFamily, ::testing::Values(1, 2, 3, 5, 6, 7, 8));

TEST(EventMarks, FamiliesWithoutMarksRefuseThemInTheWriter)
{
    for (int family : { 4, 9 }) {
        synth::Recording r = synth::FamilySampleRecording(HeaderFamily { family }, "MEM", 50, 5);
        r.events = { 1, 2 };
        EXPECT_THROW(synth::WriteRecording(r), std::invalid_argument) << family;
    }
    synth::Recording r = synth::FamilySampleRecording(HeaderFamily::Family1, "MEM", 50, 5);
    r.events = Positions(26 * 40 + 1, 1);
    EXPECT_THROW(synth::WriteRecording(r), std::invalid_argument); // more than the 26 slots hold
}

TEST(EventMarks, TheChunkedListStopsAt10000)
{
    synth::Recording r = synth::FamilySampleRecording(HeaderFamily::Family5, "MEM", 50, 5);
    r.events = Positions(10001, 2);
    const EventMarkList list = ReadEventMarks(LoadWritten(r));
    ASSERT_EQ(list.Count(), 10000);
    EXPECT_EQ(list.At(9999), r.events[9999]);
}

// A record that claims more marks than its fields hold gives no position for
// the empty ones, and a count beyond one record's 40 fields is cut there.
TEST(EventMarks, TextRecordsAreReadNoFurtherThanTheyHold)
{
    synth::RecordBlueprint hpe { "HPE", { { 1, "3" }, { 2, "10" }, { 3, "" }, { 4, "x" } }, { { 8, { 'B' } } } };
    synth::RecordBlueprint first { "HPE", { { 1, "99" } }, { { 8, { 'A' } } } };
    for (int i = 0; i < 40; ++i)
        first.fields[2 + i] = std::to_string(100 + i);
    const CWaveHeadInfo head = test::HeadBuilder(1).Record(hpe).Record(first).Load();
    const EventMarkList list = ReadEventMarks(head);
    ASSERT_EQ(list.Count(), 43);
    EXPECT_EQ(list.At(0), 100); // slot "A" comes first whatever the file order
    EXPECT_EQ(list.At(39), 139);
    EXPECT_EQ(list.At(40), 10);
    EXPECT_EQ(list.At(41), -1);
    EXPECT_EQ(list.At(42), 0); // a text that is not a number reads as 0
}

} // namespace
} // namespace kp
