#include <gtest/gtest.h>

#include "app/CKpCommandLineInfo.h"
#include "app/CommandLineUsage.h"
#include "app/LongOptions.h"

#include <sstream>

namespace kp {
namespace {

struct UnknownCase {
    std::vector<std::string> tokens;
    std::optional<std::string> unknown;
};

class UnknownLongOption : public testing::TestWithParam<UnknownCase> { };

TEST_P(UnknownLongOption, IsTheFirstLongFormNameKpDoesNotKnow)
{
    CKpCommandLineInfo info;
    info.ParseCommandLine(GetParam().tokens);
    EXPECT_EQ(info.UnknownOption(), GetParam().unknown);
    EXPECT_EQ(FirstUnknownLongOption(GetParam().tokens), GetParam().unknown);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, UnknownLongOption,
    testing::Values(UnknownCase { { "--bogus", "A.MEM" }, "--bogus" },
        UnknownCase { { "A.MEM", "--bogus=3", "--worse" }, "--bogus" },
        // The conversion switches have their own forms; "--" is not one of them.
        UnknownCase { { "--CONV", "A.MEM" }, "--CONV" }, UnknownCase { { "--help", "--Help" }, "--Help" },
        UnknownCase { { "--help", "--version", "--screenshot", "a.png", "--screen-size", "800x600" }, std::nullopt },
        UnknownCase { { "-CONV", "A.MEM", "-bogus", "/TAB" }, std::nullopt },
        UnknownCase { { "--", "-", "A.MEM" }, std::nullopt }));

TEST(UnknownLongOption, IsReportedOnOneLineNamingIt)
{
    EXPECT_EQ(UnknownOptionMessage("--bogus"), "kp: unknown option --bogus (see kp --help)\n");
}

TEST(UsageText, ListsEveryLongOptionWithinEightyColumns)
{
    const std::string usage = UsageText();
    for (const LongOption& option : LongOptions())
        EXPECT_NE(usage.find("--" + std::string(option.name)), std::string::npos) << option.name;
    std::istringstream lines(usage);
    std::string line;
    while (std::getline(lines, line))
        EXPECT_LE(line.size(), 79u) << line;
}

} // namespace
} // namespace kp
