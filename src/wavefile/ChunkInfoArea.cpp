#include "wavefile/ChunkInfoArea.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChunkFormat.h"

namespace kp {

namespace {

bool AllZero(std::span<const std::uint8_t> bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

bool TagEquals(std::span<const std::uint8_t> bytes, std::string_view tag)
{
    return tag.size() == chunk::kTagSize && bytes.size() >= chunk::kTagSize
        && std::memcmp(bytes.data(), tag.data(), chunk::kTagSize) == 0;
}

std::string TextAt(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t length)
{
    std::string out;
    for (std::size_t i = 0; i < length && offset + i < bytes.size() && bytes[offset + i] != 0; ++i)
        out += static_cast<char>(bytes[offset + i]);
    return out;
}

} // namespace

void WalkSubChunks(std::span<const std::uint8_t> bytes, std::uint64_t begin, int area,
    const std::function<bool(const Chunk5595Info&)>& visit)
{
    const ByteReader reader(bytes, ByteOrder::Little);
    std::uint64_t at = begin;
    while (reader.fits(at, chunk::kSubHeaderSize)) {
        const auto header = reader.slice(at, chunk::kSubHeaderSize);
        if (header[0] == 0 || AllZero(header))
            return;
        Chunk5595Info info;
        info.indexByte = header[chunk::kIndexByte];
        info.subKind = header[chunk::kSubKindByte];
        info.area = area;
        if (header[0] == 'S') {
            info.size = reader.u16(at + chunk::kSubSize);
            info.paramOffset = reader.u16(at + chunk::kSubParamOffset16);
        } else {
            if (!reader.fits(at, chunk::kSubLongHeaderSize))
                return;
            info.size = reader.u32(at + chunk::kSubSize);
            info.paramOffset = reader.u32(at + chunk::kSubParamOffset32);
        }
        if (info.size == 0)
            return;
        const std::uint64_t available = reader.size() - at;
        info.bytes = reader.slice(at, std::min<std::uint64_t>(info.size, available));
        if (!visit(info))
            return;
        const std::uint64_t step = chunk::AlignSub(info.size);
        if (step > available)
            return;
        at += step;
    }
}

std::optional<Chunk5595Info> FindSubChunk(std::span<const std::uint8_t> bytes, std::uint64_t begin, int area,
    std::string_view tag, int indexByte, int subKind)
{
    std::optional<Chunk5595Info> found;
    WalkSubChunks(bytes, begin, area, [&](const Chunk5595Info& info) {
        if (TagEquals(info.bytes, tag) && (indexByte < 0 || info.indexByte == indexByte)
            && (subKind < 0 || info.subKind == subKind)) {
            found = info;
            return false;
        }
        return true;
    });
    return found;
}

std::span<const std::uint8_t> SubChunkParameters(const Chunk5595Info& info)
{
    if (info.paramOffset >= info.bytes.size())
        return {};
    return info.bytes.subspan(static_cast<std::size_t>(info.paramOffset));
}

bool ChunkChannelSettings::HasPrecisionMark() const
{
    if (precisionMark.size() != 3)
        return false;
    std::string upper;
    for (char c : precisionMark) {
        if (!std::isalpha(static_cast<unsigned char>(c)))
            return false;
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper != "OFF";
}

// ------------------------------------------------------ CWaveHeadInfo part

std::optional<Chunk5595Info> CWaveHeadInfo::Retrieve5595ChunkInfo(
    std::string_view tag, int indexByte, int subKind) const
{
    if (headerFamily_ != HeaderFamily::Family5)
        return std::nullopt;
    for (int area = 0; area < 2; ++area) {
        const auto& bytes = chunked_.infoAreas[static_cast<std::size_t>(area)];
        if (auto found = FindSubChunk(bytes, chunk::kHeaderSize, area, tag, indexByte, subKind))
            return found;
    }
    return std::nullopt;
}

std::span<const std::uint8_t> CWaveHeadInfo::GetChunkInfoArea(int indexByte) const
{
    if (headerFamily_ != HeaderFamily::Family5 || indexByte < 0 || indexByte > 1)
        return {};
    return chunked_.infoAreas[static_cast<std::size_t>(indexByte)];
}

int CWaveHeadInfo::GetChunkInfoCount() const
{
    return headerFamily_ == HeaderFamily::Family5 ? chunked_.infoChunkCount : 0;
}

std::optional<std::uint64_t> CWaveHeadInfo::GetChunkDataOffset(int indexByte) const
{
    if (headerFamily_ != HeaderFamily::Family5 || indexByte < 0 || indexByte > 1)
        return std::nullopt;
    return chunked_.dataOffsets[static_cast<std::size_t>(indexByte)];
}

const std::string& CWaveHeadInfo::GetChunkProblem() const
{
    static const std::string kNone;
    return headerFamily_ == HeaderFamily::Family5 ? chunked_.problem : kNone;
}

const std::string& CWaveHeadInfo::GetChunkTruncation() const
{
    static const std::string kNone;
    return headerFamily_ == HeaderFamily::Family5 ? chunked_.truncation : kNone;
}

std::optional<ChunkChannelSettings> CWaveHeadInfo::GetChunkChannelSettings(int ch) const
{
    if (ch < 0 || ch >= kChannelHeaderSlots)
        return std::nullopt;
    const int unit = ch / chunk::kChannelsPerUnit;
    const int channel = ch % chunk::kChannelsPerUnit;
    for (int indexByte = 0; indexByte < 2; ++indexByte) {
        const auto info = Retrieve5595ChunkInfo(chunk::kChannelTag, indexByte, 0);
        if (!info)
            continue;
        const ByteReader params(SubChunkParameters(*info), ByteOrder::Little);
        if (!params.fits(0, chunk::kChannelEntries))
            continue;
        const std::uint64_t count = params.u16(chunk::kChannelCount);
        const std::uint64_t size = params.u16(chunk::kChannelEntrySizeField);
        if (size < chunk::kChannelEntrySize)
            continue;
        for (std::uint64_t e = 0; e < count; ++e) {
            const std::uint64_t at = chunk::kChannelEntries + e * size;
            if (!params.fits(at, chunk::kChannelEntrySize))
                break;
            const auto entry = params.slice(at, chunk::kChannelEntrySize);
            if (entry[chunk::kChValid] != 1 || entry[chunk::kChUnit] != unit || entry[chunk::kChChannel] != channel)
                continue;
            const ByteReader r(entry, ByteOrder::Little);
            ChunkChannelSettings s;
            s.valuePerCode = r.f64(chunk::kChValuePerCode);
            s.offset = r.f64(chunk::kChOffset);
            s.displayCodesPerDiv = r.i32(chunk::kChDisplayCodes);
            s.zeroCode = r.i16(chunk::kChZeroCode);
            s.precisionMark = TextAt(entry, chunk::kChPrecision, chunk::kChPrecisionSize);
            s.unitText = TextAt(entry, chunk::kChUnitText, chunk::kChUnitTextSize);
            return s;
        }
    }
    return std::nullopt;
}

int CWaveHeadInfo::GetChunkChannelSet(int ch) const
{
    if (headerFamily_ != HeaderFamily::Family5 || ch < 0 || ch >= static_cast<int>(chunked_.channelSet.size()))
        return -1;
    return chunked_.channelSet[static_cast<std::size_t>(ch)];
}

int CWaveHeadInfo::GetChunkLogicUnitSet(int unit) const
{
    if (headerFamily_ != HeaderFamily::Family5 || unit < 0 || unit >= static_cast<int>(chunked_.logicUnitSet.size()))
        return -1;
    return chunked_.logicUnitSet[static_cast<std::size_t>(unit)];
}

} // namespace kp
