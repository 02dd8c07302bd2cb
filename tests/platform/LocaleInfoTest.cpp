#include <gtest/gtest.h>

#include "platform/LocaleInfo.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace kp {
namespace {

void SetLcAll(const char* value)
{
#if defined(_WIN32)
    _putenv_s("LC_ALL", value != nullptr ? value : "");
#else
    if (value != nullptr)
        setenv("LC_ALL", value, 1);
    else
        unsetenv("LC_ALL");
#endif
}

// Runs InitLocaleFromSystem under a chosen LC_ALL and puts the process back
// into the "C" locale afterwards.
class LocaleFromSystem : public testing::Test {
protected:
    void SetUp() override
    {
#if defined(_WIN32)
        GTEST_SKIP() << "Windows takes the user's locale items, not LC_ALL (see LocaleFromWindowsItems)";
#endif
    }

    void TearDown() override
    {
        SetLcAll(saved_ ? saved_->c_str() : nullptr);
        std::setlocale(LC_ALL, "C");
    }

    bool InitUnder(const char* name)
    {
        if (const char* old = std::getenv("LC_ALL"))
            saved_ = old;
        if (std::setlocale(LC_ALL, name) == nullptr)
            return false;
        std::setlocale(LC_ALL, "C");
        SetLcAll(name);
        InitLocaleFromSystem();
        return true;
    }

    ScopedLocale restore_ { LocaleInfo {} };
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
    SetLcAll("xx_NOWHERE.UTF-8");
    InitLocaleFromSystem();
    EXPECT_EQ(Locale().decimalSeparator, '.');
    EXPECT_EQ(Locale().listSeparator, ',');
    EXPECT_EQ(Locale().timeFormat, "HH:mm:ss");
}

TEST(LocaleFromWindowsItems, TakesSingleByteSeparatorsAndWholePictures)
{
    struct Case {
        const char *decimal, *list, *time, *date;
        LocaleInfo expected;
    };
    const Case cases[] = {
        { ",", ";", "HH:mm:ss", "dd.MM.yyyy", { ',', ';', "HH:mm:ss", true, "dd.MM.yyyy" } },
        { ".", ",", "h:mm:ss tt", "M/d/yyyy", { '.', ',', "h:mm:ss tt", false, "M/d/yyyy" } },
        // Unreadable items leave the defaults; the list separator does not
        // follow the decimal separator as on POSIX.
        { ",", "", "", "", { ',', ',', "HH:mm:ss", true, "yyyy/MM/dd" } },
        // Arabic decimal separator (two bytes of UTF-8), separators longer
        // than one character.
        { "\xD9\xAB", "; ", "H.mm", "yyyy'\xE5\xB9\xB4'M'\xE6\x9C\x88'd'\xE6\x97\xA5'",
            { '.', ';', "H.mm", false, "yyyy'\xE5\xB9\xB4'M'\xE6\x9C\x88'd'\xE6\x97\xA5'" } },
    };
    for (const Case& c : cases) {
        const LocaleInfo info = LocaleFromWindowsItems(c.decimal, c.list, c.time, c.date);
        EXPECT_EQ(info.decimalSeparator, c.expected.decimalSeparator) << c.decimal;
        EXPECT_EQ(info.listSeparator, c.expected.listSeparator) << c.list;
        EXPECT_EQ(info.timeFormat, c.expected.timeFormat);
        EXPECT_EQ(info.timeHasSeconds, c.expected.timeHasSeconds) << c.time;
        EXPECT_EQ(info.dateFormat, c.expected.dateFormat);
    }
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
