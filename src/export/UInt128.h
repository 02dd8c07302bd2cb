#pragma once
// The unsigned 128-bit integer of the exact number writers. GCC and Clang
// have one built in (a multiplication is one instruction); other compilers
// get a pair of 64-bit halves with the same arithmetic, wrapping modulo
// 2^128 like the built-in type. KP_PORTABLE_UINT128 forces the pair, so
// that the writers can be checked against printf with it on any compiler.

#include <bit>
#include <compare>
#include <cstdint>

namespace kp {

class PortableUInt128 {
public:
    constexpr PortableUInt128() = default;
    // Implicit, as the built-in type converts from any unsigned integer.
    constexpr PortableUInt128(std::uint64_t low)
        : low_(low)
    {
    }
    constexpr PortableUInt128(std::uint64_t high, std::uint64_t low)
        : high_(high)
        , low_(low)
    {
    }

    constexpr std::uint64_t high() const { return high_; }
    constexpr std::uint64_t low() const { return low_; }
    explicit constexpr operator std::uint64_t() const { return low_; }
    explicit constexpr operator bool() const { return (high_ | low_) != 0; }

    friend constexpr bool operator==(PortableUInt128, PortableUInt128) = default;
    friend constexpr std::strong_ordering operator<=>(PortableUInt128 a, PortableUInt128 b)
    {
        return a.high_ != b.high_ ? a.high_ <=> b.high_ : a.low_ <=> b.low_;
    }

    friend constexpr PortableUInt128 operator+(PortableUInt128 a, PortableUInt128 b)
    {
        const std::uint64_t low = a.low_ + b.low_;
        return { a.high_ + b.high_ + (low < a.low_ ? 1u : 0u), low };
    }
    friend constexpr PortableUInt128 operator-(PortableUInt128 a, PortableUInt128 b)
    {
        return { a.high_ - b.high_ - (a.low_ < b.low_ ? 1u : 0u), a.low_ - b.low_ };
    }
    friend constexpr PortableUInt128 operator*(PortableUInt128 a, PortableUInt128 b)
    {
        PortableUInt128 p = Multiply(a.low_, b.low_);
        p.high_ += a.high_ * b.low_ + a.low_ * b.high_;
        return p;
    }
    friend constexpr PortableUInt128 operator/(PortableUInt128 a, PortableUInt128 b)
    {
        PortableUInt128 quotient, remainder;
        DivMod(a, b, quotient, remainder);
        return quotient;
    }
    friend constexpr PortableUInt128 operator%(PortableUInt128 a, PortableUInt128 b)
    {
        PortableUInt128 quotient, remainder;
        DivMod(a, b, quotient, remainder);
        return remainder;
    }
    friend constexpr PortableUInt128 operator&(PortableUInt128 a, PortableUInt128 b)
    {
        return { a.high_ & b.high_, a.low_ & b.low_ };
    }
    friend constexpr PortableUInt128 operator|(PortableUInt128 a, PortableUInt128 b)
    {
        return { a.high_ | b.high_, a.low_ | b.low_ };
    }
    // Shifts by 0..127, as for the built-in type.
    friend constexpr PortableUInt128 operator<<(PortableUInt128 a, int s)
    {
        if (s == 0)
            return a;
        if (s >= 64)
            return { a.low_ << (s - 64), 0 };
        return { (a.high_ << s) | (a.low_ >> (64 - s)), a.low_ << s };
    }
    friend constexpr PortableUInt128 operator>>(PortableUInt128 a, int s)
    {
        if (s == 0)
            return a;
        if (s >= 64)
            return { 0, a.high_ >> (s - 64) };
        return { a.high_ >> s, (a.low_ >> s) | (a.high_ << (64 - s)) };
    }

    constexpr PortableUInt128& operator*=(PortableUInt128 b) { return *this = *this * b; }
    constexpr PortableUInt128& operator++() { return *this = *this + 1u; }

private:
    // The full product of two 64-bit numbers from 32-bit halves.
    static constexpr PortableUInt128 Multiply(std::uint64_t a, std::uint64_t b)
    {
        const std::uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32;
        const std::uint64_t bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
        const std::uint64_t ll = aLow * bLow, lh = aLow * bHigh, hl = aHigh * bLow, hh = aHigh * bHigh;
        const std::uint64_t middle = (ll >> 32) + (lh & 0xFFFFFFFFu) + (hl & 0xFFFFFFFFu);
        return { hh + (lh >> 32) + (hl >> 32) + (middle >> 32), (middle << 32) | (ll & 0xFFFFFFFFu) };
    }

    // Bit by bit, from the dividend's highest set bit; 64-bit operands take
    // the machine's division.
    static constexpr void DivMod(
        PortableUInt128 a, PortableUInt128 b, PortableUInt128& quotient, PortableUInt128& remainder)
    {
        quotient = 0;
        remainder = 0;
        if (a.high_ == 0 && b.high_ == 0) {
            quotient = a.low_ / b.low_;
            remainder = a.low_ % b.low_;
            return;
        }
        if (a < b) {
            remainder = a;
            return;
        }
        const int bits = a.high_ != 0 ? 128 - std::countl_zero(a.high_) : 64 - std::countl_zero(a.low_);
        for (int i = bits - 1; i >= 0; --i) {
            // A remainder that leaves the top bit is above any divisor.
            const bool overflow = (remainder.high_ >> 63) != 0;
            remainder = (remainder << 1) | ((a >> i) & 1u);
            if (overflow || remainder >= b) {
                remainder = remainder - b;
                quotient = quotient | (PortableUInt128(1) << i);
            }
        }
    }

    std::uint64_t high_ = 0;
    std::uint64_t low_ = 0;
};

#if defined(__SIZEOF_INT128__) && !defined(KP_PORTABLE_UINT128)
using UInt128 = unsigned __int128;
#else
using UInt128 = PortableUInt128;
#endif

} // namespace kp
