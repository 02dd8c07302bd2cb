#include "app/LongOptions.h"

#include <array>

namespace kp {

namespace {

constexpr std::array<LongOption, 6> kLongOptions = { {
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

std::string UnknownOptionMessage(std::string_view option)
{
    return "kp: unknown option " + std::string(option) + " (see kp --help)\n";
}

} // namespace kp
