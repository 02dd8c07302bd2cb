// The chunked family in the suite that runs every family's writer and decoder
// against each other (whole record, ranges, short files).
#include "support/SampleRoundTrip.h"

namespace kp::test {
namespace {

std::vector<FamilyCase> Family5Cases()
{
    return {
        { "F5_MEM", 5,
            [] {
                return Make("5595", "55950103", "MEM", 5000, { 0, 1, 17, 255, 300 }, { 0, 1, 3 }, 51);
            } },
        { "F5_REC", 5,
            [] {
                return Make("3945", "39450100", "REC", 3000, { 2, 16, 40 }, { 0, 2 }, 52);
            } },
        { "F5_RMS_no_logic", 5,
            [] {
                return Make("5595-50", "55950200", "RMS", 2500, { 5, 6 }, {}, 53);
            } },
        { "F5_MEM_logic_only", 5,
            [] {
                return Make("3945-50", "39450200", "MEM", 4100, {}, { 0, 1, 2, 3 }, 54);
            } },
    };
}

INSTANTIATE_TEST_SUITE_P(
    Family5, SampleRoundTrip, ::testing::ValuesIn(Family5Cases()), [](const auto& info) { return info.param.name; });

} // namespace
} // namespace kp::test
