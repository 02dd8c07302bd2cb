#pragma once
// What "About Kp" tells: the version and build, the toolkit's version, the
// licence, where the settings are kept and where the README is, as Markdown.

#include <string>

namespace kp {

struct AboutFacts {
    std::string version; // "0.1.0"
    std::string build; // BuildDescription()
    std::string qtVersion; // the toolkit's version at run time
    std::string settingsFile; // the settings file's path
    std::string readmeUrl; // a file: or web address; empty when none was found
};

// The build type and the compiler, as the program was made.
std::string BuildDescription();

std::string AboutMarkdown(const AboutFacts& facts);

} // namespace kp
