#include "app/LongOptions.h"

#include <array>

namespace kp {

namespace {

constexpr std::array<LongOption, 17> kLongOptions = { {
    { "help", "", "print this text and exit" },
    { "version", "", "print the version and exit" },
    { "screenshot", "OUT.png FILE",
        "draw the main window showing FILE without a display, as it opens on the first start with no stored "
        "settings, and save it as a PNG (kp-synth demo DEMO.MEM writes a demo recording)" },
    { "screen-size", "WIDTHxHEIGHT",
        "with --screenshot: the size of the screen the window is placed on (default 1600x1000)" },
    { "show", "NAMES",
        "with --screenshot: a comma list of panes to switch on (title, gauge, remarks) and of tool windows to "
        "save beside OUT.png as OUT-NAME.png (control, trace, properties, blocks, open, batch)" },
    { "scheme", "black|white", "with --screenshot: apply the black or white background scheme first" },
    { "trace", "FILE",
        "print the trace window's copied lists for the cursors --a and --b on FILE without a window: per list a "
        "title line, then the list as the window's Copy writes it; the stored settings are neither read nor changed" },
    { "a", "POSITION",
        "with --trace: cursor A, a point of the record (0 is the first) or a time from the trigger point such as "
        "1.5ms; positions are clamped to the record and A and B swapped when A lies after B" },
    { "b", "POSITION", "with --trace: cursor B, as --a" },
    { "lf", "", "with --trace: end the lines with LF instead of CR LF" },
    { "notation", "div|sec|point|trig|date",
        "with --trace: the notation of the cursor positions; with --info: of the event mark times (default point)" },
    { "format", "aux|dec|exp",
        "with --trace: values with an SI prefix, as decimals or in exponent form (default aux)" },
    { "unit", "", "with --trace: follow every value by its unit" },
    { "calc", "B-A|A-B|A+B|AxB|A/B|B/A", "with --trace: the calculation column (default B-A)" },
    { "tab", "NAME", "with --trace: print one list only: analog, pulse, logic, alarm, calc or statistics" },
    { "info", "FILE",
        "print the properties window's lists for FILE without a window: the recording conditions, the channels "
        "with their names, units, ranges and comments, the system settings and the event marks; per list a title "
        "line, the column titles and one line per row, cells apart by tabs" },
    { "json", "",
        "with --trace or --info: print the lists as one JSON object, each text as the window shows it and the "
        "numbers it stands for as JSON numbers" },
} };

std::string_view NameOf(std::string_view token)
{
    token.remove_prefix(2);
    return token.substr(0, token.find('='));
}

} // namespace

std::span<const LongOption> LongOptions()
{
    return kLongOptions;
}

bool IsLongOptionToken(std::string_view token)
{
    return token.size() > 2 && token.starts_with("--");
}

const LongOption* FindLongOption(std::string_view token)
{
    if (!IsLongOptionToken(token))
        return nullptr;
    const std::string_view name = NameOf(token);
    for (const LongOption& option : kLongOptions) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

std::optional<std::string> FirstUnknownLongOption(const std::vector<std::string>& tokens)
{
    for (const std::string& token : tokens) {
        if (IsLongOptionToken(token) && FindLongOption(token) == nullptr)
            return "--" + std::string(NameOf(token));
    }
    return std::nullopt;
}

GivenLongOptions ReadLongOptions(const std::vector<std::string>& words, std::string_view command)
{
    GivenLongOptions given;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!word.starts_with("--")) {
            given.error = "--" + std::string(command) + " does not take " + word;
            return given;
        }
        GivenLongOption option { std::string(NameOf(word)), std::nullopt };
        if (const auto eq = word.find('='); eq != std::string::npos)
            option.value = word.substr(eq + 1);
        const LongOption* known = FindLongOption(word);
        const bool takesValue = known != nullptr && !known->argument.empty();
        if (!takesValue && option.value) {
            given.error = "--" + option.name + " takes no value";
            return given;
        }
        if (takesValue && !option.value) {
            if (i + 1 >= words.size() || words[i + 1].starts_with("--")) {
                given.error = "--" + option.name + " needs a value";
                return given;
            }
            option.value = words[++i];
        }
        given.options.push_back(std::move(option));
    }
    return given;
}

std::string UnknownOptionMessage(std::string_view option)
{
    return "kp: unknown option " + std::string(option) + " (see kp --help)\n";
}

} // namespace kp
