// Every family's writer and decoder against each other: the codes a recording
// was given come back exactly, a range of points decodes like the same points
// of the whole record, and a file cut short keeps what it still holds.
#include "support/SampleRoundTrip.h"

namespace kp::test {
namespace {

std::vector<FamilyCase> Families0To4()
{
    return {
        { "F0_MEM", 0,
            [] {
                return Make("3518", "35180001", "MEM", 3000, { 0, 1, 3 }, { 1, 2 }, 1, true);
            } },
        { "F0_REC", 0,
            [] {
                return Make("3518", "35180001", "REC", 2500, { 0, 2 }, { 0, 2, 5 }, 2, true);
            } },
        { "F1_MEM", 1,
            [] {
                return Make("4170", "41700003", "MEM", 9000, { 0, 2, 5, 6 }, { 0, 1, 3 }, 3);
            } },
        { "F1_REC", 1,
            [] {
                return Make("4170", "41700003", "REC", 4100, { 1, 3 }, { 0, 2, 5 }, 4);
            } },
        { "F1_RMS_no_logic", 1,
            [] {
                return Make("5066", "50660001", "RMS", 3000, { 0, 7 }, {}, 5);
            } },
        { "F1_MEM_wide", 1,
            [] {
                return Make("4170", "41700003", "MEM", 3001,
                    { 0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 12, 13, 15, 16, 17, 20, 21 }, { 0, 5 }, 14);
            } },
        { "F1_REC_wide", 1,
            [] {
                return Make("4170", "41700003", "REC", 2003, { 1, 2, 3, 4, 5, 6, 7, 9, 11 }, { 1 }, 15);
            } },
        { "F1_MEM_logic_only", 1,
            [] {
                return Make("4170", "41700003", "MEM", 5000, {}, { 0, 1, 2, 3, 4 }, 6);
            } },
        { "F2_MEM", 2,
            [] {
                return Make("3384", "33840001", "MEM", 6000, { 0, 1, 4 }, { 0, 1, 2 }, 7);
            } },
        { "F2_REC", 2,
            [] {
                return Make("3384", "33840001", "REC", 3000, { 2, 3 }, { 0, 3 }, 8);
            } },
        { "F3_MEM_ring", 3,
            [] {
                return WithPulses(
                    WithRing(Make("3019", "30190001", "MEM", 5000, { 0, 3, 15 }, { 0, 1, 4, 7 }, 9), 5003, 1234),
                    { 0, 2 }, 10);
            } },
        { "F3_MEM_5303", 3,
            [] {
                return WithRing(Make("5303", "53030001", "MEM", 4000, { 20, 31 }, { 4, 5 }, 11), 4000, 0);
            } },
        { "F4_MEM", 4,
            [] {
                return WithModules(
                    Make("4756", "", "MEM", 4000, { 0, 1, 3 }, { 0, 1, 2, 3, 4, 5 }, 12), { { 1, "4522" } });
            } },
        { "F4_RMS", 4,
            [] {
                return WithModules(
                    Make("4756", "", "RMS", 2000, { 2, 5 }, { 0, 3 }, 13, false, true), { { 5, "3251" } });
            } },
    };
}

TEST_P(SampleRoundTrip, WholeRecordGivesTheWrittenCodes)
{
    Decoded d = DecodeFile(file_);
    ASSERT_EQ(FamilyNumber(d.head.GetHeaderFamily()), GetParam().family);
    ASSERT_EQ(d.allocation.status, AllocateStatus::Ok) << d.allocation.detail;
    ASSERT_EQ(d.result.status, DecodeStatus::Complete) << d.result.detail;
    EXPECT_EQ(d.layout.dataLength, recording_.dataLength);
    ExpectCodes(d.tables, 0, recording_.dataLength, false);
}

TEST_P(SampleRoundTrip, RangesDecodeLikeTheWholeRecord)
{
    const std::int64_t length = recording_.dataLength;
    // Uneven blocks that cross every kind of boundary, single points at both
    // ends, and a range running past the end of the record.
    std::vector<std::pair<std::int64_t, std::int64_t>> ranges;
    for (std::int64_t first = 0; first < length; first += 997)
        ranges.emplace_back(first, 997);
    ranges.emplace_back(0, 1);
    ranges.emplace_back(length - 1, 1);
    ranges.emplace_back(length - 5, 100);
    for (auto [first, count] : ranges) {
        Decoded d = DecodeFile(file_, first, count);
        ASSERT_EQ(d.result.status, DecodeStatus::Complete) << first << "+" << count << ": " << d.result.detail;
        ExpectCodes(d.tables, first, std::min(count, length - first), false);
        if (HasFailure())
            FAIL() << "range " << first << "+" << count;
    }
}

TEST_P(SampleRoundTrip, ShortFileKeepsWhatItHolds)
{
    const std::size_t header = static_cast<std::size_t>(DecodeFile(file_, 0, 1).head.GetHeaderSize());
    for (std::size_t cut : { header + 1, header + (file_.size() - header) / 3, file_.size() - 1 }) {
        std::vector<std::uint8_t> shortened(file_.begin(), file_.begin() + static_cast<std::ptrdiff_t>(cut));
        Decoded d = DecodeFile(shortened);
        ASSERT_EQ(d.allocation.status, AllocateStatus::Ok) << d.allocation.detail;
        // The chunked file's last bytes close its block chain and hold no point.
        const bool closingBytesOnly = GetParam().family == 5 && cut == file_.size() - 1;
        EXPECT_EQ(d.result.status, closingBytesOnly ? DecodeStatus::Complete : DecodeStatus::ShortFile)
            << "cut at " << cut;
        ExpectCodes(d.tables, 0, recording_.dataLength, true);
        // Missing the last byte loses at most one point of the first channel.
        if (cut == file_.size() - 1 && !recording_.analog.empty()) {
            const auto& first = *std::min_element(recording_.analog.begin(), recording_.analog.end(),
                [](const auto& x, const auto& y) { return x.slot < y.slot; });
            const auto& got = d.tables.analog[first.slot].primary;
            std::size_t lost = 0;
            for (std::size_t k = 0; k < got.size(); ++k)
                lost += got[k] != first.primary[k] ? 1 : 0;
            EXPECT_LE(lost, 1u);
        }
    }
}

TEST_P(SampleRoundTrip, BlocksOutsideTheFileAreShort)
{
    std::vector<std::uint8_t> headerOnly(
        file_.begin(), file_.begin() + static_cast<std::ptrdiff_t>(DecodeFile(file_, 0, 1).head.GetHeaderSize()));
    Decoded d = DecodeFile(headerOnly, recording_.dataLength / 2, 10);
    ASSERT_EQ(d.allocation.status, AllocateStatus::Ok);
    EXPECT_EQ(d.result.status, DecodeStatus::ShortFile);
}

INSTANTIATE_TEST_SUITE_P(Families0To4, SampleRoundTrip, ::testing::ValuesIn(Families0To4()),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace kp::test
