#pragma once
// The command line: switches with their values, and the file to open.
//
// Every token is handed to ParseParam in order. A switch token arrives without
// its leading character and is recorded with the value "TRUE"; it becomes the
// pending switch, and the next plain token becomes its value. Every plain
// token then also takes part in the standard parsing, where the first one is
// the file to open on the normal road.
//
// On POSIX a leading "/" also starts every absolute path, so a token is read
// as a switch when it begins with "-", or when it begins with "/" and the rest
// is one of the known switch names. "kp /CONV /data/A.MEM /DEST /out" then
// reads as two switches with their folders. On Windows every "/" token is a
// switch.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace kp {

// The names of the conversion switches, in the order in which their effects
// are applied (a later name of a group wins over an earlier one).
inline constexpr std::array<std::string_view, 20> kConversionSwitchNames = {
    "CONV",
    "DEST",
    "THINOUT",
    "CSV",
    "SPACE",
    "TAB",
    "LF",
    "CRLF",
    "SEC",
    "DATE",
    "TIME",
    "POINT",
    "NOSTOREHEAD",
    "NOCHINFO",
    "NOCHHEAD",
    "NOEVENT",
    "NOTIMEVALUE",
    "NOHEAD",
    "CHHEADNO",
    "CHHEADCOMM",
};

bool IsConversionSwitchName(std::string_view name);

class CKpCommandLineInfo {
public:
    enum class ShellCommand { FileNew, FileOpen };

    // Splits argv[1..] into tokens and parses each one.
    void ParseCommandLine(int argc, const char* const* argv);
    void ParseCommandLine(const std::vector<std::string>& tokens);

    // One token; isSwitch tokens come without their leading character.
    void ParseParam(const std::string& text, bool isSwitch, bool isLast);

    // The value of a switch when the command line held it ("TRUE" when no value followed).
    std::optional<std::string> Lookup(const std::string& name) const;
    // True when the switch was followed by a value of its own.
    bool HasValue(const std::string& name) const { return valued_.count(name) != 0; }

    // The recordings to convert: the value of "CONV", then every later plain
    // token that is no switch's value ("kp /CONV *.MEM": the shell's names), in order.
    std::vector<std::string> GetConversionSources() const;

    ShellCommand GetShellCommand() const { return shellCommand_; }
    const std::string& GetFileName() const { return fileName_; }

    bool HelpRequested() const { return help_; }
    bool VersionRequested() const { return version_; }
    // The first option in GNU long form that kp does not know ("--bogus");
    // such a command line is not carried out.
    const std::optional<std::string>& UnknownOption() const { return unknownOption_; }
    // True when the long option ("screenshot") was given.
    bool LongOptionGiven(const std::string& name) const { return longOptions_.count(name) != 0; }

private:
    void ParsePlainToken(const std::string& text);

    std::unordered_map<std::string, std::string> switches_ { 10 };
    std::unordered_set<std::string> valued_;
    std::string pending_;
    ShellCommand shellCommand_ = ShellCommand::FileNew;
    std::string fileName_;
    std::vector<std::string> laterSources_;
    bool help_ = false;
    bool version_ = false;
    std::optional<std::string> unknownOption_;
    std::unordered_set<std::string> longOptions_;
};

} // namespace kp
