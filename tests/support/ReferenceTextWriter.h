#pragma once
// The rows of a text file written the plain way: every cell printed with
// snprintf on its own, one row at a time. The fast row writer must produce
// exactly these bytes; the benchmark also times this writer against it.

#include "PrintfCells.h"
#include "export/ExportLayout.h"
#include "format/DateTimeFormat.h"
#include "format/ElapsedTimeFormat.h"
#include "wavefile/ChannelTables.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace kp::test {

class ReferenceTextWriter {
public:
    ReferenceTextWriter(const ExportLayout& layout, const ChannelTables& tables, std::int64_t tableFirst)
        : layout_(layout)
        , tables_(tables)
        , tableFirst_(tableFirst)
    {
    }

    // Rows for first, first + step, ... (rows of them), each handed to sink
    // as (data, size).
    template <typename Sink> void writeRows(std::int64_t first, std::int64_t step, std::int64_t rows, Sink&& sink)
    {
        std::vector<char> row(256 + layout_.columns.size() * 64);
        for (std::int64_t r = 0; r < rows; ++r) {
            const std::size_t n = formatRow(first + r * step, row.data());
            sink(row.data(), n);
        }
    }

    // One row into out (256 + 64 bytes per column of room); returns its length.
    std::size_t formatRow(std::int64_t point, char* out) const
    {
        const ExportTimeColumn& t = layout_.time;
        const char sep = layout_.style.separator;
        const char dec = layout_.style.decimalSeparator;
        char* p = out;
        if (t.present) {
            const double seconds = static_cast<double>(point - t.triggerPoint) * t.interval;
            std::string text;
            switch (t.notation) {
            case 0:
                p += WidenPrintedExp(
                    p, std::sprintf(p, "%.*e", t.precision, std::fabs(seconds) < 1e-10 ? 0.0 : seconds), dec);
                break;
            case 1:
                text = FormatDateTimeWhole(t.triggerMoment, seconds, false);
                break;
            case 2:
                text = FormatElapsedTime(seconds, t.interval, false, t.precision);
                break;
            default:
                p += std::sprintf(p, "%lld", static_cast<long long>(point - t.triggerPoint));
                break;
            }
            if (!text.empty())
                p += std::sprintf(p, "%s", text.c_str());
        }
        const std::int64_t index = point - tableFirst_;
        bool firstCell = !t.present;
        for (const ExportColumn& c : layout_.columns) {
            if (!firstCell)
                *p++ = sep;
            firstCell = false;
            const auto slot = static_cast<std::size_t>(c.slot);
            auto pick = [&](const auto& s) -> const auto&
            {
                return c.secondary ? s.secondary : s.primary;
            };
            auto value = [&](double v) { p += WidenPrintedExp(p, std::sprintf(p, "%+.*e", c.precision, v), dec); };
            switch (c.source) {
            case ColumnSource::Analog: {
                const auto& v = pick(tables_.analog[slot]);
                if (index < static_cast<std::int64_t>(v.size()))
                    value(c.value(v[index]));
                break;
            }
            case ColumnSource::Pulse: {
                const auto& v = pick(tables_.pulse[slot]);
                if (index < static_cast<std::int64_t>(v.size()))
                    value(c.value(v[index]));
                break;
            }
            case ColumnSource::LogicWord: {
                const auto& v = pick(tables_.logic[slot]);
                if (index < static_cast<std::int64_t>(v.size()))
                    value(c.value(v[index]));
                break;
            }
            case ColumnSource::Float: {
                const auto& v = pick(tables_.floats[slot]);
                if (index < static_cast<std::int64_t>(v.size()))
                    value(static_cast<double>(v[index]));
                break;
            }
            case ColumnSource::LogicBit:
            case ColumnSource::GroupBit: {
                const auto& v
                    = pick(c.source == ColumnSource::LogicBit ? tables_.logic[slot] : tables_.logicGroups.groups[slot]);
                if (index < static_cast<std::int64_t>(v.size()))
                    p += std::sprintf(p, "%d", static_cast<int>((v[index] >> c.bit) & 1u));
                break;
            }
            }
        }
        for (char ch : layout_.style.newline)
            *p++ = ch;
        return static_cast<std::size_t>(p - out);
    }

private:
    const ExportLayout& layout_;
    const ChannelTables& tables_;
    std::int64_t tableFirst_;
};

} // namespace kp::test
