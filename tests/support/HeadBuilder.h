#pragma once
// Builds a loaded CWaveHeadInfo from a main record and a list of records (or
// a family-4 old header), for tests of the interpreting accessors. Binary
// values are written big-endian, hex doubles as 16 hexadecimal digits.

#include <bit>
#include <cstdint>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "support/HeaderBytes.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp::test {

// Version texts that select each header family (family 4 has its own header).
inline std::string VersionOfFamily(int family)
{
    switch (family) {
    case 0:
        return "35180001";
    case 1:
        return "41700001";
    case 2:
        return "33840001";
    case 3:
        return "30190001";
    case 5:
        return "55950002";
    case 6:
        return "52280001";
    case 7:
        return "QX476701";
    case 8:
        return "QX301301";
    case 9:
        return "QX312201";
    default:
        throw std::invalid_argument("no version text for family " + std::to_string(family));
    }
}

inline std::vector<std::uint8_t> BigEndian16(std::int16_t v)
{
    const auto u = static_cast<std::uint16_t>(v);
    return { static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>(u) };
}

inline std::vector<std::uint8_t> BigEndian32(std::uint32_t u)
{
    return { static_cast<std::uint8_t>(u >> 24), static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 8),
        static_cast<std::uint8_t>(u) };
}

inline std::vector<std::uint8_t> BigEndianFloat(float f)
{
    return BigEndian32(std::bit_cast<std::uint32_t>(f));
}

inline std::vector<std::uint8_t> BigEndianDouble(double d)
{
    const auto u = std::bit_cast<std::uint64_t>(d);
    auto out = BigEndian32(static_cast<std::uint32_t>(u >> 32));
    const auto low = BigEndian32(static_cast<std::uint32_t>(u));
    out.insert(out.end(), low.begin(), low.end());
    return out;
}

// 16 hexadecimal digits of a double, most significant byte first.
inline std::string HexDigits(double d, bool upper = true)
{
    char text[17];
    std::snprintf(text, sizeof text, upper ? "%016llX" : "%016llx",
        static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(d)));
    return text;
}

// Raw bytes that put a hex double at a field boundary (it runs into the next
// field, which a 12-character text field cannot hold).
inline std::pair<std::size_t, std::vector<std::uint8_t>> HexField(int field, double d)
{
    const std::string digits = HexDigits(d);
    return { static_cast<std::size_t>(field) * 12, std::vector<std::uint8_t>(digits.begin(), digits.end()) };
}

class HeadBuilder {
public:
    explicit HeadBuilder(int family, const std::string& function = "MEM", const std::string& model = "")
        : family_(family)
    {
        main_.tag = "HW";
        main_.fields[2] = model.empty() ? VersionOfFamily(family).substr(0, family >= 7 ? 6 : 4) : model;
        main_.fields[4] = function;
        main_.fields[6] = "1000";
        main_.fields[9] = VersionOfFamily(family);
    }

    HeadBuilder& Main(int field, const std::string& text)
    {
        main_.fields[field] = text;
        return *this;
    }

    HeadBuilder& Record(synth::RecordBlueprint record)
    {
        records_.push_back(std::move(record));
        return *this;
    }

    // A channel text record for 0-based channel ch (designation ch + 1).
    HeadBuilder& Channel(int ch, std::map<int, std::string> fields,
        std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>> bytes = {})
    {
        fields[1] = std::to_string(ch + 1);
        return Record({ "HC", std::move(fields), std::move(bytes) });
    }

    // The channel's second record in the tag of the family.
    HeadBuilder& Channel02(int ch, std::map<int, std::string> fields,
        std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>> bytes = {})
    {
        fields[1] = std::to_string(ch + 1);
        return Record({ family_ == 8 || family_ == 9 ? "HC02" : "HC_02", std::move(fields), std::move(bytes) });
    }

    // A binary unit block (families 1, 2, 6, 7) for 0-based unit.
    HeadBuilder& UnitBlock(int unit, std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>> bytes)
    {
        const int n = (unit + 1) % 100;
        const std::string number = std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10);
        const std::string tag = (family_ == 6 ? "HPD5228" : "HPF") + number;
        return Record({ tag, {}, std::move(bytes) });
    }

    HeadBuilder& Pulse(int p, std::map<int, std::string> fields)
    {
        fields[1] = "P" + std::to_string(p + 1);
        return Record({ "HJ", std::move(fields), {} });
    }

    HeadBuilder& Pulse02(int p, std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>> bytes)
    {
        return Record({ "HJ02", { { 1, "P" + std::to_string(p + 1) } }, std::move(bytes) });
    }

    HeadBuilder& Logic(int unit, std::map<int, std::string> fields)
    {
        fields[1] = "L" + std::to_string(unit + 1);
        return Record({ "HL", std::move(fields), {} });
    }

    CWaveHeadInfo Load() const
    {
        CWaveHeadInfo head;
        if (!head.Load(HeaderBytes(main_, records_)))
            throw std::runtime_error("header did not load");
        if (FamilyNumber(head.GetHeaderFamily()) != family_)
            throw std::runtime_error("header loaded as family " + std::to_string(FamilyNumber(head.GetHeaderFamily())));
        return head;
    }

private:
    int family_;
    synth::RecordBlueprint main_;
    std::vector<synth::RecordBlueprint> records_;
};

// The 2048-byte old header of family 4.
class OldHeaderBuilder {
public:
    explicit OldHeaderBuilder(const std::string& function = "MEM")
        : bytes_(2048, 0)
    {
        Text(0, "VORAN4756");
        Text(17, function);
        Text(83, "1000");
        Text(110, "  4");
        Text(113, "  1");
    }
    OldHeaderBuilder& Text(std::size_t at, const std::string& text)
    {
        std::copy(text.begin(), text.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at));
        return *this;
    }
    OldHeaderBuilder& Byte(std::size_t at, std::uint8_t value)
    {
        bytes_.at(at) = value;
        return *this;
    }
    OldHeaderBuilder& Bytes(std::size_t at, const std::vector<std::uint8_t>& bytes)
    {
        std::copy(bytes.begin(), bytes.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at));
        return *this;
    }
    CWaveHeadInfo Load() const
    {
        CWaveHeadInfo head;
        if (!head.Load(bytes_) || head.GetHeaderFamily() != HeaderFamily::Family4)
            throw std::runtime_error("old header did not load");
        return head;
    }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace kp::test
