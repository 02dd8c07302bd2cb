#include <gtest/gtest.h>

#include "support/HeaderBytes.h"
#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp {
namespace {

using synth::RecordBlueprint;
using test::HeaderBytes;

RecordBlueprint Main(const std::string& model, const std::string& version, const std::string& function = "MEM")
{
    return RecordBlueprint { "HW", { { 2, model }, { 4, function }, { 6, "100" }, { 9, version } }, {} };
}

TEST(HeaderLoad, MainRecordAloneEndsTheHeader)
{
    auto bytes = HeaderBytes(Main("4170", "41700101"), {});
    bytes.resize(bytes.size() + 64, 0xAB); // data follows the header
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(bytes));
    EXPECT_EQ(head.GetHeaderSize(), 512u);
    EXPECT_EQ(head.GetHeaderFamily(), HeaderFamily::Family1);
    EXPECT_EQ(head.GetModelId(), 4);
    EXPECT_EQ(head.GetDataLength(), 100);
}

TEST(HeaderLoad, FamilyComesFromTheVersionTextNotTheModel)
{
    struct Case {
        const char* model;
        const char* version;
        int family;
    } cases[] = {
        { "4170", "5228ABCD", 6 },
        { "5228", "QX4767-1", 7 },
        { "4170", "QX3013", 8 },
        { "4170", "QX3122-01", 9 },
        { "4170", "QX519T01", 9 },
        { "4170", "3518", 0 },
        { "4170", "3384", 2 },
        { "4170", "5303", 3 },
        { "4170", "3945", 5 },
        { "5595", "9999", 1 },
        { "4170", "", 1 },
        { "4170", "QX47", 1 },
    };
    for (const auto& c : cases) {
        CWaveHeadInfo head;
        ASSERT_TRUE(head.Load(HeaderBytes(Main(c.model, c.version), {}))) << c.version;
        EXPECT_EQ(FamilyNumber(head.GetHeaderFamily()), c.family) << c.version;
    }
}

TEST(HeaderLoad, CountsFollowTheFamily)
{
    CWaveHeadInfo head;
    RecordBlueprint main = Main("4170", "4170", "MEM");
    main.fields[26] = "16";
    main.fields[27] = "300"; // more than the 128 units the tables hold
    ASSERT_TRUE(head.Load(HeaderBytes(main, {})));
    EXPECT_EQ(head.GetAnalogCount(), 16);
    EXPECT_EQ(head.GetLogicUnitCount(), 128);
    EXPECT_EQ(head.GetFloatCount(), 0);

    main.fields[41] = "REAL_MEM";
    ASSERT_TRUE(head.Load(HeaderBytes(main, {})));
    EXPECT_EQ(head.GetAnalogCount(), 32);

    RecordBlueprint f8 = Main("QX3013", "QX3013");
    ASSERT_TRUE(head.Load(HeaderBytes(f8, {})));
    EXPECT_EQ(head.GetAnalogCount(), 352);
    EXPECT_EQ(head.GetFloatCount(), 8);
    EXPECT_EQ(head.GetPulseCount(), 2);
    EXPECT_EQ(head.GetLogicUnitCount(), 20);
    EXPECT_EQ(head.GetAuxCount(), 8);

    RecordBlueprint pow = Main("3384", "3384", "POW");
    pow.fields[26] = "4";
    ASSERT_TRUE(head.Load(HeaderBytes(pow, {})));
    EXPECT_EQ(head.GetAnalogCount(), 8);
}

TEST(HeaderLoad, ChannelRecordsLandBySlotAndUnknownTagsAreSkipped)
{
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(HeaderBytes(Main("4170", "4170"),
        {
            { "HC", { { 1, "3" }, { 2, "4357 analog" } }, {} },
            { "HC_02", { { 1, "3" }, { 2, "second" } }, {} },
            { "HXYZ", { { 1, "1" } }, {} },
            { "HC02", { { 1, "4" } }, {} }, // not of this family
            { "HL", { { 1, "L2" } }, {} },
            { "HJ", { { 1, "P1" } }, {} },
            { "HC", { { 1, "353" } }, {} }, // no such slot
            { "HC", { { 1, "0" } }, {} },
        })));
    ASSERT_NE(head.ChannelHeader(2), nullptr);
    EXPECT_EQ(FieldText(*head.ChannelHeader(2), 2), "4357 analog");
    ASSERT_NE(head.ChannelHeader02(2), nullptr);
    EXPECT_EQ(FieldText(*head.ChannelHeader02(2), 2), "second");
    EXPECT_EQ(head.ChannelHeader02(3), nullptr);
    EXPECT_NE(head.LogicHeader(1), nullptr);
    EXPECT_NE(head.PulseHeader(0), nullptr);
    for (int i = 0; i < kChannelHeaderSlots; ++i) {
        if (i != 2) {
            EXPECT_EQ(head.ChannelHeader(i), nullptr) << i;
        }
    }
    EXPECT_EQ(head.ChannelHeader(-1), nullptr);
    EXPECT_EQ(head.ChannelHeader(352), nullptr);
}

TEST(HeaderLoad, FloatHeaderNumbersAtTheLimitAreDropped)
{
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(HeaderBytes(Main("5228", "5228"),
        {
            { "HZ", { { 1, "Z95" } }, {} },
            { "HZ", { { 1, "Z96" } }, {} },
        })));
    EXPECT_NE(head.FloatHeader(94), nullptr);
    EXPECT_EQ(head.FloatHeader(95), nullptr);

    ASSERT_TRUE(head.Load(HeaderBytes(Main("QX3122", "QX3122"),
        {
            { "HR", { { 1, "R2" } }, {} },
            { "HZ", { { 1, "Z1" } }, {} },
            { "HV", { { 1, "V63" } }, {} },
            { "HV", { { 1, "V64" } }, {} },
            { "HC02", { { 1, "5" } }, {} },
            { "HC", { { 1, "5" } }, {} },
        })));
    EXPECT_NE(head.FloatHeader(1), nullptr);
    EXPECT_NE(head.FloatHeader(16), nullptr);
    EXPECT_NE(head.FloatHeader(94), nullptr);
    EXPECT_EQ(head.FloatHeader(95), nullptr);
    EXPECT_NE(head.ChannelHeader(4), nullptr);
    EXPECT_NE(head.ChannelHeader02(4), nullptr);
}

TEST(HeaderLoad, Family8DesignationsOfGpsAndCalculationChannels)
{
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(HeaderBytes(Main("QX3013", "QX3013"),
        {
            { "HC", { { 1, "GPS1" } }, {} },
            { "HC", { { 1, "GPS6" } }, {} },
            { "HC", { { 1, "GPS7" } }, {} },
            { "HC", { { 1, "W2-1" } }, {} },
            { "HC", { { 1, "12" } }, {} },
            { "HW-002", { { 2, "a" } }, {} },
            { "HW-002", { { 2, "b" } }, {} },
        })));
    EXPECT_NE(head.ChannelHeader(240), nullptr);
    for (int s = 246; s < 253; ++s)
        EXPECT_NE(head.ChannelHeader(s), nullptr) << s;
    EXPECT_EQ(head.ChannelHeader(253), nullptr);
    EXPECT_NE(head.ChannelHeader(258), nullptr);
    EXPECT_NE(head.ChannelHeader(11), nullptr);
    ASSERT_EQ(head.GetWaveHeader2Count(), 2);
    EXPECT_EQ(FieldText(*head.WaveHeader2(1), 2), "b");
}

TEST(HeaderLoad, EventMarksBySlotByte)
{
    RecordBlueprint mark1 { "HPE1", {}, { { 8, { '1' } } } };
    RecordBlueprint markC { "HPE", {}, { { 8, { 'C' } } } };
    RecordBlueprint bad { "HPE", {}, { { 8, { 'a' } } } };
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(HeaderBytes(Main("4170", "4170"), { mark1, markC, bad })));
    EXPECT_NE(head.EventMarkHeader(0), nullptr);
    EXPECT_NE(head.EventMarkHeader(2), nullptr);
    int present = 0;
    for (int i = 0; i < 26; ++i)
        present += head.EventMarkHeader(i) != nullptr;
    EXPECT_EQ(present, 2);
}

TEST(HeaderLoad, SavePositionsOfFamily2)
{
    RecordBlueprint hba { "HBA", { { 1, "1" }, { 2, "40" }, { 3, "3" }, { 5, "2" }, { 6, "20" }, { 7, "4" } }, {} };
    RecordBlueprint hbl { "HBL", { { 1, "1" }, { 2, "40" }, { 3, "5" } }, {} };
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(HeaderBytes(Main("3384", "3384"), { hba, hbl })));
    EXPECT_EQ(head.GetChannelDataCount(0), 40);
    EXPECT_EQ(head.GetChannelSavePosition(0), 3 * 512);
    EXPECT_EQ(head.GetChannelDataCount(1), 20);
    EXPECT_EQ(head.GetChannelSavePosition(1), 4 * 512);
    EXPECT_EQ(head.GetChannelSavePosition(2), -1);
    EXPECT_EQ(head.GetLogicSavePosition(0), 5 * 512);
}

TEST(HeaderLoad, OldHeaderOfFamily4)
{
    std::vector<std::uint8_t> bytes(2048 + 16, 0);
    auto put = [&](std::size_t at, const std::string& s) { std::copy(s.begin(), s.end(), bytes.begin() + at); };
    put(0, "VORAN4756");
    put(17, "REC");
    put(20, "WAVE");
    put(83, "1000");
    put(110, "  4");
    put(113, "  2");
    put(256, "4522");
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(bytes));
    EXPECT_EQ(head.GetHeaderFamily(), HeaderFamily::Family4);
    EXPECT_EQ(head.GetHeaderSize(), 2048u);
    EXPECT_EQ(head.GetAnalogCount(), 4);
    EXPECT_EQ(head.GetLogicUnitCount(), 8);
    EXPECT_EQ(head.GetDataLength(), 500); // pairs under REC
    EXPECT_EQ(head.GetModelName(), "4229");
    EXPECT_EQ(head.GetModelId(), 8);
    EXPECT_EQ(head.GetFunctionMode(), 1);
}

TEST(HeaderLoad, TruncatedHeaderIsAShortRead)
{
    auto bytes = HeaderBytes(Main("4170", "4170"), { { "HC", { { 1, "1" } }, {} }, { "HC", { { 1, "2" } }, {} } });
    bytes.resize(bytes.size() - 1);
    CWaveHeadInfo head;
    EXPECT_THROW(head.Load(bytes), ShortReadError);

    // A record count far beyond the file ends at the first missing record.
    RecordBlueprint main = Main("4170", "4170");
    main.fields[1] = "99999999999";
    EXPECT_THROW(head.Load(HeaderBytes(main, {})), ShortReadError);
    EXPECT_THROW(head.Load(std::vector<std::uint8_t>(100, 0)), ShortReadError);
}

TEST(HeaderLoad, NeitherWaveformNorOldHeaderIsInvalid)
{
    std::vector<std::uint8_t> bytes(512, 0);
    bytes[0] = 'H';
    bytes[1] = 'W';
    bytes[2] = 'X'; // "HWX" is not the main tag
    CWaveHeadInfo head;
    EXPECT_FALSE(head.Load(bytes));
    EXPECT_FALSE(head.IsValid());
}

} // namespace
} // namespace kp
