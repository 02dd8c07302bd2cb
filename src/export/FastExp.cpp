#include "export/FastExp.h"

#include "format/NumberWriter.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace kp {
namespace {

using U128 = unsigned __int128;

constexpr int kMaxPow10 = 38; // 10^38 < 2^127

constexpr U128 Pow10(int k)
{
    U128 p = 1;
    for (int i = 0; i < k; ++i)
        p *= 10;
    return p;
}

struct Pow10Table {
    U128 value[kMaxPow10 + 1];
    constexpr Pow10Table() : value()
    {
        for (int k = 0; k <= kMaxPow10; ++k)
            value[k] = Pow10(k);
    }
};
constexpr Pow10Table kPow10;

constexpr char kDigitPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                               "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                               "8081828384858687888990919293949596979899";

// Rounds q + r/d to an integer, ties to even, given 0 <= r < d.
inline U128 RoundQuotient(U128 q, U128 r, U128 d)
{
    const U128 rest = d - r;
    if (r > rest || (r == rest && (q & 1)))
        ++q;
    return q;
}

// round(m * 2^e * 10^k), exactly, when 128-bit integers can hold the
// computation; false otherwise.
bool ScaledRound(std::uint64_t m, int e, int k, std::uint64_t& out)
{
    U128 q;
    if (k >= 0) {
        if (k > 22) // m * 10^k must stay below 2^127
            return false;
        U128 n = static_cast<U128>(m) * kPow10.value[k];
        if (e >= 0) {
            if (e > 0 && (n >> (127 - e)) != 0)
                return false;
            q = n << e;
        } else {
            const int s = -e;
            if (s >= 127)
                return false;
            q = n >> s;
            const U128 r = n - (q << s);
            const U128 half = static_cast<U128>(1) << (s - 1);
            if (r > half || (r == half && (q & 1)))
                ++q;
        }
    } else {
        const int kk = -k;
        if (kk > kMaxPow10)
            return false;
        const U128 d = kPow10.value[kk];
        if (e >= 0) {
            if (e > 74)
                return false;
            const U128 n = static_cast<U128>(m) << e;
            q = RoundQuotient(n / d, n % d, d);
        } else {
            const int s = -e;
            if (s >= 127 || (d >> (127 - s)) != 0)
                return false;
            const U128 den = d << s;
            q = RoundQuotient(m / den, m % den, den);
        }
    }
    if ((q >> 64) != 0)
        return false;
    out = static_cast<std::uint64_t>(q);
    return true;
}

// Writes exactly count digits of q (q < 10^count).
inline void WriteDigits(char* out, std::uint64_t q, int count)
{
    char* p = out + count;
    while (count >= 2) {
        p -= 2;
        std::memcpy(p, kDigitPairs + (q % 100) * 2, 2);
        q /= 100;
        count -= 2;
    }
    if (count != 0)
        *--p = static_cast<char>('0' + q);
}

inline char* WriteExponent(char* out, int e10)
{
    *out++ = 'e';
    unsigned magnitude;
    if (e10 < 0) {
        *out++ = '-';
        magnitude = static_cast<unsigned>(-e10);
    } else {
        *out++ = '+';
        magnitude = static_cast<unsigned>(e10);
    }
    out[0] = static_cast<char>('0' + magnitude / 100);
    std::memcpy(out + 1, kDigitPairs + (magnitude % 100) * 2, 2);
    return out + 3;
}

// Mantissa digits q (precision + 1 of them) as d.ddd.
inline char* WriteMantissa(char* out, std::uint64_t q, int precision, char decimalSeparator)
{
    WriteDigits(out + 1, q, precision + 1);
    out[0] = out[1];
    if (precision == 0)
        return out + 1;
    out[1] = decimalSeparator;
    return out + precision + 2;
}

} // namespace

char* WriteExpCell(char* out, double value, int precision, bool forceSign, char decimalSeparator)
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t { 1 } << 52) - 1);

    if (precision < 0 || precision > kMaxFastExpPrecision || biased == 0x7FF || (biased == 0 && fraction != 0))
        return AppendExp(out, value, precision, forceSign, decimalSeparator);

    char* p = out;
    if (negative)
        *p++ = '-';
    else if (forceSign)
        *p++ = '+';

    if (biased == 0) { // zero
        *p++ = '0';
        if (precision > 0) {
            *p++ = decimalSeparator;
            std::memset(p, '0', static_cast<std::size_t>(precision));
            p += precision;
        }
        return WriteExponent(p, 0);
    }

    const std::uint64_t m = fraction | (std::uint64_t { 1 } << 52);
    const int e = biased - 1075; // |value| = m * 2^e
    // floor(log10(|value|)) is this estimate or one more; a rounding carry
    // (9.99 -> 10.0) can add one again.
    int e10 = ((e + 52) * 78913) >> 18;
    const std::uint64_t low = static_cast<std::uint64_t>(kPow10.value[precision]);
    const std::uint64_t high = static_cast<std::uint64_t>(kPow10.value[precision + 1]);
    std::uint64_t q = 0;
    for (int attempt = 0;; ++attempt) {
        if (attempt == 3 || !ScaledRound(m, e, precision - e10, q))
            return AppendExp(out, value, precision, forceSign, decimalSeparator);
        if (q >= high)
            ++e10;
        else if (q < low)
            --e10;
        else
            break;
    }
    p = WriteMantissa(p, q, precision, decimalSeparator);
    return WriteExponent(p, e10);
}

} // namespace kp
