#include "format/SiFormat.h"

#include "format/NumberWriter.h"
#include "format/TextTrim.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kp {

namespace {

constexpr double kZeroThreshold = 1e-11;
// A caller's digits beyond this are of no use for a double and would only
// make a long text.
constexpr int kMaxPlaces = 100;

struct SiPrefix {
    double scale;
    const char* text;
};

constexpr std::array<SiPrefix, 13> kPrefixes { { { 1e18, "E" }, { 1e15, "P" }, { 1e12, "T" }, { 1e9, "G" },
    { 1e6, "M" }, { 1e3, "k" }, { 1.0, "" }, { 1e-3, "m" }, { 1e-6, "u" }, { 1e-9, "n" }, { 1e-12, "p" },
    { 1e-15, "f" }, { 1e-18, "a" } } };

} // namespace

std::string FormatSiValue(double value, bool withSign, bool trimZeros, int digits)
{
    if (!std::isfinite(value))
        return FormatFixed(value, 0, withSign);

    double scaled = 0.0;
    const char* prefix = "";
    if (std::fabs(value) < kZeroThreshold) {
        // -0.0 and a tiny negative value must not print "-0.00".
        withSign = false;
    } else {
        // The absolute tolerance lets a value a hair below a power of 1000 take
        // the larger prefix; below 1e-9 it makes every value take "p".
        const double a = std::fabs(value);
        std::size_t index = 0;
        while (index + 1 < kPrefixes.size() && a < kPrefixes[index].scale - kZeroThreshold)
            ++index;
        scaled = value / kPrefixes[index].scale;
        prefix = kPrefixes[index].text;
    }

    int places = digits;
    if (digits < 0) {
        places = 0;
        if (scaled != 0.0) {
            const double lead = std::trunc(std::log10(std::fabs(scaled)));
            const int wanted = digits < -kMaxPlaces ? kMaxPlaces : -digits;
            places = std::max(0, wanted - static_cast<int>(lead));
        }
    }
    places = std::min(places, kMaxPlaces);

    std::string text = FormatFixed(scaled, places, withSign);
    if (trimZeros)
        text = TrimFractionZeros(text);
    return text + prefix;
}

} // namespace kp
