// The chunked family as the recording writer lays it down: the table of
// contents, the information chunks with their sub-chunks, the data chunk and
// its blocks, at the byte places the published layout gives, written out here
// by hand rather than taken from the chunk constants the reader shares.
#include <gtest/gtest.h>

#include <functional>

#include "support/BytePins.h"
#include "synth/Family5Writer.h"

namespace kp::test {
namespace {

using namespace std::string_literals;
using synth::Recording;

struct ChunkCase {
    std::string name;
    std::function<std::vector<std::uint8_t>()> write;
    std::size_t size;
    std::vector<BytePin> pins;
};

std::ostream& operator<<(std::ostream& os, const ChunkCase& c)
{
    return os << c.name;
}

// Slots 0 and 17 (unit 1, channel 1) and logic units 0 and 2 in one set, two
// blocks of frames; per-channel settings and an event mark in the
// information chunk.
std::vector<std::uint8_t> MemoryFile()
{
    Recording r;
    r.model = "5595";
    r.function = "MEM";
    r.dataLength = 3;
    r.analog = { { 0, {}, {}, { 0x0102, 0x0304, 0x8000 }, {} }, { 17, {}, {}, { 0xFFFF, 0x1234, 0x0000 }, {} } };
    r.logicUnits = { { 0, {}, { 0x1, 0x2, 0x3 }, {} }, { 2, {}, { 0xF, 0x0, 0x8 }, {} } };
    r.events = { 1 };
    synth::Family5Options options;
    options.periods[0] = { 1, -6, "sec" };
    options.startValue0 = 0x01020304; // without a start value of index 1 it shifts nothing
    options.framesPerBlock = 2;
    options.channels = { { 17, 1, 0.5, -1.0, 1600, -5, "HRS", "mV" } };
    return synth::WriteFamily5(r, options);
}

// Pairs: slot 0 with the logic words in set 0, slot 1 in set 1 at twice the
// period, so each of its frames stands for two points.
std::vector<std::uint8_t> EnvelopeFile()
{
    Recording r;
    r.model = "3945";
    r.function = "REC";
    r.dataLength = 4;
    r.analog = { { 0, {}, {}, { 0x1000, 0x2000, 0x3000, 0x4000 }, { 0x0100, 0x0200, 0x0300, 0x0400 } },
        { 1, {}, {}, { 0x0A0B, 0x0A0B, 0x0C0D, 0x0C0D }, { 0x0001, 0x0001, 0x0002, 0x0002 } } };
    r.logicUnits = { { 1, {}, { 0x1, 0x2, 0x4, 0x8 }, { 0x8, 0x4, 0x2, 0x1 } } };
    synth::Family5Options options;
    options.periods = { synth::ChunkPeriodBlueprint { 1, -3, "sec" }, synth::ChunkPeriodBlueprint { 2, -3, "sec" } };
    options.analogSet = { { 1, 1 } };
    return synth::WriteFamily5(r, options);
}

// Eight consecutive slots as one run entry (two under pairs: primaries, then
// secondaries), and a calculation slot (256 + unit) after them.
std::vector<std::uint8_t> RunFile(const std::string& function, int firstSlot, bool calculation)
{
    Recording r;
    r.model = "5595";
    r.function = function;
    r.dataLength = 1;
    const bool pairs = function == "REC";
    for (int slot = firstSlot; slot < firstSlot + 8; ++slot)
        r.analog.push_back({ slot, {}, {}, { static_cast<std::uint16_t>(slot * 0x0101) },
            pairs ? std::vector<std::uint16_t> { static_cast<std::uint16_t>(slot) } : std::vector<std::uint16_t> {} });
    if (calculation)
        r.analog.push_back(
            { 257, {}, {}, { 0xABCD }, pairs ? std::vector<std::uint16_t> { 0 } : std::vector<std::uint16_t> {} });
    synth::Family5Options options;
    options.runs = true;
    return synth::WriteFamily5(r, options);
}

std::vector<ChunkCase> Cases()
{
    return {
        // Main record, channel records, then one "HM": entries of 24 bytes
        // from byte 12, tag then the offset as 8 hex digits at 16.
        { "MEM", MemoryFile, 3650,
            { At(0, "HW\0"s), At(12, "6\0"s), At(24, "5595\0"s), At(324, "3\0"s), In("HC", "18", 0, "HC\0"s),
                At(2560, "HM\0"s), At(2572, "LWBBWINF"), At(2588, "00000C00"), At(2596, "LWBBWDAT"),
                At(2612, "00000D70"), At(2620, Zeros(1)),
                // Information chunk: tag, index byte 8, size (u32) at 12.
                At(3072, "LWBBWINF\0"s), At(3084, Hex("70 01 00 00")),
                // "SXIIWFMN": u16 size at 12, u16 parameter offset at 14; the frame
                // description nested from its byte 16: frame size, entry count,
                // entries (type, byte size, unit, channel); 16 zero bytes end it.
                At(3104, "SXIIWFMN\0\0"s), At(3116, Hex("B9 00 40 00")), At(3120, "SXIIWEDT\0\0"s),
                At(3132, Hex("20 00 10 00 06 00 03 00 01 02 00 00 01 02 01 01 02 02 00 00")), At(3152, Zeros(16)),
                // Parameters at q = 64: mantissa q+2, exponent q+4, unit q+5,
                // start values q+113 and q+117.
                At(3170, Hex("01 00 FA") + "sec\0"s), At(3281, Hex("04 03 02 01 00 00 00 00")),
                // "SXACAWMN": count, entry size, then valid, unit, channel,
                // precision mark, value per code, offset, codes per division,
                // zero code, unit text.
                At(3296, "SXACAWMN\0\0"s),
                At(3308,
                    Hex("44 00 10 00 01 00 30 00 01 01 01 00") + "HRS\0"s
                        + Hex("00 00 00 00 00 00 E0 3F 00 00 00 00 00 00 F0 BF 40 06 00 00 FB FF 00 00") + "mV\0"s),
                // "LX__EVNT" has the long header: u32 size, u32 parameter offset;
                // then the count and the positions as 64-bit values from q+8.
                At(3376, "LX__EVNT"),
                At(3388, Hex("24 00 00 00 14 00 00 00 01 00 00 00 00 00 00 00 01 00 00 00 00 00 00 00")),
                // Data chunk; its first block 32 bytes in: block header, the
                // "SX__BLKP" parameters (start point at 18, point count at 22),
                // the frames at the data offset, the next block at the size.
                At(3440, "LWBBWDAT\0"s), At(3452, Hex("D2 00 00 00 20 00 00 00")), At(3472, "LXIIWBLK\0\0"s),
                At(3484, Hex("4C 00 00 00 40 00 00 00")), At(3504, "SX__BLKP"),
                At(3522, Hex("00 00 00 00 02 00 00 00")), At(3536, Hex("02 01 FF FF 01 0F 04 03 34 12 02 00")),
                At(3548, "LXIIWBLK"), At(3560, Hex("46 00 00 00 40 00 00 00")), At(3580, "SX__BLKP"),
                At(3598, Hex("02 00 00 00 01 00 00 00")), At(3612, Hex("00 80 00 00 03 08")), At(3618, Zeros(32)) } },
        { "REC", EnvelopeFile, 3272,
            { At(12, "5\0"s), At(24, "3945\0"s), At(48, "REC\0"s), At(324, "2\0"s), At(2048, "HM\0"s),
                At(2060, "LWBBWINF"), At(2076, "00000A00"), At(2084, "LWBBWINF"), At(2100, "00000AF0"),
                At(2108, "LWBBWDAT"), At(2124, "00000BE0"), At(2132, Zeros(1)),
                // Set 0: an analog pair (its secondary 2 x 3 entries further) and
                // the two logic words.
                At(2560, "LWBBWINF\0"s), At(2572, Hex("F0 00 00 00")), At(2592, "SXIIWFMN\0\0"s),
                At(2604, Hex("B9 00 40 00")), At(2608, "SXIIWEDT\0\0"s),
                At(2620, Hex("20 00 10 00 08 00 03 00 03 02 00 00 07 02 00 00 08 02 00 00")),
                At(2658, Hex("01 00 FD") + "sec\0"s),
                // Set 1, the index-1 chunk.
                At(2800, "LWBBWINF\1"s), At(2812, Hex("F0 00 00 00")), At(2832, "SXIIWFMN\1\0"s),
                At(2848, "SXIIWEDT\1\0"s), At(2860, Hex("18 00 10 00 04 00 01 00 03 02 00 01")),
                At(2898, Hex("02 00 FD") + "sec\0"s), At(3040, "LWBBWDAT\0"s), At(3052, Hex("E8 00 00 00 20 00 00 00")),
                At(3072, "LXIIWBLK\0\0"s), At(3084, Hex("60 00 00 00 40 00 00 00")), At(3104, "SX__BLKP"),
                At(3122, Hex("00 00 00 00 04 00 00 00")),
                At(3136, Hex("00 10 10 00 80 00 00 01 00 20 20 00 40 00 00 02")),
                At(3152, Hex("00 30 40 00 20 00 00 03 00 40 80 00 10 00 00 04")), At(3168, "LXIIWBLK\1\0"s),
                At(3180, Hex("48 00 00 00 40 00 00 00")), At(3200, "SX__BLKP"),
                At(3218, Hex("00 00 00 00 02 00 00 00")), At(3232, Hex("0B 0A 01 00 0D 0C 02 00")),
                At(3240, Zeros(32)) } },
        // Type 17 takes 8 slots from unit x 16 + channel and advances by its size.
        { "MEM_run", [] { return RunFile("MEM", 16, false); }, 5504,
            { At(12, "10\0"s), At(4608, "HM\0"s), At(4636, "00001400"), At(4660, "000014F0"), At(5168, "SXIIWEDT\0\0"s),
                At(5180, Hex("18 00 10 00 10 00 01 00 11 10 01 00")), At(5392, "LXIIWBLK"),
                At(5404, Hex("50 00 00 00 40 00 00 00")),
                At(5456, Hex("10 10 11 11 12 12 13 13 14 14 15 15 16 16 17 17")), At(5472, Zeros(32)) } },
        // Types 21 and 22 advance 16 bytes each; type 32 by its byte size.
        { "REC_runs", [] { return RunFile("REC", 8, true); }, 6034,
            { At(12, "11\0"s), At(5120, "HM\0"s), At(5148, "00001600"), At(5172, "000016F0"), At(5680, "SXIIWEDT\0\0"s),
                At(5692, Hex("20 00 10 00 22 00 03 00 15 10 00 08 16 10 00 08 20 02 01 00")), At(5872, "LWBBWDAT\0"s),
                At(5884, Hex("A2 00 00 00")), At(5904, "LXIIWBLK"), At(5916, Hex("62 00 00 00 40 00 00 00")),
                At(5954, Hex("00 00 00 00 01 00 00 00")),
                At(5968, Hex("08 08 09 09 0A 0A 0B 0B 0C 0C 0D 0D 0E 0E 0F 0F")),
                At(5984, Hex("08 00 09 00 0A 00 0B 00 0C 00 0D 00 0E 00 0F 00 CD AB")), At(6002, Zeros(32)) } },
    };
}

class WrittenChunkBytes : public ::testing::TestWithParam<ChunkCase> { };

TEST_P(WrittenChunkBytes, LieWhereTheLayoutPutsThem)
{
    const std::vector<std::uint8_t> file = GetParam().write();
    EXPECT_EQ(file.size(), GetParam().size);
    ExpectPins(file, GetParam().pins);
}

INSTANTIATE_TEST_SUITE_P(
    Family5, WrittenChunkBytes, ::testing::ValuesIn(Cases()), [](const auto& info) { return info.param.name; });

} // namespace
} // namespace kp::test
