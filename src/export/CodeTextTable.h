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
#include <functional>
#include <memory>

namespace kp {

class CodeTextTable {
public:
    // A row copies kCopy bytes from a cell's slot and advances by the cell's
    // length: one fixed-size copy is cheaper than an exact one. Slots are 16
    // or 32 bytes; the last byte of a slot holds the cell's length (0 until
    // the cell is built), and the table ends with room for the last copy.
    static constexpr int kCopy = 32;

    // Whether cells of this precision fit a slot.
    static constexpr bool Fits(int precision) { return precision >= 0 && CellCapacity(precision) <= 31; }

    CodeTextTable(std::function<double(std::uint32_t)> value, int precision, char separator, char decimalSeparator);

    // The slot of a code; its first SlotLength bytes are the cell.
    const char* slot(std::uint16_t code)
    {
        char* s = cells_.get() + (static_cast<std::size_t>(code) << shift_);
        if (s[lengthAt_] == 0)
            build(code, s);
        return s;
    }
    int slotLength(const char* slot) const { return static_cast<unsigned char>(slot[lengthAt_]); }

    // For hot loops: the slots, log2 of their size, and where the length is.
    char* cells() const { return cells_.get(); }
    int shift() const { return shift_; }
    int lengthAt() const { return lengthAt_; }
    void build(std::uint16_t code, char* slot);

private:
    // Separator, sign, digit, decimal separator, digits, "e", sign, 3 digits.
    static constexpr int CellCapacity(int precision) { return precision + 9; }

    struct Free {
        void operator()(char* p) const { std::free(p); }
    };
    // Zero-filled on allocation by the system, so untouched codes cost no
    // memory.
    std::unique_ptr<char, Free> cells_;
    std::function<double(std::uint32_t)> value_;
    int precision_;
    int shift_;
    int lengthAt_;
    char separator_;
    char decimalSeparator_;
};

} // namespace kp
