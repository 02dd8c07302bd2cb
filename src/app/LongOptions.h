#pragma once
// The options kp takes in GNU long form ("--name"). The conversion switches
// keep their own forms ("/NAME" and "-NAME"); a token that begins with "--"
// is always meant as one of these options, so a name that is not listed here
// is a mistake the user must hear about rather than a switch nobody reads.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kp {

struct LongOption {
    std::string_view name; // without the leading "--"
    std::string_view argument; // what follows the option, as the help shows it; empty when nothing
    std::string_view text; // one sentence for the help and the manual page
};

// Every long option, in the order the help lists them.
std::span<const LongOption> LongOptions();

// The option of a "--name" or "--name=value" token; nullptr for any other token.
const LongOption* FindLongOption(std::string_view token);

// True for a token in GNU long form: "--" followed by at least one character.
bool IsLongOptionToken(std::string_view token);

// The first long-form token whose name kp does not know, as the user wrote
// it up to any "="; nullopt when every long-form token is known.
std::optional<std::string> FirstUnknownLongOption(const std::vector<std::string>& tokens);

// One option of a command kp carries out without a window, with its value:
// after "=", or for an option that takes one, the next word unless that is
// an option itself (an option is never taken for a value left out before it).
struct GivenLongOption {
    std::string name; // without the leading "--"
    std::optional<std::string> value;
};

struct GivenLongOptions {
    std::vector<GivenLongOption> options;
    std::string error; // why the words are no options, as "--x needs a value"; empty when they are
};

// The words after the program's name read as options of `command` ("info").
GivenLongOptions ReadLongOptions(const std::vector<std::string>& words, std::string_view command);

// The one line that reports it ("kp: unknown option --bogus (see kp --help)\n").
std::string UnknownOptionMessage(std::string_view option);

} // namespace kp
