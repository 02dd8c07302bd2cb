#include "app/ManPage.h"

#include "app/CommandLineHelp.h"

namespace kp {

namespace {

std::string Bold(std::string_view text)
{
    return "\\fB" + RoffText(text) + "\\fR";
}

void Items(std::string& page, const std::vector<HelpItem>& items)
{
    for (const HelpItem& item : items)
        page += ".TP\n" + Bold(item.term) + "\n" + RoffText(item.text) + "\n";
}

void Paragraphs(std::string& page, const std::vector<std::string>& paragraphs)
{
    for (const std::string& paragraph : paragraphs)
        page += ".PP\n" + RoffText(paragraph) + "\n";
}

void Lines(std::string& page, const std::vector<std::string>& lines, std::string_view prefix)
{
    page += ".PP\n.RS\n.nf\n";
    for (const std::string& line : lines)
        page += std::string(prefix) + RoffText(line) + "\n";
    page += ".fi\n.RE\n";
}

} // namespace

std::string RoffText(std::string_view text)
{
    std::string out;
    if (!text.empty() && (text.front() == '.' || text.front() == '\''))
        out = "\\&";
    // A dash the user may type (an option, a numbered file name) is written
    // as a minus, so that it copies as "-"; a hyphen of prose stays a hyphen.
    bool option = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ')
            option = false;
        else if (c == '-' && (i == 0 || text[i - 1] == ' '))
            option = true;
        if (c == '\\')
            out += "\\e";
        else if (c == '-' && (option || (i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9')))
            out += "\\-";
        else
            out += c;
    }
    return out;
}

std::string ManPage()
{
    const CommandLineHelp& h = KpCommandLineHelp();
    std::string page = ".TH KP 1 \"\" \"Kp " KP_VERSION "\" \"User Commands\"\n";
    page += ".SH NAME\nkp \\- " + RoffText(h.summary) + "\n";
    page += ".SH SYNOPSIS\n.nf\n";
    for (const std::string& form : h.synopsis)
        page += "\\fBkp\\fR " + RoffText(form) + "\n";
    page += ".fi\n.SH DESCRIPTION\n";
    Paragraphs(page, h.description);
    page += ".SH SWITCHES\n.PP\n" + RoffText("The switch " + h.switchesIntro + ".") + "\n";
    Items(page, h.switches);
    Paragraphs(page, h.switchNotes);
    page += ".SH OPTIONS\n";
    Items(page, h.options);
    page += ".SH EXIT STATUS\n";
    Items(page, h.exitStatus);
    page += ".SH FILES\n";
    Items(page, h.files);
    page += ".SH EXAMPLES\n";
    Lines(page, h.examples, "");
    return page;
}

} // namespace kp
