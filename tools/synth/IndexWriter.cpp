#include "synth/IndexWriter.h"

#include <fstream>
#include <stdexcept>

#include "synth/RecordBytes.h"

namespace kp::synth {
namespace {

void PutBE32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v)
{
    out[at] = static_cast<std::uint8_t>(v >> 24);
    out[at + 1] = static_cast<std::uint8_t>(v >> 16);
    out[at + 2] = static_cast<std::uint8_t>(v >> 8);
    out[at + 3] = static_cast<std::uint8_t>(v);
}

std::u16string Utf8ToUtf16(const std::string& text)
{
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        char32_t c = 0;
        std::size_t n = 1;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            n = 2;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            n = 3;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            n = 4;
        } else {
            throw std::invalid_argument("not UTF-8: " + text);
        }
        if (i + n > text.size())
            throw std::invalid_argument("not UTF-8: " + text);
        for (std::size_t k = 1; k < n; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        i += n;
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

} // namespace

std::string Name83Stored(const std::string& base, const std::string& extension)
{
    if (base.size() > 8 || extension.size() > 4)
        throw std::invalid_argument("8.3 name too long: " + base + "." + extension);
    std::string stored = base + std::string(8 - base.size(), ' ') + extension;
    return stored + std::string(12 - stored.size(), ' ');
}

std::vector<std::uint8_t> MakeIndexFile(const IndexBlueprint& blueprint)
{
    RecordBlueprint head { blueprint.tag, blueprint.fields, {} };
    head.fields[2] = blueprint.model;
    head.fields[4] = blueprint.function;
    if (!blueprint.subModel.empty())
        head.fields[15] = blueprint.subModel;
    head.fields[6] = blueprint.countText.empty() ? std::to_string(blueprint.entries.size()) : blueprint.countText;

    std::size_t entrySize = 16;
    std::size_t start = 512;
    switch (blueprint.layout) {
    case IndexLayout::Block16:
        entrySize = 16;
        break;
    case IndexLayout::Block132:
        entrySize = 132;
        break;
    case IndexLayout::Utf16:
        entrySize = 240;
        break;
    }
    if (blueprint.layout != IndexLayout::Utf16) {
        if (blueprint.tableRecord < 1)
            throw std::invalid_argument("index table inside the first record");
        head.fields[1] = std::to_string(blueprint.tableRecord);
        start = static_cast<std::size_t>(blueprint.tableRecord) * 512;
    }

    std::vector<std::uint8_t> out;
    AppendRecord(out, MakeRecord(head));
    out.resize(start + entrySize * blueprint.entries.size(), 0);
    for (std::size_t i = 0; i < blueprint.entries.size(); ++i) {
        const IndexEntryBlueprint& e = blueprint.entries[i];
        const std::size_t at = start + i * entrySize;
        switch (blueprint.layout) {
        case IndexLayout::Block16: {
            if (e.name.size() > 12)
                throw std::invalid_argument("layout-1 name longer than 12: " + e.name);
            PutBE32(out, at, e.blockNumber);
            std::string stored = e.name + std::string(12 - e.name.size(), ' ');
            std::copy(stored.begin(), stored.end(), out.begin() + static_cast<std::ptrdiff_t>(at + 4));
            break;
        }
        case IndexLayout::Block132:
            if (e.name.size() > 127)
                throw std::invalid_argument("layout-2 name longer than 127: " + e.name);
            PutBE32(out, at, e.blockNumber);
            std::copy(e.name.begin(), e.name.end(), out.begin() + static_cast<std::ptrdiff_t>(at + 4));
            break;
        case IndexLayout::Utf16: {
            const std::u16string units = Utf8ToUtf16(e.name);
            if (units.size() > 119)
                throw std::invalid_argument("layout-3 name longer than 119 units: " + e.name);
            for (std::size_t k = 0; k < units.size(); ++k) {
                out[at + 2 * k] = static_cast<std::uint8_t>(units[k] >> 8);
                out[at + 2 * k + 1] = static_cast<std::uint8_t>(units[k] & 0xFF);
            }
            break;
        }
        }
    }
    return out;
}

void WriteIndexFile(const std::filesystem::path& path, const IndexBlueprint& blueprint)
{
    const std::vector<std::uint8_t> bytes = MakeIndexFile(blueprint);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace kp::synth
