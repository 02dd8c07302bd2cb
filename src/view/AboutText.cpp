#include "view/AboutText.h"

namespace kp {

namespace {

// No licence has been granted for Kp yet; the box says so rather than
// suggest one.
constexpr const char* kLicence = "none granted yet: all rights reserved by the authors";

std::string Compiler()
{
#if defined(__clang__)
    return "Clang " __clang_version__;
#elif defined(__GNUC__)
    return "GCC " + std::to_string(__GNUC__) + "." + std::to_string(__GNUC_MINOR__) + "."
        + std::to_string(__GNUC_PATCHLEVEL__);
#elif defined(_MSC_VER)
    return "MSVC " + std::to_string(_MSC_VER);
#else
    return "an unknown compiler";
#endif
}

// Markdown would read a "*" or "_" in a path as emphasis.
std::string Code(const std::string& text)
{
    return "`" + text + "`";
}

} // namespace

std::string BuildDescription()
{
#if defined(KP_BUILD_TYPE)
    const std::string type = KP_BUILD_TYPE;
#else
    const std::string type;
#endif
    return (type.empty() ? std::string() : type + " build, ") + Compiler();
}

std::string AboutMarkdown(const AboutFacts& facts)
{
    std::string text = "## Kp " + facts.version + "\n\n"
        + "Viewer and converter for waveform recordings of memory recorders and data recorders.\n\n"
        + "- Build: " + facts.build + "\n" + "- Qt: " + facts.qtVersion + "\n" + "- Licence: " + kLicence + "\n"
        + "- Settings: " + Code(facts.settingsFile) + "\n";
    if (!facts.readmeUrl.empty())
        text += "- Read me: [" + facts.readmeUrl + "](" + facts.readmeUrl + ")\n";
    return text;
}

} // namespace kp
