#include "wavefile/ChunkTableOfContents.h"

#include <cstring>

#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChunkFormat.h"
#include "wavefile/ChunkFrameLayout.h"

namespace kp {

namespace {

// Up to 8 hexadecimal digits, NUL padding allowed after at least one digit.
std::optional<std::uint64_t> HexOffset(const std::uint8_t* text)
{
    std::uint64_t value = 0;
    std::size_t digits = 0;
    for (; digits < chunk::kTocOffsetDigits && text[digits] != 0; ++digits) {
        const char c = static_cast<char>(text[digits]);
        int v = -1;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        if (v < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(v);
    }
    if (digits == 0)
        return std::nullopt;
    for (std::size_t i = digits; i < chunk::kTocOffsetDigits; ++i)
        if (text[i] != 0)
            return std::nullopt;
    return value;
}

std::string Hex(std::uint64_t value)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), kDigits[value % 16]);
        value /= 16;
    } while (value != 0);
    return out;
}

bool TagIsAt(std::span<const std::uint8_t> bytes, std::string_view tag)
{
    return bytes.size() >= chunk::kTagSize && std::memcmp(bytes.data(), tag.data(), chunk::kTagSize) == 0;
}

} // namespace

std::vector<ChunkTocEntry> ReadChunkToc(const std::vector<const HeaderRecord*>& tocRecords)
{
    std::vector<ChunkTocEntry> entries;
    for (const HeaderRecord* record : tocRecords) {
        for (int i = 0; i < chunk::kTocEntriesPerRecord; ++i) {
            const std::uint8_t* e = record->data() + chunk::kTocFirstEntry + i * chunk::kTocEntrySize;
            if (e[0] == 0)
                return entries;
            ChunkTocEntry entry;
            for (std::size_t c = 0; c < chunk::kTagSize && e[c] != 0; ++c)
                entry.tag += static_cast<char>(e[c]);
            entry.offset = HexOffset(e + chunk::kTocOffsetText);
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

void CWaveHeadInfo::LoadChunkedFamily(std::span<const std::uint8_t> file)
{
    chunked_ = ChunkedHeader {};
    if (headerFamily_ != HeaderFamily::Family5)
        return;
    const ByteReader reader(file, ByteOrder::Little);
    auto note = [&](const std::string& problem) {
        if (chunked_.problem.empty())
            chunked_.problem = problem;
    };
    auto ended = [&](const std::string& what) {
        if (chunked_.truncation.empty())
            chunked_.truncation = what + "; the file ends at " + Hex(reader.size());
    };

    for (const ChunkTocEntry& entry : ReadChunkToc(RecordsTagged(std::string(chunk::kTocRecordTag)))) {
        const bool info = entry.tag == chunk::kInfoTag;
        const bool data = entry.tag == chunk::kDataTag;
        if (!info && !data)
            continue;
        if (!entry.offset) {
            note("the table of contents gives no offset for chunk " + entry.tag);
            continue;
        }
        const std::uint64_t at = *entry.offset;
        if (!reader.fits(at, chunk::kHeaderSize)) {
            ended("chunk " + entry.tag + " at " + Hex(at) + " lies beyond the end of the file");
            continue;
        }
        const auto header = reader.slice(at, chunk::kHeaderSize);
        if (!TagIsAt(header, entry.tag)) {
            note("the table of contents points at " + Hex(at) + " for chunk " + entry.tag
                + ", where another chunk stands");
            continue;
        }
        const int indexByte = header[chunk::kIndexByte];
        if (indexByte >= 2)
            continue;
        if (data) {
            chunked_.dataOffsets[static_cast<std::size_t>(indexByte)] = at;
            continue;
        }
        const std::uint32_t size = reader.u32(at + chunk::kSize);
        if (size > chunk::kMaxInfoChunkSize || size < chunk::kHeaderSize)
            continue;
        if (!reader.fits(at, size)) {
            ended("information chunk at " + Hex(at) + " runs past the end of the file");
            continue;
        }
        const auto bytes = reader.slice(at, size);
        chunked_.infoAreas[static_cast<std::size_t>(indexByte)].assign(bytes.begin(), bytes.end());
        ++chunked_.infoChunkCount;
    }

    // Which data set each channel belongs to, from the frame descriptions
    // (the channel names mark the channels of the second set).
    const ChunkFrameLayout layout = ReadChunkFrameLayout(*this);
    for (int g = 0; g < 4; ++g) {
        const auto w = static_cast<std::int8_t>(g % 2);
        for (const ChunkChannelEntry& e : layout.sets[static_cast<std::size_t>(g)].entries) {
            const int slot = e.unit * chunk::kChannelsPerUnit + e.channel;
            if (e.type == chunk::kAnalog && slot < kChannelHeaderSlots) {
                chunked_.channelSet[static_cast<std::size_t>(slot)] = w;
            } else if (e.type == chunk::kAnalogRun) {
                for (int k = 0; k < chunk::kRunLength && slot + k < kChannelHeaderSlots; ++k)
                    chunked_.channelSet[static_cast<std::size_t>(slot + k)] = w;
            } else if (e.type == chunk::kLogic) {
                for (int unit = 0; unit < 4; ++unit)
                    chunked_.logicUnitSet[static_cast<std::size_t>(unit)] = w;
            }
        }
    }
    for (int slot = 0; slot < kChannelHeaderSlots; ++slot)
        SetChannelMarker(slot, chunked_.channelSet[static_cast<std::size_t>(slot)] == 1);
    for (int unit = 0; unit < kLogicHeaderSlots; ++unit)
        SetLogicUnitMarker(unit, chunked_.logicUnitSet[static_cast<std::size_t>(unit)] == 1);
}

} // namespace kp
