#include "export/CodeTextTable.h"

#include "export/FastExp.h"

#include <new>

namespace kp {

CodeTextTable::CodeTextTable(
    std::function<double(std::uint32_t)> value, int precision, char separator, char decimalSeparator)
    : value_(std::move(value))
    , precision_(precision)
    , shift_(CellCapacity(precision) <= 15 ? 4 : 5)
    , lengthAt_((1 << shift_) - 1)
    , separator_(separator)
    , decimalSeparator_(decimalSeparator)
{
    cells_.reset(static_cast<char*>(std::calloc((std::size_t { 65536 } << shift_) + kCopy, 1)));
    if (!cells_)
        throw std::bad_alloc();
}

void CodeTextTable::build(std::uint16_t code, char* slot)
{
    slot[0] = separator_;
    const char* end = WriteExpCell(slot + 1, value_(code), precision_, true, decimalSeparator_);
    slot[lengthAt_] = static_cast<char>(end - slot);
}

} // namespace kp
