#include <gtest/gtest.h>

#include "platform/TerminalProgress.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

namespace kp {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

std::string Contents(std::FILE* f)
{
    std::fflush(f);
    std::rewind(f);
    std::string text;
    int c;
    while ((c = std::fgetc(f)) != EOF)
        text += static_cast<char>(c);
    return text;
}

TEST(TerminalProgress, WritesNothingWhenNotATerminal)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::tmpfile());
    ASSERT_TRUE(file);
    {
        TerminalProgress progress(file.get(), false);
        progress.begin("Converting...", "a -> b", 10);
        for (int i = 0; i < 10; ++i)
            EXPECT_TRUE(progress.step());
        progress.end();
    }
    EXPECT_EQ(Contents(file.get()), "");
}

TEST(TerminalProgress, RedrawsOneLineOnlyWhenThePercentageChanges)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::tmpfile());
    ASSERT_TRUE(file);
    TerminalProgress progress(file.get(), true);
    progress.begin("Converting...", "a -> b", 1000);
    EXPECT_EQ(progress.Line(), "Converting... [" + std::string(40, ' ') + "]   0 %");
    for (int i = 0; i < 500; ++i)
        progress.step();
    EXPECT_EQ(progress.Line(), "Converting... [" + std::string(20, '#') + std::string(20, ' ') + "]  50 %");
    for (int i = 0; i < 600; ++i)
        progress.step();
    EXPECT_EQ(progress.Line(), "Converting... [" + std::string(40, '#') + "] 100 %");
    progress.end();

    const std::string text = Contents(file.get());
    // One draw at the start and one per percent, then the line is blanked.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 1 + 100 + 2);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    const std::string tail = "\r" + std::string(progress.Line().size(), ' ') + "\r";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(TerminalProgress, PositionBeyondTheRangeShowsFull)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::tmpfile());
    TerminalProgress progress(file.get(), true);
    progress.begin("T", "", 0);
    EXPECT_NE(progress.Line().find("  0 %"), std::string::npos);
    progress.begin("T", "", 4);
    progress.setPosition(9);
    EXPECT_NE(progress.Line().find("100 %"), std::string::npos);
}

} // namespace
} // namespace kp
