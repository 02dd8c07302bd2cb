#include "export/RowWriter.h"

#include "export/FastExp.h"
#include "export/Prefetch.h"
#include "export/TextFileOutput.h"
#include "wavefile/ChannelTables.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

namespace kp {

struct RowWriter::Column {
    ColumnSource source;
    int bit;
    int precision;
    CodeTextTable* table = nullptr; // 16-bit codes
    const std::function<double(std::uint32_t)>* value = nullptr; // 32-bit codes, or 16-bit without a table
    const void* data = nullptr;
    std::int64_t size = 0;
    // The last 32-bit code or float and its cell: neighbouring points of such
    // channels often repeat.
    bool haveLast = false;
    std::uint32_t lastBits = 0;
    int lastLength = 0;
    char last[kMaxColumnPrecision + 16];
};

namespace {

template <typename T> const std::vector<T>& Values(const ChannelSlot<T>& slot, bool secondary)
{
    return secondary ? slot.secondary : slot.primary;
}

} // namespace

RowWriter::RowWriter(const ExportLayout& layout)
    : layout_(layout)
    , time_(layout.time, layout.style.decimalSeparator)
{
    const char sep = layout_.style.separator;
    const char dec = layout_.style.decimalSeparator;
    struct Key {
        ColumnSource source;
        int slot;
        int precision;
        CodeTextTable* table;
    };
    std::vector<Key> keys;
    columns_.reserve(layout_.columns.size());
    cellsCapacity_ = TimeCellWriter::kFixedCapacity + 2 * CodeTextTable::kCopy;
    for (const ExportColumn& c : layout_.columns) {
        const int precision = std::clamp(c.precision, 0, kMaxColumnPrecision);
        Column col {};
        col.source = c.source;
        col.bit = c.bit;
        col.precision = precision;
        col.value = &c.value;
        const bool sixteen = c.source == ColumnSource::Analog || c.source == ColumnSource::Pulse;
        if (sixteen && CodeTextTable::Fits(precision)) {
            // The two values of a pair share one table.
            auto it = std::find_if(keys.begin(), keys.end(),
                [&](const Key& k) { return k.source == c.source && k.slot == c.slot && k.precision == precision; });
            if (it == keys.end()) {
                tables_.push_back(std::make_unique<CodeTextTable>(c.value, precision, sep, dec));
                keys.push_back({ c.source, c.slot, precision, tables_.back().get() });
                it = keys.end() - 1;
            }
            col.table = it->table;
        }
        columns_.push_back(col);
        cellsCapacity_ += std::max<std::size_t>(CodeTextTable::kCopy, static_cast<std::size_t>(precision) + 12);
    }
}

RowWriter::~RowWriter() = default;

void RowWriter::bind(const ChannelTables& tables, std::int64_t tableFirst)
{
    tableFirst_ = tableFirst;
    tableColumns_.clear();
    allTables_ = !columns_.empty();
    minSize_ = std::numeric_limits<std::int64_t>::max();
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const ExportColumn& c = layout_.columns[i];
        Column& col = columns_[i];
        col.data = nullptr;
        col.size = 0;
        col.haveLast = false;
        auto use = [&col](const auto& values) {
            col.data = values.data();
            col.size = static_cast<std::int64_t>(values.size());
        };
        const auto slot = static_cast<std::size_t>(c.slot);
        switch (c.source) {
        case ColumnSource::Analog:
            if (slot < tables.analog.size())
                use(Values(tables.analog[slot], c.secondary));
            break;
        case ColumnSource::Pulse:
            if (slot < tables.pulse.size())
                use(Values(tables.pulse[slot], c.secondary));
            break;
        case ColumnSource::LogicWord:
        case ColumnSource::LogicBit:
            if (slot < tables.logic.size())
                use(Values(tables.logic[slot], c.secondary));
            break;
        case ColumnSource::Float:
            if (slot < tables.floats.size())
                use(Values(tables.floats[slot], c.secondary));
            break;
        case ColumnSource::GroupBit:
            if (slot < tables.logicGroups.groups.size())
                use(Values(tables.logicGroups.groups[slot], c.secondary));
            break;
        }
        minSize_ = std::min(minSize_, col.size);
        if (col.table != nullptr && col.data != nullptr)
            tableColumns_.push_back({ static_cast<const std::uint16_t*>(col.data), col.table->cells(),
                col.table->shift(), col.table->lengthAt(), col.table });
        else
            allTables_ = false;
    }
}

inline char* RowWriter::writeCell(Column& col, char* p, std::int64_t index)
{
    const char sep = layout_.style.separator;
    if (index >= col.size) {
        *p++ = sep;
        return p;
    }
    switch (col.source) {
    case ColumnSource::Analog:
    case ColumnSource::Pulse: {
        const std::uint16_t code = static_cast<const std::uint16_t*>(col.data)[index];
        if (col.table != nullptr) {
            const char* slot = col.table->slot(code);
            std::memcpy(p, slot, CodeTextTable::kCopy);
            p += col.table->slotLength(slot);
        } else {
            *p++ = sep;
            p = WriteExpCell(p, (*col.value)(code), col.precision, true, layout_.style.decimalSeparator);
        }
        break;
    }
    case ColumnSource::LogicWord:
    case ColumnSource::Float: {
        const std::uint32_t bits = col.source == ColumnSource::Float
            ? std::bit_cast<std::uint32_t>(static_cast<const float*>(col.data)[index])
            : static_cast<const std::uint32_t*>(col.data)[index];
        if (!col.haveLast || bits != col.lastBits) {
            const double v = col.source == ColumnSource::Float ? static_cast<double>(std::bit_cast<float>(bits))
                                                               : (*col.value)(bits);
            col.last[0] = sep;
            col.lastLength = static_cast<int>(
                WriteExpCell(col.last + 1, v, col.precision, true, layout_.style.decimalSeparator) - col.last);
            col.lastBits = bits;
            col.haveLast = true;
        }
        std::memcpy(p, col.last, static_cast<std::size_t>(col.lastLength));
        p += col.lastLength;
        break;
    }
    case ColumnSource::LogicBit:
    case ColumnSource::GroupBit: {
        const std::uint32_t word = static_cast<const std::uint32_t*>(col.data)[index];
        p[0] = sep;
        p[1] = static_cast<char>('0' + ((word >> col.bit) & 1u));
        p += 2;
        break;
    }
    }
    return p;
}

char* RowWriter::writeCells(char* p, std::int64_t index, bool dropFirstSeparator)
{
    auto it = columns_.begin();
    if (dropFirstSeparator && it != columns_.end()) {
        char* start = p;
        p = writeCell(*it, p, index);
        std::memmove(start, start + 1, static_cast<std::size_t>(p - start - 1));
        --p;
        ++it;
    }
    for (; it != columns_.end(); ++it)
        p = writeCell(*it, p, index);
    return p;
}

// The common case in its own loop: every column a 16-bit channel with a
// table, every array covering the rows. No bounds checks, no dispatch.
char* RowWriter::writeTableCells(char* p, std::int64_t index, std::int64_t aheadIndex)
{
    for (const TableColumn& c : tableColumns_) {
        // The cells of a row a few rows on are fetched while this one is
        // copied: table lookups are the slow part of a row.
        Prefetch(c.cells + (static_cast<std::size_t>(c.data[aheadIndex]) << c.shift));
        const std::uint16_t code = c.data[index];
        char* slot = c.cells + (static_cast<std::size_t>(code) << c.shift);
        unsigned length = static_cast<unsigned char>(slot[c.lengthAt]);
        if (length == 0) {
            c.table->build(code, slot);
            length = static_cast<unsigned char>(slot[c.lengthAt]);
        }
        std::memcpy(p, slot, CodeTextTable::kCopy);
        p += length;
    }
    return p;
}

constexpr std::int64_t kPrefetchRows = 16;

bool RowWriter::coversRows(std::int64_t first, std::int64_t step, std::int64_t rows) const
{
    if (!allTables_ || rows <= 0)
        return false;
    const std::int64_t low = first - tableFirst_;
    const std::int64_t high = low + (rows - 1) * step;
    return low >= 0 && high < minSize_;
}

bool RowWriter::writeRows(TextFileOutput& out, std::int64_t first, std::int64_t step, std::int64_t rows)
{
    const std::string& newline = layout_.style.newline;
    const std::size_t newlineLength = newline.size();
    char newlineBytes[2] = { newline.empty() ? '\n' : newline[0], newlineLength > 1 ? newline[1] : '\0' };
    const bool timeCell = layout_.time.present;
    const bool fixedTime = time_.fixedWidth();
    const std::size_t capacity = cellsCapacity_ + newlineLength;
    const bool fast = coversRows(first, step, rows);

    std::int64_t point = first;
    for (std::int64_t r = 0; r < rows; ++r, point += step) {
        std::string_view timeText;
        if (timeCell && !fixedTime)
            timeText = time_.text(point);
        if (!out.ensure(capacity + timeText.size()))
            return false;
        char* p = out.cursor();
        if (timeCell) {
            if (fixedTime) {
                p = time_.write(p, point);
            } else {
                std::memcpy(p, timeText.data(), timeText.size());
                p += timeText.size();
            }
        }
        // Without a time cell the row starts with the first value, without
        // a separator before it.
        if (fast && timeCell)
            p = writeTableCells(
                p, point - tableFirst_, point - tableFirst_ + (r + kPrefetchRows < rows ? kPrefetchRows * step : 0));
        else
            p = writeCells(p, point - tableFirst_, !timeCell);
        std::memcpy(p, newlineBytes, 2);
        p += newlineLength;
        out.setCursor(p);
    }
    return true;
}

} // namespace kp
