#include "app/CKpCommandLineInfo.h"

#include "app/LongOptions.h"

#include <algorithm>

namespace kp {

bool IsConversionSwitchName(std::string_view name)
{
    return std::find(kConversionSwitchNames.begin(), kConversionSwitchNames.end(), name)
        != kConversionSwitchNames.end();
}

void CKpCommandLineInfo::ParseCommandLine(int argc, const char* const* argv)
{
    std::vector<std::string> tokens;
    for (int i = 1; i < argc; ++i)
        tokens.emplace_back(argv[i] != nullptr ? argv[i] : "");
    ParseCommandLine(tokens);
}

void CKpCommandLineInfo::ParseCommandLine(const std::vector<std::string>& tokens)
{
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        const bool isLast = i + 1 == tokens.size();
        if (token == "--help") {
            help_ = true;
            continue;
        }
        if (token == "--version") {
            version_ = true;
            continue;
        }
        // The other long options belong to roads that read argv themselves.
        if (IsLongOptionToken(token)) {
            if (const LongOption* option = FindLongOption(token))
                longOptions_.emplace(option->name);
            else if (!unknownOption_)
                unknownOption_ = FirstUnknownLongOption({ token });
            continue;
        }
        bool isSwitch = false;
        if (!token.empty() && token[0] == '-') {
            isSwitch = true;
        } else if (!token.empty() && token[0] == '/') {
#if defined(_WIN32)
            isSwitch = true;
#else
            isSwitch = IsConversionSwitchName(std::string_view(token).substr(1));
#endif
        }
        if (isSwitch)
            ParseParam(token.substr(1), true, isLast);
        else
            ParseParam(token, false, isLast);
    }
}

void CKpCommandLineInfo::ParseParam(const std::string& text, bool isSwitch, bool)
{
    if (isSwitch) {
        switches_[text] = "TRUE";
        valued_.erase(text);
        pending_ = text;
        return;
    }
    if (!pending_.empty()) {
        switches_[pending_] = text;
        valued_.insert(pending_);
        pending_.clear();
    } else if (valued_.count("CONV") != 0) {
        laterSources_.push_back(text);
    }
    ParsePlainToken(text);
}

std::vector<std::string> CKpCommandLineInfo::GetConversionSources() const
{
    std::vector<std::string> sources;
    if (const auto first = Lookup("CONV"))
        sources.push_back(*first);
    sources.insert(sources.end(), laterSources_.begin(), laterSources_.end());
    return sources;
}

void CKpCommandLineInfo::ParsePlainToken(const std::string& text)
{
    if (shellCommand_ == ShellCommand::FileNew) {
        fileName_ = text;
        shellCommand_ = ShellCommand::FileOpen;
    }
}

std::optional<std::string> CKpCommandLineInfo::Lookup(const std::string& name) const
{
    auto it = switches_.find(name);
    if (it == switches_.end())
        return std::nullopt;
    return it->second;
}

} // namespace kp
