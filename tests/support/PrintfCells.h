#pragma once
// The cells of a text file printed the plain way: the C library's printf, the
// exponent widened to three digits and the decimal point replaced by the
// locale's separator. The fast writers are compared against these.

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace kp::test {

// snprintf of one double with a "%.*e"-style format. A NaN with its sign bit
// set prints as "-nan", as glibc prints it and as the writers write it on
// every system; the Windows C libraries drop that sign.
inline int PrintfDouble(char* buffer, std::size_t size, const char* format, int precision, double value)
{
    if (!std::isnan(value) || !std::signbit(value))
        return std::snprintf(buffer, size, format, precision, value);
    int n = std::snprintf(buffer + 1, size - 1, format, precision, std::copysign(value, 1.0));
    if (buffer[1] == '+') {
        std::memmove(buffer, buffer + 1, static_cast<std::size_t>(n) + 1);
        --n;
    }
    buffer[0] = '-';
    return n + 1;
}

// Widens a two-digit exponent ("e+05" -> "e+005") and replaces '.' by sep, in
// place; returns the new length. buffer must have room for one more char.
inline int WidenPrintedExp(char* buffer, int length, char decimalSeparator)
{
    for (int i = 0; i < length; ++i)
        if (buffer[i] == '.')
            buffer[i] = decimalSeparator;
    char* e = static_cast<char*>(std::memchr(buffer, 'e', static_cast<std::size_t>(length)));
    if (e != nullptr && (buffer + length) - (e + 2) == 2) {
        e[4] = e[3];
        e[3] = e[2];
        e[2] = '0';
        ++length;
    }
    return length;
}

// printf("%+.*e") or printf("%.*e") with the export's exponent and separator.
inline std::string PrintfExp(double value, int precision, bool forceSign, char decimalSeparator)
{
    char buffer[640];
    int n = PrintfDouble(buffer, sizeof buffer - 1, forceSign ? "%+.*e" : "%.*e", precision, value);
    n = WidenPrintedExp(buffer, n, decimalSeparator);
    return std::string(buffer, static_cast<std::size_t>(n));
}

} // namespace kp::test
