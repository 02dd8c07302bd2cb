#include <gtest/gtest.h>

#include "app/CKpCommandLineInfo.h"
#include "app/ConversionSwitches.h"

#include <ostream>

namespace kp {
namespace {

ConversionSwitches Read(const std::vector<std::string>& tokens, const std::string& saveFolder = "/saved")
{
    CKpCommandLineInfo info;
    info.ParseCommandLine(tokens);
    return ReadConversionSwitches(info, saveFolder);
}

TEST(ConversionSwitches, DefaultsOfTheCommandLine)
{
    const auto s = Read({ "-CONV", "A.MEM" });
    EXPECT_EQ(s.source, "A.MEM");
    EXPECT_EQ(s.folder, "/saved");
    EXPECT_EQ(s.thinOut, 1);
    EXPECT_EQ(s.format, kFormatCsv);
    // Unlike the interactive default, the command line writes CR LF and the
    // event information unless told otherwise.
    EXPECT_TRUE(s.crlf);
    EXPECT_EQ(s.notation, kNotationSeconds);
    EXPECT_EQ(s.header, (ExportHeaderOptions { true, true, true, true, true }));
    EXPECT_EQ(s.headerType, kHeaderChannelNumbers);
}

TEST(ConversionSwitches, DestReplacesTheSaveFolder)
{
#if defined(_WIN32)
    const std::string dest = "D:\\out";
#else
    const std::string dest = "/out";
#endif
    EXPECT_EQ(Read({ "-CONV", "A.MEM", "-DEST", dest }).folder, dest);
}

struct ThinOutCase {
    const char* text;
    int expected;
};

void PrintTo(const ThinOutCase& c, std::ostream* os)
{
    *os << '"' << c.text << "\" -> " << c.expected;
}

class ThinOutText : public testing::TestWithParam<ThinOutCase> { };

TEST_P(ThinOutText, IsADecimalPrefixLimitedToTheRange)
{
    EXPECT_EQ(ParseThinOut(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(ConversionSwitches, ThinOutText,
    testing::Values(ThinOutCase { "0", 1 }, ThinOutCase { "abc", 1 }, ThinOutCase { "20000", 1 },
        ThinOutCase { "10000", 10000 }, ThinOutCase { "10001", 1 }, ThinOutCase { "1", 1 },
        ThinOutCase { "  +25x", 25 }, ThinOutCase { "-5", 1 }, ThinOutCase { "", 1 }, ThinOutCase { "TRUE", 1 },
        ThinOutCase { "7.9", 7 }, ThinOutCase { "+-3", 1 }, ThinOutCase { "99999999999999999999999", 1 }));

TEST(ConversionSwitches, ThinOutFromTheCommandLine)
{
    EXPECT_EQ(Read({ "-CONV", "A.MEM", "-THINOUT", "10000" }).thinOut, 10000);
    EXPECT_EQ(Read({ "-CONV", "A.MEM", "-THINOUT", "20000" }).thinOut, 1);
    EXPECT_EQ(Read({ "-CONV", "A.MEM", "-THINOUT" }).thinOut, 1);
}

TEST(ConversionSwitches, GroupsAreDecidedByTheTableNotTheCommandLine)
{
    EXPECT_EQ(Read({ "-CONV", "A", "/SPACE", "/CSV" }).format, kFormatSpace);
    EXPECT_EQ(Read({ "-CONV", "A", "/CSV", "/SPACE" }).format, kFormatSpace);
    EXPECT_EQ(Read({ "-CONV", "A", "/TAB", "/SPACE", "/CSV" }).format, kFormatTab);
    EXPECT_TRUE(Read({ "-CONV", "A", "/CRLF", "/LF" }).crlf);
    EXPECT_FALSE(Read({ "-CONV", "A", "/LF" }).crlf);
    EXPECT_EQ(Read({ "-CONV", "A", "/POINT", "/SEC" }).notation, kNotationPoint);
    EXPECT_EQ(Read({ "-CONV", "A", "/TIME", "/DATE" }).notation, kNotationElapsed);
    EXPECT_EQ(Read({ "-CONV", "A", "/DATE" }).notation, kNotationDate);
    EXPECT_EQ(Read({ "-CONV", "A", "/CHHEADCOMM", "/CHHEADNO" }).headerType, kHeaderChannelComments);
}

TEST(ConversionSwitches, EachHeaderSwitchTurnsOffItsPart)
{
    EXPECT_EQ(Read({ "-CONV", "A", "/NOSTOREHEAD" }).header, (ExportHeaderOptions { false, true, true, true, true }));
    EXPECT_EQ(Read({ "-CONV", "A", "/NOCHINFO" }).header, (ExportHeaderOptions { true, false, true, true, true }));
    EXPECT_EQ(Read({ "-CONV", "A", "/NOCHHEAD" }).header, (ExportHeaderOptions { true, true, false, true, true }));
    EXPECT_EQ(Read({ "-CONV", "A", "/NOEVENT" }).header, (ExportHeaderOptions { true, true, true, false, true }));
    EXPECT_EQ(Read({ "-CONV", "A", "/NOTIMEVALUE" }).header, (ExportHeaderOptions { true, true, true, true, false }));
}

TEST(ConversionSwitches, NoHeadKeepsTheTimeColumn)
{
    EXPECT_EQ(Read({ "-CONV", "A", "/NOHEAD" }).header, (ExportHeaderOptions { false, false, false, false, true }));
    EXPECT_EQ(Read({ "-CONV", "A", "/NOTIMEVALUE", "/NOHEAD" }).header,
        (ExportHeaderOptions { false, false, false, false, false }));
}

} // namespace
} // namespace kp
