#include <gtest/gtest.h>

#include "view/AboutText.h"
#include "view/CommandTable.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

namespace kp {
namespace {

TEST(CommandTable, NoTwoCommandsShareAKey)
{
    std::map<std::string, std::string> owner;
    for (const CommandEntry& e : KpCommands()) {
        for (const std::string& key : e.keys) {
            const auto [it, inserted] = owner.emplace(key, std::string(e.label));
            EXPECT_TRUE(inserted) << key << " belongs to " << it->second << " and " << e.label;
        }
    }
}

TEST(CommandTable, ChannelKeysRunThroughTheDigitRowBankByBank)
{
    const std::pair<int, const char*> analog[]
        = { { 0, "1" }, { 9, "0" }, { 10, "Shift+1" }, { 29, "Ctrl+0" }, { 31, "Ctrl+Shift+2" } };
    for (const auto& [n, key] : analog)
        EXPECT_EQ(AnalogChannelKey(n), key) << n;
    EXPECT_EQ(LogicUnitKey(9), "Alt+0");
    EXPECT_EQ(LogicUnitKey(15), "Alt+Shift+6");
}

TEST(CommandTable, PlainLabelsDropTheMnemonicOnly)
{
    EXPECT_EQ(PlainLabel("Save Between &Cursors..."), "Save Between Cursors...");
    EXPECT_EQ(PlainLabel("Fish && &Chips"), "Fish & Chips");
    EXPECT_EQ(PlainLabel("Trailing&"), "Trailing&");
}

// One row per command in both renderings, the runs of ten keys shortened.
TEST(CommandTable, RendersOneRowPerCommand)
{
    const std::size_t commands = KpCommands().size();
    const std::string text = ShortcutsText();
    const std::string markdown = ShortcutsMarkdown();
    EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')), commands + 1);
    EXPECT_EQ(static_cast<std::size_t>(std::count(markdown.begin(), markdown.end(), '\n')), commands + 2);
    EXPECT_NE(markdown.find("| Channel > Analog | CH11 ... CH20 | Shift+1 ... Shift+9, Shift+0 |\n"), std::string::npos)
        << markdown;
    EXPECT_NE(markdown.find("| File | Save Between Cursors... | Ctrl+Shift+S |\n"), std::string::npos);
    EXPECT_EQ(markdown.find('&'), std::string::npos);
    // The plain text's columns line up: every key column starts where the header's does.
    std::istringstream lines(text);
    std::string header, line;
    std::getline(lines, header);
    const std::size_t keysColumn = header.find("Keys");
    while (std::getline(lines, line))
        EXPECT_EQ(line.find_first_not_of(' ', keysColumn - 2), keysColumn) << line;
}

// Only a bank of digit keys is shortened; every other key of a command is
// named in its row ("Space" beside "Ctrl+J" and "Alt+Right").
TEST(CommandTable, RowsNameEveryKeyOutsideADigitBank)
{
    const std::string markdown = ShortcutsMarkdown();
    for (const CommandEntry& e : KpCommands()) {
        const std::string head = "| " + std::string(e.menu) + " | " + PlainLabel(e.label) + " | ";
        const std::size_t at = markdown.find(head);
        ASSERT_NE(at, std::string::npos) << head;
        const std::string row = markdown.substr(at, markdown.find('\n', at) - at);
        for (const std::string& key : e.keys) {
            if (!std::isdigit(static_cast<unsigned char>(key.back()))) {
                EXPECT_NE(row.find(key), std::string::npos) << key << " missing from " << row;
            }
        }
    }
}

TEST(AboutText, NamesEveryFactAndLinksTheReadme)
{
    const AboutFacts facts { "1.2.3", BuildDescription(), "6.4.2", "/home/u/.config/Voranwerk/Kp.conf",
        "file:///usr/share/doc/kp/README.md" };
    const std::string about = AboutMarkdown(facts);
    for (const std::string& part : { std::string("Kp 1.2.3"), facts.build, std::string("Qt: 6.4.2"),
             std::string("Licence: "), "`" + facts.settingsFile + "`", "(" + facts.readmeUrl + ")" })
        EXPECT_NE(about.find(part), std::string::npos) << part << "\n" << about;
    EXPECT_EQ(AboutMarkdown({ "1", "b", "q", "s", "" }).find("Read me"), std::string::npos);
}

} // namespace
} // namespace kp
