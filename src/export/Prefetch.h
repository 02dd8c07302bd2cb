#pragma once
// A hint to fetch the cache line at an address that will be read soon. GCC
// and Clang take their builtin, MSVC its intrinsic; elsewhere it does nothing,
// which changes the speed of a loop, never its result.

#if defined(_MSC_VER) && !defined(__clang__) && (defined(_M_X64) || defined(_M_IX86))
#include <xmmintrin.h>
#endif

namespace kp {

inline void Prefetch(const void* address)
{
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address);
#elif defined(_MSC_VER) && (defined(_M_X64) || defined(_M_IX86))
    _mm_prefetch(static_cast<const char*>(address), _MM_HINT_T0);
#else
    (void)address;
#endif
}

} // namespace kp
