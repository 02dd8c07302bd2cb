#pragma once
// The conversion of one channel's raw codes to physical values, computed once
// per channel from its header settings (CWaveHeadInfo::GetChannelScale) and
// then applied to every code. The exporter, the view, the gauges and the
// trace window all convert through this, so that a value prints the same
// everywhere.

#include <cmath>
#include <cstdint>

namespace kp {

struct ChannelScale {
    enum class Rule : std::uint8_t {
        // value = code x scale + offset (measured and calculated channels)
        Linear,
        // value = trunc(code x countScale + countOffset + 0.9) x scale + offset:
        // counters report whole counts
        Count,
        // value = (code - zeroCode, as signed 32-bit) x scale + offset
        ZeroReferenced,
    };

    Rule rule = Rule::Linear;
    double scale = 1.0;
    double offset = 0.0;
    double countScale = 1.0; // Count: value per code before the user scaling
    double countOffset = 0.0; // Count: offset before the user scaling
    std::int64_t zeroCode = 0;
    // 16-bit codes are 0..65535 rather than -32768..32767.
    bool unsignedCodes = false;

    // The code as the instrument meant it.
    double Code16(std::uint16_t code) const
    {
        return unsignedCodes ? static_cast<double>(code) : static_cast<double>(static_cast<std::int16_t>(code));
    }

    double Apply16(std::uint16_t code) const
    {
        if (rule == Rule::ZeroReferenced)
            return ZeroDifference(Widen16(code)) * scale + offset;
        return FromCode(Code16(code));
    }

    // 32-bit codes are unsigned, except that zero-referenced channels take
    // the difference to their zero code as a signed 32-bit number.
    double Apply32(std::uint32_t code) const
    {
        if (rule == Rule::ZeroReferenced)
            return ZeroDifference(code) * scale + offset;
        return FromCode(static_cast<double>(code));
    }

    // b - a in physical units, taken on the codes so that offsets cancel;
    // counters subtract their whole counts.
    double Difference16(std::uint16_t a, std::uint16_t b) const
    {
        if (rule == Rule::ZeroReferenced)
            return (ZeroDifference(Widen16(b)) - ZeroDifference(Widen16(a))) * scale;
        return DifferenceOfCodes(Code16(a), Code16(b));
    }
    double Difference32(std::uint32_t a, std::uint32_t b) const
    {
        if (rule == Rule::ZeroReferenced)
            return (ZeroDifference(b) - ZeroDifference(a)) * scale;
        return DifferenceOfCodes(static_cast<double>(a), static_cast<double>(b));
    }

private:
    std::uint32_t Widen16(std::uint16_t code) const
    {
        return unsignedCodes ? code
                             : static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<std::int16_t>(code)));
    }
    double FromCode(double c) const
    {
        if (rule == Rule::Count)
            return Count(c) * scale + offset;
        return c * scale + offset;
    }
    double Count(double c) const { return std::trunc(c * countScale + countOffset + 0.9); }
    double ZeroDifference(std::uint32_t code) const
    {
        return static_cast<double>(static_cast<std::int32_t>(code - static_cast<std::uint32_t>(zeroCode)));
    }
    double DifferenceOfCodes(double a, double b) const
    {
        if (rule == Rule::Count)
            return (Count(b) - Count(a)) * scale;
        return (b - a) * scale;
    }
};

// Pulse channels count unsigned; their offset is added without the ratio.
struct PulseScale {
    double scale = 1.0;
    double offset = 0.0;
    double Apply(std::uint16_t count) const { return static_cast<double>(count) * scale + offset; }
};

} // namespace kp
