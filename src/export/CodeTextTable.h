#pragma once
// The value texts of one 16-bit channel, by code. A 16-bit channel has at most
// 65,536 distinct codes and so at most 65,536 distinct cells, however many
// points it has: each cell (separator and "%+.*e" value) is formatted once, the
// first time its code occurs, and every later row copies it. The cells come
// from the exact formatter, so a row reads as if every value had been printed
// on its own.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

namespace kp {

class CodeTextTable {
public:
    // Cell slots are kStride bytes; the last byte of a slot holds the cell's
    // length (0 until the cell is built). Copying a whole slot and advancing
    // by the length is cheaper than copying the exact length.
    static constexpr int kStride = 32;
    static constexpr int kMaxCell = kStride - 1;

    // Whether cells of this precision fit a slot.
    static constexpr bool Fits(int precision) { return precision >= 0 && precision + 11 <= kMaxCell; }

    CodeTextTable(std::function<double(std::uint32_t)> value, int precision, char separator, char decimalSeparator);

    // The slot of a code; its first slotLength(slot) bytes are the cell.
    const char* slot(std::uint16_t code)
    {
        char* s = cells_.get() + static_cast<std::size_t>(code) * kStride;
        if (s[kMaxCell] == 0)
            build(code, s);
        return s;
    }
    static int slotLength(const char* slot) { return static_cast<unsigned char>(slot[kMaxCell]); }

    int precision() const { return precision_; }

private:
    void build(std::uint16_t code, char* slot);

    struct Free {
        void operator()(char* p) const { std::free(p); }
    };
    // Zero-filled on allocation by the system, so untouched codes cost no
    // memory.
    std::unique_ptr<char, Free> cells_;
    std::function<double(std::uint32_t)> value_;
    int precision_;
    char separator_;
    char decimalSeparator_;
};

} // namespace kp
