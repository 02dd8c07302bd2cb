#pragma once
// UTF-16 names stored in index tables and binary headers, turned into the
// program's local text (UTF-8).

#include <cstdint>
#include <span>
#include <string>

#include "wavefile/ByteReader.h"

namespace kp {

// Decodes up to maxUnits 16-bit code units of the given byte order, stopping
// at a NUL unit or the end of the bytes (an odd last byte is ignored). A lone
// surrogate becomes U+FFFD. The result is cut at a character boundary so that
// it holds at most maxBytes bytes.
std::string Utf16ToUtf8(
    std::span<const std::uint8_t> bytes, ByteOrder order, std::size_t maxUnits, std::size_t maxBytes);

} // namespace kp
