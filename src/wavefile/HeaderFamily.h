#pragma once
// The header layout generation of a recording. Almost every reading and
// interpreting step switches on it. The numbers are those the command line,
// the JSON outputs and the recording writer show and take.

namespace kp {

enum class HeaderFamily : int {
    Family0 = 0, // the oldest memory recorder, little-endian words
    Family1 = 1, // most memory recorders: interleaved samples
    Family2 = 2, // recorder with channel blocks at saved positions
    Family3 = 3, // data loggers: a ring buffer of records
    Family4 = 4, // the oldest header form (2048-byte old header)
    Family5 = 5, // the chunked family
    Family6 = 6,
    Family7 = 7,
    Family8 = 8,
    Family9 = 9,
};

constexpr int FamilyNumber(HeaderFamily family)
{
    return static_cast<int>(family);
}

} // namespace kp
