#include <gtest/gtest.h>

#include "platform/LocaleInfo.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace kp {
namespace {

// Runs InitLocaleFromSystem under a chosen LC_ALL and puts the process back
// into the "C" locale afterwards.
class LocaleFromSystem : public testing::Test {
protected:
    void TearDown() override
    {
        if (saved_)
            setenv("LC_ALL", saved_->c_str(), 1);
        else
            unsetenv("LC_ALL");
        std::setlocale(LC_ALL, "C");
    }

    bool InitUnder(const char* name)
    {
        if (const char* old = std::getenv("LC_ALL"))
            saved_ = old;
        if (std::setlocale(LC_ALL, name) == nullptr)
            return false;
        std::setlocale(LC_ALL, "C");
        setenv("LC_ALL", name, 1);
        InitLocaleFromSystem();
        return true;
    }

    ScopedLocale restore_{LocaleInfo{}};
    std::optional<std::string> saved_;
};

TEST_F(LocaleFromSystem, DecimalCommaLocaleGivesSemicolonLists)
{
    if (!InitUnder("de_DE.UTF-8"))
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed (scripts/install-deps.sh generates it)";
    EXPECT_EQ(Locale().decimalSeparator, ',');
    EXPECT_EQ(Locale().listSeparator, ';');
    EXPECT_EQ(Locale().timeFormat, "HH:mm:ss");
    EXPECT_TRUE(Locale().timeHasSeconds);
    EXPECT_EQ(Locale().dateFormat, "dd.MM.yyyy");
}

TEST_F(LocaleFromSystem, TheCLibraryKeepsTheDecimalPoint)
{
    if (!InitUnder("de_DE.UTF-8"))
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    // Header texts are parsed and numbers printed with "." by the C library;
    // only the program's own formatters put in the user's separator.
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 1.5);
    EXPECT_STREQ(buffer, "1.5");
    EXPECT_DOUBLE_EQ(std::strtod("2.25", nullptr), 2.25);
}

TEST_F(LocaleFromSystem, PlainCLocale)
{
    ASSERT_TRUE(InitUnder("C"));
    EXPECT_EQ(Locale().decimalSeparator, '.');
    EXPECT_EQ(Locale().listSeparator, ',');
    EXPECT_EQ(Locale().timeFormat, "HH:mm:ss");
    EXPECT_TRUE(Locale().timeHasSeconds);
}

TEST_F(LocaleFromSystem, AnUnknownLocaleLeavesTheDefaults)
{
    if (const char* old = std::getenv("LC_ALL"))
        saved_ = old;
    setenv("LC_ALL", "xx_NOWHERE.UTF-8", 1);
    InitLocaleFromSystem();
    EXPECT_EQ(Locale().decimalSeparator, '.');
    EXPECT_EQ(Locale().listSeparator, ',');
    EXPECT_EQ(Locale().timeFormat, "HH:mm:ss");
}

TEST(TimePictureFromStrftime, TurnsFieldsIntoLetters)
{
    EXPECT_EQ(TimePictureFromStrftime("%H:%M:%S"), "HH:mm:ss");
    EXPECT_EQ(TimePictureFromStrftime("%T"), "HH:mm:ss");
    EXPECT_EQ(TimePictureFromStrftime("%r"), "hh:mm:ss tt");
    EXPECT_EQ(TimePictureFromStrftime("%I:%M:%S %p"), "hh:mm:ss tt");
    EXPECT_EQ(TimePictureFromStrftime("%l:%M:%S %P %Z"), "h:mm:ss tt ");
    // GNU flags and modifiers.
    EXPECT_EQ(TimePictureFromStrftime("%-I.%M.%S"), "h.mm.ss");
    EXPECT_EQ(TimePictureFromStrftime("%OH:%EM"), "HH:mm");
    // Letters of the letter form that stand as text are quoted.
    EXPECT_EQ(TimePictureFromStrftime("%H h %M"), "HH 'h 'mm");
    EXPECT_EQ(TimePictureFromStrftime("%d.%m.%Y"), "dd.MM.yyyy");
    EXPECT_EQ(TimePictureFromStrftime("%-d.%-m.%y"), "d.M.yy");
    EXPECT_EQ(TimePictureFromStrftime("%"), "%");
    EXPECT_EQ(TimePictureFromStrftime("%-"), "");
}

} // namespace
} // namespace kp
