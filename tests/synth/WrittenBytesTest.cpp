// Headers and samples of families 4 and 6-9 as the recording writer lays
// them down, at the byte places the published layouts give, written out here
// by hand rather than taken from the layout constants the reader shares.
#include <gtest/gtest.h>

#include <functional>

#include "support/BytePins.h"
#include "synth/RecordingWriter.h"

namespace kp::test {
namespace {

using namespace std::string_literals;
using synth::Recording;

struct WrittenCase {
    std::string name;
    std::function<Recording()> make;
    std::size_t size;
    std::vector<BytePin> pins;
};

std::ostream& operator<<(std::ostream& os, const WrittenCase& c)
{
    return os << c.name;
}

Recording Blank(const std::string& model, const std::string& function, std::int64_t length)
{
    Recording r;
    r.model = model;
    r.function = function;
    r.dataLength = length;
    return r;
}

std::vector<WrittenCase> Cases()
{
    return {
        // Old header: channel i of the saved ones starts at 2048 + 2 x b x L x i;
        // stored = code + 2048, or + 727 under a "4522" unit; logic words are
        // nibble-reversed and byte-swapped.
        { "F4_MEM",
            [] {
                Recording r = Blank("4756", "MEM", 2);
                r.analog
                    = { { 0, {}, {}, { 0x0005, 0xFFFF }, {} }, { 2, { { 2, "4522" } }, {}, { 0x0010, 0x8000 }, {} } };
                r.logicUnits = { { 1, {}, { 0x3, 0x8 }, {} } };
                return r;
            },
            2060,
            { At(0, "VORAN4756"), At(17, "MEM"), At(67, "100"), At(83, "2\0"s), At(110, "  3  1"), At(116, "101\0"s),
                At(288, "4522"), At(2048, Hex("08 05 07 FF")), At(2052, Hex("02 E7 82 D7")),
                At(2056, Hex("00 03 00 08")) } },
        // Pairs: the length text counts both values; logic block 1 follows block 0
        // as d = primary, q = primary AND NOT secondary.
        { "F4_REC",
            [] {
                Recording r = Blank("4756", "REC", 1);
                r.analog = { { 1, {}, {}, { 0x0001 }, { 0xFFFE } } };
                r.logicUnits = { { 5, {}, { 0xC }, { 0x4 } } };
                return r;
            },
            2060,
            { At(17, "REC"), At(83, "2\0"s), At(110, "  2  2"), At(116, "01\0"s), At(2048, Hex("08 01 07 FE")),
                At(2052, Hex("00 00 00 00 00 0C 00 08")) } },
        // Positions in order (a "LOGIC" position gives the high half at even
        // points, the low half at odd ones), then one nibble-reversed word per
        // block of 4 units, then the floats of every point. Event marks: an
        // "HPE" record with its slot letter at byte 8, the count in field 1,
        // the positions from field 2.
        { "F6_MEM",
            [] {
                Recording r = Blank("5228", "MEM", 2);
                r.version = "52280102";
                r.analog = { { 0, {}, {}, { 0x1234, 0xFEDC }, {} }, { 2, {}, {}, { 0x0001, 0x8000 }, {} } };
                r.logicWords = { { 1, {}, { 0xAABBCCDDu, 0xAABBCCDDu }, {} } };
                r.logicUnits = { { 0, {}, { 0x1, 0x8 }, {} }, { 5, {}, { 0x2, 0x4 }, {} } };
                r.floats = { { 3, {}, { 1.0f, -2.5f }, {} } };
                r.events = { 1, 0 };
                return r;
            },
            4124,
            { At(0, "HW\0"s), At(12, "8\0"s), At(24, "5228\0"s), At(48, "MEM\0"s), At(72, "2\0"s),
                At(108, "52280102\0"s), At(312, "3\0"s), In("HC", "2", 192, "LOGIC\0"s), In("HC", "3", 0, "HC\0"s),
                In("HL", "L6", 0, "HL\0"s), In("HZ", "Z4", 0, "HZ\0"s),
                At(4096, Hex("12 34 AA BB 00 01 10 00 02 00 FE DC CC DD 80 00 80 00 04 00")),
                At(4116, Hex("3F 80 00 00 C0 20 00 00")), In("HPE", "", 8, "A"), In("HPE", "", 12, "2\0"s),
                In("HPE", "", 24, "1\0"s), In("HPE", "", 36, "0\0"s) } },
        // Block 0 holds no saved unit and is left out; block 1 still takes the
        // high half.
        { "F6_REC",
            [] {
                Recording r = Blank("5228", "REC", 1);
                r.analog = { { 0, {}, {}, { 0x0102 }, { 0x0304 } } };
                r.logicUnits = { { 4, {}, { 0x1 }, { 0x6 } } };
                return r;
            },
            1544,
            { At(12, "3\0"s), At(312, "1\0"s), In("HL", "L5", 0, "HL\0"s), At(1536, Hex("01 02 03 04 10 00 60 00")) } },
        { "F7_MEM",
            [] {
                Recording r = Blank("QX4767", "MEM", 2);
                r.analog = { { 0, {}, {}, { 0x0102, 0xF00F }, {} }, { 3, {}, {}, { 0x7FFF, 0x8001 }, {} } };
                r.logicUnits = { { 0, {}, { 0x5, 0xA }, {} }, { 2, {}, { 0x9, 0x3 }, {} } };
                return r;
            },
            2572,
            { At(12, "5\0"s), At(108, "QX4767\0"s), At(312, "4\0"s), At(324, "4\0"s), In("HC", "4", 0, "HC\0"s),
                In("HL", "L3", 0, "HL\0"s), At(2560, Hex("01 02 7F FF 09 05 F0 0F 80 01 03 0A")) } },
        // All primaries with their logic word, then all secondaries with theirs.
        { "F7_REC",
            [] {
                Recording r = Blank("QX4767", "REC", 1);
                r.analog = { { 1, {}, {}, { 0x1111 }, { 0x2222 } } };
                r.logicUnits = { { 1, {}, { 0xF }, { 0x3 } } };
                return r;
            },
            1544, { At(12, "3\0"s), At(48, "REC\0"s), At(312, "2\0"s), At(1536, Hex("11 11 00 F0 22 22 00 30")) } },
        // Map entry: "1", letter, width, unit, 2 channel digits ("G" from 2), 3
        // spare, offset in 16-bit words; frame size in field 8 of "HW-001";
        // event marks in "HE-QX3013" records.
        { "F8_MEM",
            [] {
                Recording r = Blank("QX3013", "MEM", 2);
                r.frameSlack = 2;
                r.analog = { { 16, {}, {}, { 0x0102, 0x0304 }, {} } };
                r.logicWords = { { 5, {}, { 0x0A0B0C0Du, 0x01010101u }, {} },
                    { 241, {}, { 0x12345678u, 0x9ABCDEF0u }, {} }, { 259, {}, { 0xDEADBEEFu, 0x01020304u }, {} } };
                r.logicUnits = { { 0, {}, { 0x1, 0x2 }, {} }, { 6, {}, { 0x4, 0x8 }, {} } };
                r.pulses = { { 1, {}, { 0xBEEF, 0x0001 } } };
                r.floats = { { 2, {}, { 0.5f, -1.0f }, {} } };
                r.events = { 1, 0 };
                return r;
            },
            6196,
            { At(12, "12\0"s), In("HW-001", "", 96, "26\0"s), In("HW-002", "", 24, "1A110100011\0"s),
                In("HW-002", "", 36, "1A200500009\0"s), In("HW-002", "", 48, "1G100300007\0"s),
                In("HW-002", "", 60, "1W110100005\0"s), In("HW-002", "", 72, "1I100000004\0"s),
                In("HW-002", "", 84, "1C100000003\0"s), In("HW-002", "", 96, "1P100100002\0"s),
                In("HW-002", "", 108, "1S100200000\0"s), In("HW-002", "", 120, "\0"s), In("HC", "17", 0, "HC\0"s),
                In("HC", "6", 0, "HC\0"s), In("HC", "GPS2", 0, "HC\0"s), In("HC", "W2-2", 0, "HC\0"s),
                In("HJ", "P2", 0, "HJ\0"s), In("HL", "INTL1", 0, "HL\0"s), In("HL", "1-3", 0, "HL\0"s),
                In("HZ", "Z3", 0, "HZ\0"s), In("HE-QX3013", "", 12, "2\0"s), In("HE-QX3013", "", 24, "1\0"s),
                In("HE-QX3013", "", 36, "0\0"s),
                At(6144,
                    Hex("3F 00 00 00 BE EF 00 40 10 00 DE AD BE EF 12 34 56 78 0A 0B 0C 0D 01 02 00 00 "
                        "BF 80 00 00 00 01 00 80 20 00 01 02 03 04 9A BC DE F0 01 01 01 01 03 04 00 00")) } },
        // Map entry: letter, unit and channel from 1, spare, "2" for a 32-bit
        // unit, spare, byte offset; the second value of a pair right after
        // the first; frame size in field 4 of "HW00".
        { "F9_REC",
            [] {
                Recording r = Blank("QX3122", "REC", 1);
                r.analog = { { 9, {}, {}, { 0x1234 }, { 0x5678 } } };
                r.logicWords = { { 3, {}, { 0x11223344u }, { 0x55667788u } } };
                r.logicUnits = { { 2, {}, { 0x6 }, { 0x2 } } };
                r.floats = { { 33, {}, { 2.0f }, { -0.25f } } };
                return r;
            },
            3608,
            { At(12, "7\0"s), At(48, "REC\0"s), In("HW00", "", 48, "24\0"s), In("HW01", "", 24, "A0202010020\0"s),
                In("HW01", "", 36, "A0104020012\0"s), In("HW01", "", 48, "H0101010008\0"s),
                In("HW01", "", 60, "V0102010000\0"s), In("HW01", "", 72, "\0"s), In("HC", "10", 0, "HC\0"s),
                In("HC", "4", 0, "HC\0"s), In("HL", "L3", 0, "HL\0"s), In("HV", "V2", 0, "HV\0"s),
                At(3584, Hex("40 00 00 00 BE 80 00 00 00 60 00 20 11 22 33 44 55 66 77 88 12 34 56 78")) } },
        { "F9_MEM",
            [] {
                Recording r = Blank("QX3122", "MEM", 1);
                r.version = "QX3122-01";
                r.frameSlack = 3;
                r.analog = { { 255, {}, {}, { 0xCAFE }, {} } };
                r.floats = { { 0, {}, { 1.5f }, {} }, { 16, {}, { -3.0f }, {} } };
                return r;
            },
            3085,
            { At(12, "6\0"s), In("HW00", "", 48, "13\0"s), In("HW01", "", 24, "A3208010008\0"s),
                In("HW01", "", 36, "W0101010004\0"s), In("HW01", "", 48, "Z0101010000\0"s), In("HC", "256", 0, "HC\0"s),
                In("HR", "R1", 0, "HR\0"s), In("HZ", "Z1", 0, "HZ\0"s),
                At(3072, Hex("C0 40 00 00 3F C0 00 00 CA FE 00 00 00")) } },
    };
}

class WrittenBytes : public ::testing::TestWithParam<WrittenCase> { };

TEST_P(WrittenBytes, LieWhereTheLayoutPutsThem)
{
    const std::vector<std::uint8_t> file = synth::WriteRecording(GetParam().make());
    EXPECT_EQ(file.size(), GetParam().size);
    ExpectPins(file, GetParam().pins);
}

INSTANTIATE_TEST_SUITE_P(
    Families4To9, WrittenBytes, ::testing::ValuesIn(Cases()), [](const auto& info) { return info.param.name; });

} // namespace
} // namespace kp::test
