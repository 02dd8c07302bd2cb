#include "export/ExportHeaderSection.h"

#include "platform/LocaleInfo.h"

#include <gtest/gtest.h>

namespace kp {
namespace {

TEST(ExportHeaderSection, ChannelLinesOfEveryKind)
{
    ScopedLocale locale({ ',', ';', "HH:mm:ss", true });
    ExportHeaderTexts texts;
    using Kind = ChannelInfoLine::Kind;
    texts.channels = {
        { Kind::Full, "CH1", "VOLT", "1V", "in", "ON", "1.5", "-0.25", "OFF", 'A' },
        { Kind::NoFilter, "CH2", "CALC", "-", "sum", "OFF", "1", "0", "ignored", 'A' },
        { Kind::NameComment, "Z1", "x", "x", "power", "x", "x", "x", "x", 'A' },
        { Kind::LogicUnit, "", "", "", "door", "", "", "", "", 'C' },
    };
    ExportHeaderOptions options;
    options.storeInfo = false;
    options.channelHeader = false;
    EXPECT_EQ(RenderExportHeader(texts, MakeTextStyle(0, false), options, 0, 1),
        "\"CH\";\"Amp\";\"Range\";\"Comment\";\"Scaling\";\"Ratio\";\"Offset\";\"Filter\"\n"
        "\"CH1\";\"VOLT\";\"1V\";\"in\";\"ON\";\"1,5\";\"-0,25\";\"OFF\"\n"
        "\"CH2\";\"CALC\";\"-\";\"sum\";\"OFF\";\"1\";\"0\";\"-\"\n"
        "\"Z1\";\"-\";\"-\";\"power\";\"-\";\"-\";\"-\";\"-\"\n"
        "\"LC\";\"-\";\"-\";\"-\";\"door\";\"-\";\"-\";\"-\";\"-\"\n"
        "\n");
}

TEST(ExportHeaderSection, StoreInformationIsTrimmedAndQuoted)
{
    ScopedLocale locale({ '.', ',', "HH:mm:ss", true });
    ExportHeaderTexts texts;
    texts.title = "  Run 7\t";
    texts.shot = " 1000 ";
    texts.interval = "10ms ";
    texts.trigDate = "24-06-11";
    texts.trigTime = " 12:00:00";
    texts.intervalLabel = true;
    ExportHeaderOptions options;
    options.channelInfo = false;
    options.channelHeader = false;
    EXPECT_EQ(RenderExportHeader(texts, MakeTextStyle(2, true), options, 0, 1),
        "\"Run 7\"\r\n"
        "\"Shot\"\t\"Interval\"\t\"Trig Date\"\t\"Trig Time\"\r\n"
        "\"1000\"\t\"10ms\"\t\"24-06-11\"\t\"12:00:00\"\r\n"
        "\r\n");
}

TEST(ExportHeaderSection, MakerFormatFrequencyIsClipped)
{
    EXPECT_EQ(MakerFormatFrequency(0.001, 1), 100000);
    EXPECT_EQ(MakerFormatFrequency(0.001, 3), 33333);
    EXPECT_EQ(MakerFormatFrequency(0.0, 1), 1);
    EXPECT_EQ(MakerFormatFrequency(1e-12, 1), 1000000000);
    EXPECT_EQ(MakerFormatFrequency(1e6, 1), 1);
}

} // namespace
} // namespace kp
