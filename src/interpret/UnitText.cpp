#include "interpret/UnitText.h"

#include "interpret/Family5Scaling.h"

#include "interpret/HeaderBlockLayout.h"
#include "interpret/HeaderFields.h"
#include "interpret/RangeText.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp {

namespace {

bool RewritesControlBytes(HeaderFamily family)
{
    return family >= HeaderFamily::Family1 && family <= HeaderFamily::Family9 && family != HeaderFamily::Family5;
}
bool RewritesEscapes(HeaderFamily family)
{
    return family >= HeaderFamily::Family1 && family <= HeaderFamily::Family9 && family != HeaderFamily::Family7;
}

// Control bytes of the instruments' character sets: 6 strain "e", 11 plus-minus,
// 12 degree-c, 17 ohm, 18 squared, 19 cubed, 20 and 21 micro.
std::string RewriteControlBytes(std::string_view stored)
{
    std::string out;
    out.reserve(stored.size() + 4);
    for (char c : stored) {
        switch (static_cast<unsigned char>(c)) {
        case 6:
            out += "~e";
            break;
        case 11:
            out += "~+";
            break;
        case 12:
            out += "~c";
            break;
        case 17:
            out += "~o";
            break;
        case 18:
            out += "^2";
            break;
        case 19:
            out += "^3";
            break;
        case 20:
        case 21:
            out += "~u";
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

std::string RewriteEscapes(std::string text)
{
    ReplaceAll(text, "~u~e", "uE");
    ReplaceAll(text, "~E", "uE");
    ReplaceAll(text, "~cC", "C");
    ReplaceAll(text, "~u", "u");
    return text;
}

} // namespace

std::string DisplayUnitText(std::string_view stored, HeaderFamily family)
{
    if (family == HeaderFamily::Family8 && stored == std::string_view("\x15\x06", 2))
        return "uE";
    std::string text = RewritesControlBytes(family) ? RewriteControlBytes(stored) : std::string(stored);
    return RewritesEscapes(family) ? RewriteEscapes(std::move(text)) : text;
}

std::string JoinNameAndUnit(std::string_view name, std::string_view unit)
{
    std::string out;
    out.reserve(name.size() + unit.size() + 2);
    out.append(name).append("[").append(unit).append("]");
    return out;
}

std::string CWaveHeadInfo::GetUnitText(int ch) const
{
    const HeaderFamily family = GetHeaderFamily();
    if (family == HeaderFamily::Family0)
        return fields::Text(ChannelHeader(ch), 8);
    if (family == HeaderFamily::Family4) {
        // With scaling on the channel shows its engineering unit; otherwise
        // the unit of its range ("mV" of "20mV/DIV").
        if (IsScalingOn(ch))
            return DisplayUnitText(layout::TextAt(layout::Family4ChannelBlock(*this, ch), layout::family4::kEu,
                                       layout::family4::kEuLength),
                family);
        std::string unit(UnitPart(GetRangeText(ch)));
        if (unit.ends_with("/DIV"))
            unit.resize(unit.size() - 4);
        return unit;
    }
    std::string stored = fields::Text(ChannelHeader(ch), 22);
    // The chunked family also keeps the unit in its per-channel settings.
    if (family == HeaderFamily::Family5 && stored.empty())
        stored = family5::StoredUnitText(*this, ch);
    return DisplayUnitText(stored, family);
}

std::string CWaveHeadInfo::GetPulseUnitText(int p) const
{
    return DisplayUnitText(fields::Text(PulseHeader(p), 22), GetHeaderFamily());
}

} // namespace kp
