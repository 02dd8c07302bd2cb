#pragma once
// Bytes a written file must hold at given places, stated as literals. The
// recording writer and the reader share their layout constants, so an offset
// wrong in both reads back unnoticed; a pin written out by hand does not.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kp::test {

struct BytePin {
    std::string tag; // header record the offset counts from; empty: the file start
    std::string name; // that record's field 1; empty: the first record of the tag
    std::size_t at = 0;
    std::string bytes; // as stored, NULs included
};

inline BytePin At(std::size_t at, std::string bytes)
{
    return { {}, {}, at, std::move(bytes) };
}

inline BytePin In(std::string tag, std::string name, std::size_t at, std::string bytes)
{
    return { std::move(tag), std::move(name), at, std::move(bytes) };
}

// "12 AB 00" as bytes.
inline std::string Hex(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == ' ')
            continue;
        out.push_back(static_cast<char>(std::stoi(std::string(text.substr(i, 2)), nullptr, 16)));
        ++i;
    }
    return out;
}

inline std::string Zeros(std::size_t n)
{
    return std::string(n, '\0');
}

// Text of a 12-byte field of the 512-byte record at `record`, up to its NUL.
inline std::string FieldText(const std::vector<std::uint8_t>& file, std::size_t record, int field)
{
    std::string text;
    for (std::size_t i = record + 12 * static_cast<std::size_t>(field); i < file.size() && text.size() < 12; ++i) {
        if (file[i] == 0)
            break;
        text.push_back(static_cast<char>(file[i]));
    }
    return text;
}

// Start of the record with this tag (and field 1), among as many records as
// the main record's field 1 counts.
inline std::optional<std::size_t> FindRecord(
    const std::vector<std::uint8_t>& file, const std::string& tag, const std::string& name)
{
    const std::string count = FieldText(file, 0, 1);
    const std::size_t records = count.empty() ? 0 : std::stoul(count);
    for (std::size_t r = 0; r < records && (r + 1) * 512 <= file.size(); ++r)
        if (FieldText(file, r * 512, 0) == tag && (name.empty() || FieldText(file, r * 512, 1) == name))
            return r * 512;
    return std::nullopt;
}

inline std::string HexOf(std::string_view bytes)
{
    std::string out;
    char cell[4];
    for (unsigned char c : bytes) {
        std::snprintf(cell, sizeof cell, "%02X ", c);
        out += cell;
    }
    return out;
}

inline void ExpectPins(const std::vector<std::uint8_t>& file, const std::vector<BytePin>& pins)
{
    for (const BytePin& pin : pins) {
        std::size_t base = 0;
        if (!pin.tag.empty()) {
            const auto found = FindRecord(file, pin.tag, pin.name);
            if (!found) {
                ADD_FAILURE() << "no record " << pin.tag << " " << pin.name;
                continue;
            }
            base = *found;
        }
        const std::size_t at = base + pin.at;
        if (at + pin.bytes.size() > file.size()) {
            ADD_FAILURE() << pin.tag << " " << pin.name << " byte " << pin.at << ": beyond the file of " << file.size()
                          << " bytes";
            continue;
        }
        const std::string got(file.begin() + static_cast<std::ptrdiff_t>(at),
            file.begin() + static_cast<std::ptrdiff_t>(at + pin.bytes.size()));
        EXPECT_EQ(HexOf(got), HexOf(pin.bytes)) << pin.tag << " " << pin.name << " byte " << pin.at;
    }
}

} // namespace kp::test
