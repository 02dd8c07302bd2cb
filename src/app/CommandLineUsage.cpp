#include "app/CommandLineUsage.h"

#include "app/CommandLineHelp.h"

#include <sstream>

namespace kp {

namespace {

constexpr std::size_t kWidth = 79;
constexpr std::size_t kTermColumn = 20;

// Fills text into lines of at most kWidth characters, the first starting at
// column `first`, the others indented by `indent`.
void Fill(std::ostringstream& out, const std::string& text, std::size_t first, std::size_t indent)
{
    std::size_t column = first;
    std::istringstream words(text);
    std::string word;
    bool lineStart = true;
    while (words >> word) {
        if (!lineStart && column + 1 + word.size() > kWidth) {
            out << '\n' << std::string(indent, ' ');
            column = indent;
            lineStart = true;
        }
        if (!lineStart) {
            out << ' ';
            ++column;
        }
        out << word;
        column += word.size();
        lineStart = false;
    }
    out << '\n';
}

void Items(std::ostringstream& out, const std::vector<HelpItem>& items)
{
    for (const HelpItem& item : items) {
        out << "  " << item.term;
        std::size_t column = 2 + item.term.size();
        if (column + 1 >= kTermColumn) {
            out << '\n';
            column = 0;
        }
        out << std::string(kTermColumn - column, ' ');
        Fill(out, item.text, kTermColumn, kTermColumn);
    }
}

} // namespace

std::string UsageText()
{
    const CommandLineHelp& h = KpCommandLineHelp();
    std::ostringstream out;
    for (std::size_t i = 0; i < h.synopsis.size(); ++i)
        out << (i == 0 ? "Usage: kp " : "       kp ") << h.synopsis[i] << '\n';
    for (const std::string& paragraph : h.description) {
        out << '\n';
        Fill(out, paragraph, 0, 0);
    }
    out << "\nSwitches (" << h.switchesIntro << "):\n";
    Items(out, h.switches);
    out << "\nOptions:\n";
    Items(out, h.options);
    out << '\n';
    for (const std::string& note : h.switchNotes)
        Fill(out, note, 0, 0);
    out << "\nExamples:\n";
    for (const std::string& example : h.examples)
        out << "  " << example << '\n';
    out << "\nExit status:\n";
    Items(out, h.exitStatus);
    out << "\nFiles:\n";
    Items(out, h.files);
    return out.str();
}

std::string VersionText()
{
    return std::string("Kp ") + KP_VERSION + "\n";
}

} // namespace kp
