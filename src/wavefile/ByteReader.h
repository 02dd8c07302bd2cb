#pragma once
// Bounds-checked reads of fixed-size values from a byte span. The byte order is
// chosen once per reader; values are assembled with shifts, floats through
// std::bit_cast, never by casting pointers into the buffer.

#include <bit>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace kp {

enum class ByteOrder { Big, Little };

// A read outside the span: the file is shorter than its header claims.
class ShortReadError : public std::runtime_error {
public:
    ShortReadError(std::uint64_t offset, std::uint64_t size, std::uint64_t available)
        : std::runtime_error("read of " + std::to_string(size) + " bytes at " + std::to_string(offset)
            + " beyond the end at " + std::to_string(available))
        , offset_(offset)
        , size_(size)
        , available_(available)
    {
    }
    std::uint64_t offset() const { return offset_; }
    std::uint64_t size() const { return size_; }
    std::uint64_t available() const { return available_; }

private:
    std::uint64_t offset_, size_, available_;
};

// Raw loads for hot loops that have already checked a whole frame with fits().
inline std::uint16_t LoadBE16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}
inline std::uint16_t LoadLE16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>((p[1] << 8) | p[0]);
}
inline std::uint32_t LoadBE32(const std::uint8_t* p)
{
    return (std::uint32_t { p[0] } << 24) | (std::uint32_t { p[1] } << 16) | (std::uint32_t { p[2] } << 8) | p[3];
}
inline std::uint32_t LoadLE32(const std::uint8_t* p)
{
    return (std::uint32_t { p[3] } << 24) | (std::uint32_t { p[2] } << 16) | (std::uint32_t { p[1] } << 8) | p[0];
}
inline std::uint64_t LoadBE64(const std::uint8_t* p)
{
    return (std::uint64_t { LoadBE32(p) } << 32) | LoadBE32(p + 4);
}
inline std::uint64_t LoadLE64(const std::uint8_t* p)
{
    return (std::uint64_t { LoadLE32(p + 4) } << 32) | LoadLE32(p);
}

// Overflow-safe: does [offset, offset + size) lie inside a span of n bytes?
constexpr bool Fits(std::uint64_t n, std::uint64_t offset, std::uint64_t size)
{
    return size <= n && offset <= n - size;
}

class ByteReader {
public:
    ByteReader(std::span<const std::uint8_t> bytes, ByteOrder order)
        : bytes_(bytes)
        , order_(order)
    {
    }

    std::uint64_t size() const { return bytes_.size(); }
    std::span<const std::uint8_t> bytes() const { return bytes_; }
    ByteOrder order() const { return order_; }

    bool fits(std::uint64_t offset, std::uint64_t size) const { return Fits(bytes_.size(), offset, size); }
    // Throws ShortReadError unless [offset, offset + size) is inside the span.
    void need(std::uint64_t offset, std::uint64_t size) const
    {
        if (!fits(offset, size))
            throw ShortReadError(offset, size, bytes_.size());
    }
    // The checked sub-span [offset, offset + size).
    std::span<const std::uint8_t> slice(std::uint64_t offset, std::uint64_t size) const
    {
        need(offset, size);
        return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
    }

    std::uint8_t u8(std::uint64_t offset) const
    {
        need(offset, 1);
        return bytes_[offset];
    }
    std::uint16_t u16(std::uint64_t offset) const
    {
        need(offset, 2);
        const std::uint8_t* p = bytes_.data() + offset;
        return order_ == ByteOrder::Big ? LoadBE16(p) : LoadLE16(p);
    }
    std::uint32_t u32(std::uint64_t offset) const
    {
        need(offset, 4);
        const std::uint8_t* p = bytes_.data() + offset;
        return order_ == ByteOrder::Big ? LoadBE32(p) : LoadLE32(p);
    }
    std::uint64_t u64(std::uint64_t offset) const
    {
        need(offset, 8);
        const std::uint8_t* p = bytes_.data() + offset;
        return order_ == ByteOrder::Big ? LoadBE64(p) : LoadLE64(p);
    }
    std::int8_t i8(std::uint64_t offset) const { return static_cast<std::int8_t>(u8(offset)); }
    std::int16_t i16(std::uint64_t offset) const { return static_cast<std::int16_t>(u16(offset)); }
    std::int32_t i32(std::uint64_t offset) const { return static_cast<std::int32_t>(u32(offset)); }
    std::int64_t i64(std::uint64_t offset) const { return static_cast<std::int64_t>(u64(offset)); }
    float f32(std::uint64_t offset) const { return std::bit_cast<float>(u32(offset)); }
    double f64(std::uint64_t offset) const { return std::bit_cast<double>(u64(offset)); }

private:
    std::span<const std::uint8_t> bytes_;
    ByteOrder order_;
};

// Bit rearrangements of logic data.
constexpr std::uint8_t ReverseBits8(std::uint8_t v)
{
    v = static_cast<std::uint8_t>(((v & 0xF0u) >> 4) | ((v & 0x0Fu) << 4));
    v = static_cast<std::uint8_t>(((v & 0xCCu) >> 2) | ((v & 0x33u) << 2));
    v = static_cast<std::uint8_t>(((v & 0xAAu) >> 1) | ((v & 0x55u) << 1));
    return v;
}
constexpr std::uint16_t ReverseBits16(std::uint16_t v)
{
    return static_cast<std::uint16_t>(
        (ReverseBits8(static_cast<std::uint8_t>(v & 0xFF)) << 8) | ReverseBits8(static_cast<std::uint8_t>(v >> 8)));
}
constexpr std::uint16_t ReverseNibbles16(std::uint16_t v)
{
    return static_cast<std::uint16_t>(
        ((v & 0x000Fu) << 12) | ((v & 0x00F0u) << 4) | ((v & 0x0F00u) >> 4) | ((v & 0xF000u) >> 12));
}
constexpr std::uint16_t SwapBytes16(std::uint16_t v)
{
    return static_cast<std::uint16_t>((v << 8) | (v >> 8));
}

} // namespace kp
