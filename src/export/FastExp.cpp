#include "export/FastExp.h"

#include "export/UInt128.h"
#include "format/NumberWriter.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace kp {
namespace {

using U128 = UInt128;

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
    constexpr Pow10Table()
        : value()
    {
        for (int k = 0; k <= kMaxPow10; ++k)
            value[k] = Pow10(k);
    }
};
constexpr Pow10Table kPow10;

constexpr char kDigitPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                               "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                               "8081828384858687888990919293949596979899";

// Powers of ten as doubles, 10^-340 .. 10^308 (approximate for negative
// exponents: they only choose where the exact computation starts).
constexpr int kLowestPow10 = -340;
struct Pow10Doubles {
    double value[649];
    constexpr Pow10Doubles()
        : value()
    {
        double p = 1.0;
        for (int k = 0; k <= 308; ++k, p = k < 308 ? p * 10.0 : p)
            value[k - kLowestPow10] = p;
        p = 1.0;
        for (int k = 0; k >= kLowestPow10; --k, p /= 10.0)
            value[k - kLowestPow10] = p;
    }
};
constexpr Pow10Doubles kPow10Doubles;

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
[[gnu::always_inline]] inline bool ScaledRound(std::uint64_t m, int e, int k, std::uint64_t& out)
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

// Writes exactly N digits of q (q < 10^N), 32-bit arithmetic where it fits.
template <int N> inline void WriteDigits(char* out, std::uint64_t q)
{
    if constexpr (N > 8) {
        WriteDigits<N - 8>(out, q / 100000000u);
        WriteDigits<8>(out + N - 8, q % 100000000u);
    } else {
        auto v = static_cast<std::uint32_t>(q);
        char* p = out + N;
        for (int count = N; count >= 2; count -= 2) {
            p -= 2;
            std::memcpy(p, kDigitPairs + (v % 100) * 2, 2);
            v /= 100;
        }
        if constexpr (N % 2 != 0)
            *--p = static_cast<char>('0' + v);
    }
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

template <int P> char* ExpCell(char* out, double value, bool forceSign, char decimalSeparator)
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t { 1 } << 52) - 1);

    if (biased == 0x7FF || (biased == 0 && fraction != 0)) [[unlikely]]
        return AppendExp(out, value, P, forceSign, decimalSeparator);

    char* p = out;
    if (negative)
        *p++ = '-';
    else if (forceSign)
        *p++ = '+';

    if (biased == 0) { // zero
        *p++ = '0';
        if constexpr (P > 0) {
            *p++ = decimalSeparator;
            std::memset(p, '0', static_cast<std::size_t>(P));
            p += P;
        }
        return WriteExponent(p, 0);
    }

    const std::uint64_t m = fraction | (std::uint64_t { 1 } << 52);
    const int e = biased - 1075; // |value| = m * 2^e
    // floor(log10(|value|)) is this estimate or one more; the comparison
    // settles it but for values next to a power of ten, and a rounding carry
    // (9.99 -> 10.0) can add one again: the loop below corrects both.
    int e10 = ((e + 52) * 78913) >> 18;
    if (e10 + 1 <= 308 && std::fabs(value) >= kPow10Doubles.value[e10 + 1 - kLowestPow10])
        ++e10;
    constexpr std::uint64_t low = static_cast<std::uint64_t>(Pow10(P));
    constexpr std::uint64_t high = static_cast<std::uint64_t>(Pow10(P + 1));
    std::uint64_t q = 0;
    for (int attempt = 0;; ++attempt) {
        if (attempt == 3 || !ScaledRound(m, e, P - e10, q)) [[unlikely]]
            return AppendExp(out, value, P, forceSign, decimalSeparator);
        if (q >= high) [[unlikely]]
            ++e10;
        else if (q < low) [[unlikely]]
            --e10;
        else
            break;
    }
    // A mantissa of exactly 1.000... may come from an exponent one too high
    // (a value just below a power of ten that rounds up to it): the exponent
    // below decides whether the digits stay below 10 there.
    std::uint64_t below = 0;
    if (q == low && ScaledRound(m, e, P - e10 + 1, below) && below < high) {
        q = below;
        --e10;
    }
    WriteDigits<P + 1>(p + 1, q);
    p[0] = p[1];
    if constexpr (P == 0) {
        p += 1;
    } else {
        p[1] = decimalSeparator;
        p += P + 2;
    }
    return WriteExponent(p, e10);
}

template <std::size_t... I> constexpr auto MakeWriters(std::index_sequence<I...>)
{
    return std::array<ExpCellWriter, sizeof...(I)> { &ExpCell<static_cast<int>(I)>... };
}
constexpr auto kWriters = MakeWriters(std::make_index_sequence<kMaxFastExpPrecision + 1>());

template <std::size_t... I> constexpr auto MakeDigitWriters(std::index_sequence<I...>)
{
    return std::array<void (*)(char*, std::uint64_t), sizeof...(I)> { &WriteDigits<static_cast<int>(I) + 1>... };
}
constexpr auto kDigitWriters = MakeDigitWriters(std::make_index_sequence<kMaxFastExpPrecision + 1>());

// floor(log10(|value|)) of a normal, non-zero double, possibly one too high
// next to a power of ten.
int DecimalExponent(double value)
{
    const int biased = static_cast<int>((std::bit_cast<std::uint64_t>(value) >> 52) & 0x7FF);
    int e10 = ((biased - 1075 + 52) * 78913) >> 18;
    if (e10 + 1 <= 308 && std::fabs(value) >= kPow10Doubles.value[e10 + 1 - kLowestPow10])
        ++e10;
    return e10;
}

} // namespace

DecadeExpWriter::DecadeExpWriter(int precision, char decimalSeparator)
    : precision_(precision < 0 ? 6 : precision)
    , decimalSeparator_(decimalSeparator)
    , general_(ExpCellWriterFor(precision_))
    , digits_(precision_ <= kMaxFastExpPrecision ? kDigitWriters[static_cast<std::size_t>(precision_)] : nullptr)
{
}

void DecadeExpWriter::learn(int e10)
{
    k_ = -1;
    const int k = precision_ - e10;
    // One 64-bit factor keeps the product within 128 bits.
    if (k < 0 || k > 19)
        return;
    k_ = k;
    scale_ = static_cast<std::uint64_t>(Pow10(k));
    low_ = static_cast<std::uint64_t>(Pow10(precision_));
    high_ = static_cast<std::uint64_t>(Pow10(precision_ + 1));
    WriteExponent(exponent_, e10);
}

char* DecadeExpWriter::write(char* out, double value)
{
    if (general_ == nullptr)
        return AppendExp(out, value, precision_, false, decimalSeparator_);
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    if (biased == 0 || biased == 0x7FF) // zero, subnormal, inf, nan
        return general_(out, value, false, decimalSeparator_);
    const std::uint64_t m = (bits & ((std::uint64_t { 1 } << 52) - 1)) | (std::uint64_t { 1 } << 52);
    const int s = 1075 - biased; // |value| = m / 2^s
    if (k_ >= 0 && s > 0 && s < 127) {
        const U128 n = static_cast<U128>(m) * scale_;
        U128 q = n >> s;
        const U128 r = n - (q << s);
        const U128 half = static_cast<U128>(1) << (s - 1);
        if (r > half || (r == half && (q & 1)))
            ++q;
        // Within the decade, and not at its very bottom (where the
        // exponent below may be the right one).
        if (q > low_ && q < high_) {
            char* p = out;
            if ((bits >> 63) != 0)
                *p++ = '-';
            digits_(p + 1, static_cast<std::uint64_t>(q));
            p[0] = p[1];
            if (precision_ == 0) {
                p += 1;
            } else {
                p[1] = decimalSeparator_;
                p += precision_ + 2;
            }
            std::memcpy(p, exponent_, 5);
            return p + 5;
        }
    }
    learn(DecimalExponent(value));
    return general_(out, value, false, decimalSeparator_);
}

ExpCellWriter ExpCellWriterFor(int precision)
{
    return precision >= 0 && precision <= kMaxFastExpPrecision ? kWriters[static_cast<std::size_t>(precision)]
                                                               : nullptr;
}

char* WriteExpCell(char* out, double value, int precision, bool forceSign, char decimalSeparator)
{
    if (precision < 0 || precision > kMaxFastExpPrecision)
        return AppendExp(out, value, precision, forceSign, decimalSeparator);
    return kWriters[static_cast<std::size_t>(precision)](out, value, forceSign, decimalSeparator);
}

} // namespace kp
