// The text file layout, byte for byte, for the formats, notations and header
// switches, on small recordings whose every value is an exact binary fraction
// (see ExportRecordings.h for the settings the expected cells follow from).

#include "export/ConvertWaveFile.h"

#include "export/ExportRecordings.h"
#include "platform/LocaleInfo.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace kp {
namespace {

const LocaleInfo kDotLocale { '.', ',', "HH:mm:ss", true };
const LocaleInfo kCommaLocale { ',', ';', "HH:mm:ss", true };

std::string Convert(const synth::Recording& recording, const std::function<void(ConversionRequest&)>& adjust = {})
{
    test::ScratchFolder dir;
    ConversionRequest request;
    request.source = test::WriteExportRecording(recording, dir / "A.MEM");
    request.output = dir / "A.CSV";
    request.showErrors = true;
    if (adjust)
        adjust(request);
    RecordingMessages messages;
    NullProgress progress;
    EXPECT_TRUE(ConvertWaveFile(request, messages, progress));
    EXPECT_TRUE(messages.shown().empty());
    return test::ReadWholeFile(request.output);
}

ExportHeaderOptions Only(bool store, bool channels, bool header, bool time)
{
    ExportHeaderOptions o;
    o.storeInfo = store;
    o.channelInfo = channels;
    o.channelHeader = header;
    o.timeColumn = time;
    return o;
}

TEST(ExportFormat, CsvWithEveryHeaderPart)
{
    ScopedLocale locale(kDotLocale);
    const std::string expected = "\"Test run\"\n"
                                 "\"Shot\",\"Time/DIV\",\"Trig Date\",\"Trig Time\"\n"
                                 "\"8\",\"1s/DIV\",\"24-06-11\",\"12:34:56\"\n"
                                 "\n"
                                 "\"CH\",\"Amp\",\"Range\",\"Comment\",\"Scaling\",\"Ratio\",\"Offset\",\"Filter\"\n"
                                 "\"CH1\",\"4357 analog\",\"1V\",\"probe A\",\"OFF\",\"1\",\"0\",\"OFF\"\n"
                                 "\"CH3\",\"4357 analog\",\"20mV\",\"\",\"ON\",\"2.5\",\"0.25\",\"ON\"\n"
                                 "\"LA\",\"-\",\"-\",\"-\",\"door\",\"-\",\"-\",\"-\",\"-\"\n"
                                 "\n"
                                 "\"Time[s]\",\"CH1[V]\",\"CH3[mV]\",\"LA1\",\"LA2\",\"LA3\",\"LA4\"\n"
                                 "-1.5625000e-002,-7.81250e-001,+2.50000e-001,0,0,0,0\n"
                                 "-7.8125000e-003,-3.90625e-001,+2.75000e+000,1,0,0,0\n"
                                 "0.0000000e+000,+0.00000e+000,+5.25000e+000,0,1,0,0\n"
                                 "7.8125000e-003,+3.90625e-001,+7.75000e+000,1,1,0,0\n"
                                 "1.5625000e-002,+7.81250e-001,+1.02500e+001,0,0,1,0\n"
                                 "2.3437500e-002,+1.17188e+000,+1.27500e+001,1,0,1,0\n"
                                 "3.1250000e-002,+1.56250e+000,+1.52500e+001,0,1,1,0\n"
                                 "3.9062500e-002,+1.95312e+000,+1.77500e+001,1,1,1,0\n";
    EXPECT_EQ(Convert(test::ExportFamily1(8)), expected);
}

TEST(ExportFormat, DecimalCommaLocaleSeparatesWithSemicolons)
{
    ScopedLocale locale(kCommaLocale);
    const std::string expected = "\"CH\";\"Amp\";\"Range\";\"Comment\";\"Scaling\";\"Ratio\";\"Offset\";\"Filter\"\r\n"
                                 "\"CH1\";\"4357 analog\";\"1V\";\"probe A\";\"OFF\";\"1\";\"0\";\"OFF\"\r\n"
                                 "\"CH3\";\"4357 analog\";\"20mV\";\"\";\"ON\";\"2,5\";\"0,25\";\"ON\"\r\n"
                                 "\"LA\";\"-\";\"-\";\"-\";\"door\";\"-\";\"-\";\"-\";\"-\"\r\n"
                                 "\r\n"
                                 "\"Time[s]\";\"CH1[V]\";\"CH3[mV]\";\"LA1\";\"LA2\";\"LA3\";\"LA4\"\r\n"
                                 "-1,5625000e-002;-7,81250e-001;+2,50000e-001;0;0;0;0\r\n"
                                 "-7,8125000e-003;-3,90625e-001;+2,75000e+000;1;0;0;0\r\n"
                                 "0,0000000e+000;+0,00000e+000;+5,25000e+000;0;1;0;0\r\n";
    EXPECT_EQ(Convert(test::ExportFamily1(8),
                  [](ConversionRequest& r) {
                      r.start = 0;
                      r.end = 2;
                      r.crlf = true;
                      r.header = Only(false, true, true, true);
                  }),
        expected);
}

TEST(ExportFormat, SpaceSeparatedPointNotationWithCommentHeaders)
{
    ScopedLocale locale(kDotLocale);
    const std::string expected = "\"Point\" \"probe A[V]\" \"CH3[mV]\" \"LA1\" \"LA2\" \"LA3\" \"LA4\"\n"
                                 "-2 -7.81250e-001 +2.50000e-001 0 0 0 0\n"
                                 "-1 -3.90625e-001 +2.75000e+000 1 0 0 0\n"
                                 "0 +0.00000e+000 +5.25000e+000 0 1 0 0\n"
                                 "1 +3.90625e-001 +7.75000e+000 1 1 0 0\n";
    EXPECT_EQ(Convert(test::ExportFamily1(8),
                  [](ConversionRequest& r) {
                      r.start = 0;
                      r.end = 3;
                      r.format = kFormatSpace;
                      r.notation = 7; // anything above 3 is the point number
                      r.headerType = kHeaderChannelComments;
                      r.header = Only(false, false, true, true);
                  }),
        expected);
}

TEST(ExportFormat, TabSeparatedDataOnlyRowsStartWithTheFirstValue)
{
    ScopedLocale locale(kDotLocale);
    const std::string expected = "-7.81250e-001\t+2.50000e-001\t0\t0\t0\t0\r\n"
                                 "-3.90625e-001\t+2.75000e+000\t1\t0\t0\t0\r\n";
    EXPECT_EQ(Convert(test::ExportFamily1(2),
                  [](ConversionRequest& r) {
                      r.format = kFormatTab;
                      r.crlf = true;
                      r.header = Only(false, false, false, false);
                  }),
        expected);
}

TEST(ExportFormat, HeaderLineWithoutTimeColumnHasNoLeadingSeparator)
{
    ScopedLocale locale(kDotLocale);
    const std::string expected = "\"CH1[V]\",\"CH3[mV]\",\"LA1\",\"LA2\",\"LA3\",\"LA4\"\n"
                                 "-7.81250e-001,+2.50000e-001,0,0,0,0\n";
    EXPECT_EQ(Convert(test::ExportFamily1(1), [](ConversionRequest& r) { r.header = Only(false, false, true, false); }),
        expected);
}

TEST(ExportFormat, MakersFormatAlwaysEndsLinesWithCrLfAndHasNoTimeCell)
{
    ScopedLocale locale(kDotLocale);
    // 100 / (1 s / 128 points x thin-out 3) = 4266.67, rounded.
    const std::string expected = "VORAN5544TXT2\r\n"
                                 "FREQ = 4267\r\n"
                                 "\r\n"
                                 "-7.81250e-001,+2.50000e-001,0,0,0,0\r\n"
                                 "+3.90625e-001,+7.75000e+000,1,1,0,0\r\n";
    EXPECT_EQ(Convert(test::ExportFamily1(5),
                  [](ConversionRequest& r) {
                      r.format = kFormatMakerText;
                      r.crlf = false;
                      r.thinOut = 3;
                  }),
        expected);
}

TEST(ExportFormat, EnvelopeRecordsWriteMaximumThenMinimum)
{
    ScopedLocale locale(kDotLocale);
    // REC has no pre-trigger: the time axis starts at the first point.
    const std::string expected
        = "\"Time[s]\",\"CH1(Max)[V]\",\"CH1(Min)[V]\",\"CH3(Max)[mV]\",\"CH3(Min)[mV]\","
          "\"LA1(OR)\",\"LA1(AND)\",\"LA2(OR)\",\"LA2(AND)\",\"LA3(OR)\",\"LA3(AND)\",\"LA4(OR)\",\"LA4(AND)\"\n"
          "0.0000000e+000,-7.81250e-001,-1.17188e+000,+2.50000e-001,-4.75000e+000,0,0,0,0,0,0,0,0\n"
          "7.8125000e-003,-3.90625e-001,-7.81250e-001,+2.75000e+000,-2.25000e+000,1,1,0,1,0,0,0,0\n"
          "1.5625000e-002,+0.00000e+000,-3.90625e-001,+5.25000e+000,+2.50000e-001,0,0,1,1,0,1,0,0\n";
    EXPECT_EQ(
        Convert(test::ExportFamily1(3, "REC"), [](ConversionRequest& r) { r.header = Only(false, false, true, true); }),
        expected);
}

TEST(ExportFormat, DateAndElapsedTimeNotations)
{
    ScopedLocale locale(kDotLocale);
    const auto date = Convert(test::ExportFamily1(8, "MEM", false), [](ConversionRequest& r) {
        r.end = 3;
        r.notation = kNotationDate;
        r.header = Only(false, false, true, true);
    });
    EXPECT_EQ(date,
        "\"Date\",\"CH1[V]\",\"CH3[mV]\"\n"
        "2024/06/11 12:34:55,-7.81250e-001,+2.50000e-001\n"
        "2024/06/11 12:34:55,-3.90625e-001,+2.75000e+000\n"
        "2024/06/11 12:34:56,+0.00000e+000,+5.25000e+000\n"
        "2024/06/11 12:34:56,+3.90625e-001,+7.75000e+000\n");
    const auto elapsed = Convert(test::ExportFamily1(8, "MEM", false), [](ConversionRequest& r) {
        r.start = 0;
        r.end = 3;
        r.notation = kNotationElapsed;
        r.header = Only(false, false, true, true);
    });
    EXPECT_EQ(elapsed,
        "\"Time\",\"CH1[V]\",\"CH3[mV]\"\n"
        "-15.625ms,-7.81250e-001,+2.50000e-001\n"
        "-7.8125ms,-3.90625e-001,+2.75000e+000\n"
        "0s,+0.00000e+000,+5.25000e+000\n"
        "+7.8125ms,+3.90625e-001,+7.75000e+000\n");
}

TEST(ExportFormat, PulseChannelsFollowTheAnalogChannels)
{
    ScopedLocale locale(kDotLocale);
    // The logger stores its sampling interval: "Interval", and the recording
    // time as the shot.
    const std::string expected = "\"\"\n"
                                 "\"Shot\",\"Interval\",\"Trig Date\",\"Trig Time\"\n"
                                 "\"2s\",\"1s\",\"24-06-11\",\"08:00:00\"\n"
                                 "\n"
                                 "\"CH\",\"Amp\",\"Range\",\"Comment\",\"Scaling\",\"Ratio\",\"Offset\",\"Filter\"\n"
                                 "\"CH1\",\"VOLT\",\"10V\",\"\",\"-\",\"1\",\"0\",\"-\"\n"
                                 "\"P1\",\"-\",\"-\",\"wheel\",\"-\",\"-\",\"-\",\"-\"\n"
                                 "\n"
                                 "\"Time[s]\",\"CH1[V]\",\"P1[rpm]\"\n"
                                 "0.000000000e+000,-5.00000e-001,+1.00000e+000\n"
                                 "1.000000000e+000,+0.00000e+000,+5.01000e+002\n"
                                 "2.000000000e+000,+5.00000e-001,+1.00100e+003\n";
    EXPECT_EQ(Convert(test::ExportFamily3(3)), expected);
}

TEST(ExportFormat, FloatChannelsPrintTheirValues)
{
    ScopedLocale locale(kDotLocale);
    // Floats are physical already; 3e-5f is printed as the float it is.
    const std::string expected = "\"Time[s]\",\"Z1[W]\"\n"
                                 "0.0000000000e+000,+1.5000000e+000\n"
                                 "7.8125000000e-003,-2.5000000e-001\n"
                                 "1.5625000000e-002,+2.9999999e-005\n";
    EXPECT_EQ(Convert(test::ExportFamily6Floats({ 1.5f, -0.25f, 3e-5f }),
                  [](ConversionRequest& r) { r.header = Only(false, false, true, true); }),
        expected);
}

} // namespace
} // namespace kp
