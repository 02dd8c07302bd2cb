#include <gtest/gtest.h>

#include "app/ManPage.h"

#include <sstream>

namespace kp {
namespace {

TEST(RoffText, KeepsTextFromBeingReadAsRequestsOrEscapes)
{
    const std::pair<const char*, const char*> cases[] = {
        { ".CSV files", "\\&.CSV files" },
        { "'quoted'", "\\&'quoted'" },
        { "C:\\out", "C:\\eout" },
        { "plain text", "plain text" },
        { "--screen-size 9x9", "\\-\\-screen\\-size 9x9" },
        { "comma-separated, N-th", "comma-separated, N-th" },
        { "kp -CONV A-000.CSV", "kp \\-CONV A\\-000.CSV" },
    };
    for (const auto& [text, roff] : cases)
        EXPECT_EQ(RoffText(text), roff) << text;
}

// Whatever the help says, each line of the page is a request the man macros
// know or a text line.
TEST(ManPage, IsMadeOfKnownRequestsAndTextLines)
{
    std::istringstream lines(ManPage());
    std::string line;
    int sections = 0;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '\'') {
            ADD_FAILURE() << "line \"" << line << "\"";
            continue;
        }
        if (line[0] != '.')
            continue;
        const std::string request = line.substr(0, line.find(' '));
        sections += request == ".SH";
        EXPECT_TRUE(request == ".TH" || request == ".SH" || request == ".PP" || request == ".TP" || request == ".RS"
            || request == ".RE" || request == ".nf" || request == ".fi")
            << line;
    }
    EXPECT_EQ(sections, 8);
}

} // namespace
} // namespace kp
