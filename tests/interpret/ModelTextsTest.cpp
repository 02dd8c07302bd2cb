#include <gtest/gtest.h>

#include "format/DurationFormat.h"
#include "support/HeaderBytes.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ModelNamePlaces.h"
#include "wavefile/ModelTables.h"

namespace kp {
namespace {

using synth::RecordBlueprint;
using test::HeaderBytes;

// A loaded header: main record fields over a family-1 4170 default.
CWaveHeadInfo Head(std::map<int, std::string> fields, const std::vector<RecordBlueprint>& records = {})
{
    std::map<int, std::string> all { { 2, "4170" }, { 4, "MEM" }, { 6, "1000" }, { 9, "41700001" }, { 10, "100" } };
    for (auto& [k, v] : fields)
        all[k] = v;
    CWaveHeadInfo head;
    EXPECT_TRUE(head.Load(HeaderBytes(RecordBlueprint { "HW", all, {} }, records)));
    return head;
}

// The 2048-byte old header with the texts given by byte position.
CWaveHeadInfo OldHead(const std::map<std::size_t, std::string>& texts)
{
    std::vector<std::uint8_t> bytes(2048, 0);
    auto put = [&](std::size_t at, const std::string& s) { std::copy(s.begin(), s.end(), bytes.begin() + at); };
    put(0, "VORAN4756");
    put(17, "MEM");
    put(20, "WAVE");
    put(83, "1000");
    for (const auto& [at, text] : texts)
        put(at, text);
    CWaveHeadInfo head;
    EXPECT_TRUE(head.Load(bytes));
    return head;
}

std::vector<std::uint8_t> Ascii(const std::string& s)
{
    return { s.begin(), s.end() };
}

TEST(ModelTables, NamesAndFunctionsToNumbers)
{
    EXPECT_EQ(ModelIdFromName("4756/4229"), 7);
    EXPECT_EQ(ModelIdFromName("4229"), 8);
    EXPECT_EQ(ModelIdFromName("QX5191T"), 16);
    EXPECT_EQ(ModelIdFromName("KKQX-54"), 13);
    EXPECT_EQ(ModelIdFromName("5228-01"), 0);
    EXPECT_EQ(ModelIdFromName(""), 0);
    EXPECT_EQ(FunctionCodeFromText("MEM_RMS"), kFunctionMem);
    EXPECT_EQ(FunctionCodeFromText("R_M"), kFunctionRm);
    EXPECT_EQ(FunctionCodeFromText("RMS_REC"), kFunctionUnknown);
    EXPECT_EQ(FunctionCodeFromText("mem"), kFunctionUnknown);
}

TEST(FunctionMode, FamilyReplacementsBeforeTheLookup)
{
    EXPECT_EQ(Head({ { 4, "MEM_RMS" } }).GetFunctionMode(), kFunctionMem);
    EXPECT_EQ(Head({ { 2, "QX4767" }, { 9, "QX476701" }, { 4, "REALTIME" }, { 15, "ENVELOPE" } }).GetFunctionMode(),
        kFunctionRec);
    EXPECT_EQ(Head({ { 2, "QX4767" }, { 9, "QX476701" }, { 4, "REALTIME" } }).GetFunctionMode(), kFunctionMem);
    EXPECT_EQ(Head({ { 2, "QX3013" }, { 9, "QX301301" }, { 4, "MEM&FFT" } }).GetFunctionMode(), kFunctionMem);
    EXPECT_EQ(Head({ { 2, "4267" }, { 9, "42670001" }, { 4, "RMS_REC" } }).GetFunctionMode(), kFunctionRms);
    EXPECT_EQ(Head({ { 4, "RMS_REC" } }).GetFunctionMode(), kFunctionUnknown);
}

struct TimeCase {
    const char* text;
    double seconds;
};

class TimePerDivText : public ::testing::TestWithParam<TimeCase> { };

TEST_P(TimePerDivText, LeadingIntegerTimesUnit)
{
    const CWaveHeadInfo head = Head({ { 11, GetParam().text }, { 10, "80" } });
    EXPECT_DOUBLE_EQ(head.GetTimePerDiv(), GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(Family1, TimePerDivText,
    ::testing::Values(TimeCase { "500us", 0.0005 }, TimeCase { "2min", 120 }, TimeCase { "1d", 86400 },
        TimeCase { "0.5ms", 0 }, TimeCase { "5ms", 0.005 }, TimeCase { "10ns", 1e-8 }, TimeCase { "1h", 3600 },
        TimeCase { "3hour", 10800 }, TimeCase { "2s", 2 }, TimeCase { "20", 20 }, TimeCase { "EXT", 80 },
        TimeCase { "EXTERNAL", 80 }, TimeCase { "", 0 }, TimeCase { "ms", 0 }));

TEST(TimePerDiv, DisplayTexts)
{
    EXPECT_EQ(Head({ { 11, "500us" } }).GetTimePerDivText(), "500us/DIV");
    EXPECT_EQ(Head({ { 11, "EXT" } }).GetTimePerDivText(), "EXTERNAL");
    EXPECT_TRUE(Head({ { 11, "EXT" } }).IsExternalSampling());
    EXPECT_FALSE(Head({ { 11, "EXTRA" } }).IsExternalSampling());
    // The field as a padded text, and the recorder family's X-Y records,
    // which carry a time/div of their own.
    EXPECT_TRUE(Head({ { 11, " EXTERNAL  " } }).IsExternalSampling());
    EXPECT_TRUE(Head({ { 2, "5228" }, { 9, "52280001" }, { 4, "XYC" }, { 11, "10ms" } }).IsExternalSampling());
    EXPECT_FALSE(Head({ { 2, "5228" }, { 9, "52280001" }, { 4, "MEM" }, { 11, "10ms" } }).IsExternalSampling());
    EXPECT_EQ(Head({ { 11, "" } }).GetTimePerDivText(), "");
}

TEST(TimePerDiv, PointsPerDivisionByFamily)
{
    EXPECT_EQ(Head({ { 10, "250" } }).GetTimeAxisDataNum(), 250);
    // A damaged field never yields a zero divisor.
    EXPECT_EQ(Head({ { 10, "" } }).GetTimeAxisDataNum(), 100);
    EXPECT_EQ(Head({ { 10, "-3" } }).GetTimeAxisDataNum(), 100);
    // Family 3 keeps its ring start in field 10.
    EXPECT_EQ(Head({ { 2, "3019" }, { 9, "30190001" }, { 10, "5000" } }).GetTimeAxisDataNum(), 100);
    const CWaveHeadInfo realtime = Head({ { 2, "QX4767" }, { 9, "QX476701" }, { 4, "REALTIME" }, { 10, "40" } });
    EXPECT_EQ(realtime.GetTimeAxisDataNum(), 40);
    EXPECT_EQ(realtime.GetTimeAxisDataNum(true), 100);
    EXPECT_EQ(Head({ { 2, "QX4767" }, { 9, "QX476701" }, { 4, "HISPEED" }, { 10, "40" } }).GetTimeAxisDataNum(), 100);
    EXPECT_EQ(Head({ { 2, "QX3122" }, { 9, "QX312201" }, { 10, "40" } }).GetTimeAxisDataNum(), 100);
    EXPECT_EQ(Head({ { 2, "QX3013" }, { 9, "QX301301" }, { 10, "40" } }).GetTimeAxisDataNum(), 40);
}

TEST(TimePerDiv, StoredSamplingIntervals)
{
    const CWaveHeadInfo logger = Head({ { 2, "3019" }, { 9, "30190001" }, { 11, "10ms" } });
    EXPECT_TRUE(logger.HasSamplingIntervalText());
    EXPECT_DOUBLE_EQ(logger.GetSamplingInterval(), 0.01);
    EXPECT_DOUBLE_EQ(logger.GetTimePerDiv(), 1.0);
    EXPECT_EQ(logger.GetTimePerDivText(), "10ms");
    EXPECT_DOUBLE_EQ(Head({ { 2, "3019" }, { 9, "30190001" }, { 11, "1min" } }).GetTimePerDiv(), 6000);
    EXPECT_DOUBLE_EQ(Head({ { 2, "3019" }, { 9, "30190001" }, { 11, "0.5h" } }).GetSamplingInterval(), 1800);
    EXPECT_DOUBLE_EQ(Head({ { 2, "3019" }, { 9, "30190001" }, { 11, "2k" } }).GetSamplingInterval(), 2000);

    // The 4267 stores an interval under RMS only.
    const CWaveHeadInfo rms = Head({ { 2, "4267" }, { 9, "42670001" }, { 4, "RMS" }, { 10, "20" }, { 11, "0.5s" } });
    EXPECT_DOUBLE_EQ(rms.GetTimePerDiv(), 10);
    EXPECT_DOUBLE_EQ(rms.GetSamplingInterval(), 0.5);
    const CWaveHeadInfo mem = Head({ { 2, "4267" }, { 9, "42670001" }, { 4, "MEM" }, { 10, "20" }, { 11, "0.5s" } });
    EXPECT_FALSE(mem.HasSamplingIntervalText());
    EXPECT_DOUBLE_EQ(mem.GetTimePerDiv(), 0);

    // Elsewhere the interval follows from the division.
    EXPECT_DOUBLE_EQ(Head({ { 10, "100" }, { 11, "500us" } }).GetSamplingInterval(), 0.000005);
    EXPECT_DOUBLE_EQ(Head({ { 10, "50" }, { 11, "EXT" } }).GetSamplingInterval(), 1);
}

TEST(TimePerDiv, OldHeaderTexts)
{
    using namespace modelplaces;
    auto old = [](const std::string& text) {
        return OldHead({ { kOldTimePerDiv, text }, { kOldPointsPerDiv, "50" } });
    };
    EXPECT_DOUBLE_EQ(old("5ms/DIV").GetTimePerDiv(), 0.005);
    EXPECT_DOUBLE_EQ(old("200us/DIV").GetTimePerDiv(), 0.0002);
    EXPECT_DOUBLE_EQ(old("2min/DIV").GetTimePerDiv(), 120);
    EXPECT_DOUBLE_EQ(old("1hour/DIV").GetTimePerDiv(), 3600);
    EXPECT_DOUBLE_EQ(old("1s/DIV").GetTimePerDiv(), 1);
    EXPECT_DOUBLE_EQ(old("EXT").GetTimePerDiv(), 50);
    EXPECT_EQ(old("5ms/DIV").GetTimePerDivText(), "5ms/DIV");
    EXPECT_EQ(old("EXT").GetTimePerDivText(), "EXTERNAL");
    EXPECT_EQ(old("1s/DIV").GetTimeAxisDataNum(), 50);
}

TEST(ModelName, FamilyRules)
{
    EXPECT_EQ(Head({ { 2, "5228" }, { 9, "52280001" }, { 15, "QX5228-01" } }).GetModelName(), "QX5228-01");
    EXPECT_EQ(Head({ { 2, "5228" }, { 9, "52280001" }, { 15, "QX5228-01" } }).GetModelId(), 13);
    EXPECT_EQ(Head({ { 2, "5228" }, { 9, "52280001" }, { 15, "QX5228-09" } }).GetModelName(), "5228");
    // Only family 6 takes its variant from field 15.
    EXPECT_EQ(Head({ { 2, "4170" }, { 15, "QX3951" } }).GetModelName(), "4170");

    const CWaveHeadInfo renamed = Head({ { 2, "4267" }, { 9, "42670002" } });
    EXPECT_EQ(renamed.GetModelId(), 12);
    EXPECT_EQ(renamed.GetModelName(), "QX4267");
    EXPECT_EQ(Head({ { 2, "4267" }, { 9, "42670001" } }).GetModelName(), "4267");

    const std::vector<RecordBlueprint> hardware { { "HW-001", { { 2, "QX3013-01" }, { 11, "MEMORY" } }, {} } };
    const CWaveHeadInfo f8 = Head({ { 2, "QX3013" }, { 9, "QX301301" } }, hardware);
    EXPECT_EQ(f8.GetModelName(), "QX3013");
    EXPECT_EQ(f8.GetModelName(true, false), "QX3013-01");

    const std::vector<RecordBlueprint> system { { "HS", { { modelplaces::kFamily3LongNameField, "3019-01" } }, {} } };
    EXPECT_EQ(Head({ { 2, "3019" }, { 9, "30190001" } }, system).GetModelName(true, false), "3019-01");
    EXPECT_EQ(Head({ { 2, "3019" }, { 9, "30190001" } }, system).GetModelName(), "3019");
    EXPECT_EQ(Head({ { 2, "3019" }, { 9, "30190001" } }, { { "HS", {}, {} } }).GetModelName(true, false), "3019");

    const CWaveHeadInfo unitless = OldHead({});
    EXPECT_EQ(unitless.GetModelName(), "4756/4229");
    EXPECT_EQ(unitless.GetModelId(), 7);
}

TEST(ModelName, InstrumentNumbers)
{
    using namespace modelplaces;
    const std::vector<RecordBlueprint> hardware { { "HW-001", { { kHardwareNumberField, " 081234567 " } }, {} } };
    EXPECT_EQ(Head({ { 2, "QX3013" }, { 9, "QX301301" } }, hardware).GetModelName(false, true), "QX3013(No.081234567)");

    const std::string number32(32, '7');
    const std::vector<RecordBlueprint> unit6 { { "HPD522801", {}, { { kNumberOffset, Ascii(number32 + "X") } } } };
    EXPECT_EQ(Head({ { 2, "5228" }, { 9, "52280001" } }, unit6).GetInstrumentNumber(), number32);

    const std::vector<RecordBlueprint> unit7 { { "HPF", {}, { { kNumberOffset, Ascii("4767-0042") } } } };
    EXPECT_EQ(Head({ { 2, "QX4767" }, { 9, "QX476701" } }, unit7).GetModelName(false, true), "QX4767(No.4767-0042)");
    // The same record says nothing about a family-1 model other than the 4267.
    EXPECT_EQ(Head({}, unit7).GetModelName(false, true), "4170");

    const std::vector<RecordBlueprint> unit12 { { "HPF01", {}, { { kNumberOffset, Ascii("1234567890ABCDEFGHIJ") } } } };
    EXPECT_EQ(
        Head({ { 2, "4267" }, { 9, "42670002" } }, unit12).GetModelName(false, true), "QX4267(No.1234567890ABCDEF)");

    std::vector<std::uint8_t> utf16;
    for (char16_t c : std::u16string(u"No\u00E9-42"))
        utf16.insert(utf16.end(), { static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c & 0xFF) });
    const std::vector<RecordBlueprint> unit9 { { "HPF", {}, { { kFamily9NumberOffset, utf16 } } } };
    EXPECT_EQ(Head({ { 2, "QX3122" }, { 9, "QX312201" } }, unit9).GetInstrumentNumber(), "No\xC3\xA9-42");

    // No number stored: the name alone.
    EXPECT_EQ(Head({ { 2, "QX3013" }, { 9, "QX301301" } }).GetModelName(true, true), "QX3013");
    EXPECT_EQ(OldHead({}).GetModelName(false, true), "4756/4229");
}

TEST(RecordTexts, FunctionText)
{
    EXPECT_EQ(Head({ { 2, "3518" }, { 9, "35180001" }, { 4, "MEM" } }).GetFunctionText(), "MEM");
    EXPECT_EQ(Head({ { 4, "RMS" }, { 15, "AC" } }).GetFunctionText(), "RMS (AC)");
    EXPECT_EQ(Head({ { 4, "REC" }, { 15, "AC" } }).GetFunctionText(), "REC");
    EXPECT_EQ(Head({ { 2, "QX4767" }, { 9, "QX476701" }, { 4, "REALTIME" }, { 15, "ENVELOPE" } }).GetFunctionText(),
        "REALTIME (ENVELOPE)");
    EXPECT_EQ(Head({ { 2, "QX4767" }, { 9, "QX476701" }, { 4, "HISPEED" }, { 15, "X" } }).GetFunctionText(), "HISPEED");
    const std::vector<RecordBlueprint> realtime { { "HW-001", { { 11, "REALTIME" } }, {} } };
    EXPECT_EQ(Head({ { 2, "QX3013" }, { 9, "QX301301" }, { 4, "MEM" } }, realtime).GetFunctionText(), "REALTIME");
    EXPECT_EQ(Head({ { 2, "QX3013" }, { 9, "QX301301" }, { 4, "MEM&FFT" } }).GetFunctionText(), "MEM&FFT");
    EXPECT_EQ(Head({ { 2, "3019" }, { 9, "30190001" } }).GetFunctionText(), "-");
    EXPECT_EQ(OldHead({ { 17, "RMS" } }).GetFunctionText(), "RMS");
}

TEST(RecordTexts, ShotText)
{
    EXPECT_EQ(Head({ { 2, "3518" }, { 9, "35180001" }, { 5, "20" } }).GetShotText(), "20 DIV");
    EXPECT_EQ(Head({ { 2, "3518" }, { 9, "35180001" }, { 5, "0" } }).GetShotText(), "0");
    EXPECT_EQ(Head({ { 5, "---" }, { 6, "1234" } }).GetShotText(), "A<->B(1234)");
    EXPECT_EQ(Head({ { 5, "" }, { 6, "1234" } }).GetShotText(), "1234");
    EXPECT_EQ(Head({ { 5, "25DIV" } }).GetShotText(), "25DIV");
    EXPECT_EQ(Head({ { 5, "CONT" }, { 6, "77" } }).GetShotText(), "CONT");
    EXPECT_EQ(Head({ { 2, "QX3122" }, { 9, "QX312201" }, { 5, "CONT" }, { 6, "77" } }).GetShotText(), "CONT(77)");

    // Recording time: (points - 1) x interval.
    const CWaveHeadInfo logger = Head({ { 2, "3019" }, { 9, "30190001" }, { 11, "10ms" }, { 6, "1001" } });
    EXPECT_EQ(logger.GetShotText(), FormatDuration(0.01, 1001, false));
    EXPECT_EQ(logger.GetShotText(), "10s");
    const std::vector<RecordBlueprint> realtime { { "HW-001", { { 11, "REALTIME" } }, {} } };
    EXPECT_EQ(
        Head({ { 2, "QX3013" }, { 9, "QX301301" }, { 10, "10" }, { 11, "1s" }, { 6, "601" }, { 5, "---" } }, realtime)
            .GetShotText(),
        "1min");
    EXPECT_EQ(Head({ { 2, "QX3013" }, { 9, "QX301301" }, { 5, "---" }, { 6, "601" } }).GetShotText(), "A<->B(601)");

    EXPECT_EQ(OldHead({ { modelplaces::kOldShot, "  15DIV" } }).GetShotText(), "  15DIV(1000)");
}

} // namespace
} // namespace kp
