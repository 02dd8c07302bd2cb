#pragma once
// What kp tells about its command line, written once: "kp --help" prints it
// for the terminal and the manual page kp(1) is made from it, so the two
// cannot tell different stories. Texts are plain sentences without line
// breaks; each renderer fills them to its own width.

#include <string>
#include <vector>

namespace kp {

struct HelpItem {
    std::string term; // "/THINOUT N", "--help", "0"
    std::string text;
};

struct CommandLineHelp {
    std::string summary; // one line: what kp is
    std::vector<std::string> synopsis; // one command form each, without "kp "
    std::vector<std::string> description;
    std::string switchesIntro; // "names are ...", completes "Switches (...)"
    std::vector<HelpItem> switches;
    std::vector<std::string> switchNotes;
    std::vector<HelpItem> options; // the long options, in their table's order
    std::vector<std::string> examples;
    std::vector<HelpItem> exitStatus;
    std::vector<HelpItem> files;
};

const CommandLineHelp& KpCommandLineHelp();

} // namespace kp
