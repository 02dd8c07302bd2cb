#include <gtest/gtest.h>

#include "app/CKpCommandLineInfo.h"

namespace kp {
namespace {

CKpCommandLineInfo Parse(const std::vector<std::string>& tokens)
{
    CKpCommandLineInfo info;
    info.ParseCommandLine(tokens);
    return info;
}

TEST(CKpCommandLineInfo, NoArgumentsOpensAnEmptyDocument)
{
    const auto info = Parse({});
    EXPECT_EQ(info.GetShellCommand(), CKpCommandLineInfo::ShellCommand::FileNew);
    EXPECT_TRUE(info.GetFileName().empty());
    EXPECT_FALSE(info.Lookup("CONV"));
}

TEST(CKpCommandLineInfo, SwitchesTakeTheFollowingPlainToken)
{
    // Absolute paths as the system's shell passes them (on Windows every "/"
    // token is a switch).
#if defined(_WIN32)
    const std::string source = "C:\\data\\A.MEM", dest = "D:\\out";
#else
    const std::string source = "/data/A.MEM", dest = "/out";
#endif
    const auto info = Parse({ "/CONV", source, "/DEST", dest });
    EXPECT_EQ(info.Lookup("CONV"), source);
    EXPECT_EQ(info.Lookup("DEST"), dest);
    EXPECT_TRUE(info.HasValue("CONV"));
    // The plain tokens also go to the standard parsing: the first is the file.
    EXPECT_EQ(info.GetShellCommand(), CKpCommandLineInfo::ShellCommand::FileOpen);
    EXPECT_EQ(info.GetFileName(), source);
}

TEST(CKpCommandLineInfo, SwitchFollowedBySwitchKeepsTrue)
{
    const auto info = Parse({ "-CONV", "-TAB", "A.MEM" });
    EXPECT_EQ(info.Lookup("CONV"), "TRUE");
    EXPECT_FALSE(info.HasValue("CONV"));
    EXPECT_EQ(info.Lookup("TAB"), "A.MEM");
}

TEST(CKpCommandLineInfo, PlainTokenAfterAFilledSwitchIsOnlyAFileName)
{
    const auto info = Parse({ "B.MEM", "-CONV", "A.MEM", "C.MEM" });
    EXPECT_EQ(info.Lookup("CONV"), "A.MEM");
    EXPECT_EQ(info.GetFileName(), "B.MEM");
}

TEST(CKpCommandLineInfo, LastSwitchWithoutValueIsTrue)
{
    const auto info = Parse({ "/CONV" });
    EXPECT_EQ(info.Lookup("CONV"), "TRUE");
    EXPECT_FALSE(info.HasValue("CONV"));
    EXPECT_EQ(info.GetShellCommand(), CKpCommandLineInfo::ShellCommand::FileNew);
}

TEST(CKpCommandLineInfo, RepeatedSwitchStartsOverWithoutValue)
{
    const auto info = Parse({ "-DEST", "/a", "-DEST" });
    EXPECT_EQ(info.Lookup("DEST"), "TRUE");
    EXPECT_FALSE(info.HasValue("DEST"));
}

TEST(CKpCommandLineInfo, SwitchNamesAreCaseSensitive)
{
    const auto info = Parse({ "-conv", "A.MEM" });
    EXPECT_FALSE(info.Lookup("CONV"));
    EXPECT_EQ(info.Lookup("conv"), "A.MEM");
}

#if !defined(_WIN32)
TEST(CKpCommandLineInfo, SlashStartsASwitchOnlyForKnownNames)
{
    // An absolute path is a plain token, even one that looks like a switch in
    // another case or with more after the name.
    const auto info = Parse({ "/home/me/A.MEM", "/conv", "/CONVX", "/TAB" });
    EXPECT_EQ(info.GetFileName(), "/home/me/A.MEM");
    EXPECT_FALSE(info.Lookup("home/me/A.MEM"));
    EXPECT_FALSE(info.Lookup("conv"));
    EXPECT_FALSE(info.Lookup("CONVX"));
    EXPECT_EQ(info.Lookup("TAB"), "TRUE");

    for (std::string_view name : kConversionSwitchNames) {
        const auto one = Parse({ "/" + std::string(name) });
        EXPECT_EQ(one.Lookup(std::string(name)), "TRUE") << name;
    }
}

TEST(CKpCommandLineInfo, DashAlwaysStartsASwitch)
{
    const auto info = Parse({ "-anything", "-", "/x" });
    EXPECT_EQ(info.Lookup("anything"), "TRUE");
    // "-anything" was followed by the switch "-", so "/x" went to nobody's value.
    EXPECT_EQ(info.GetFileName(), "/x");
}
#endif

TEST(CKpCommandLineInfo, HelpAndVersionAreNotSwitches)
{
    const auto info = Parse({ "--help", "--version", "A.MEM" });
    EXPECT_TRUE(info.HelpRequested());
    EXPECT_TRUE(info.VersionRequested());
    EXPECT_FALSE(info.Lookup("-help"));
    EXPECT_EQ(info.GetFileName(), "A.MEM");
}

TEST(CKpCommandLineInfo, ParsesArgvWithoutTheProgramName)
{
    const char* argv[] = { "kp", "-CONV", "A.MEM" };
    CKpCommandLineInfo info;
    info.ParseCommandLine(3, argv);
    EXPECT_EQ(info.Lookup("CONV"), "A.MEM");
    EXPECT_FALSE(info.Lookup("kp"));
}

} // namespace
} // namespace kp
