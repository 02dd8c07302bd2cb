// Chunk layout of the chunked family: header records, table of contents, then
// the information chunks, the data chunk and the file-reference chunks, one
// after another.
#include "synth/Family5Writer.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <stdexcept>

#include "synth/FamilyWriter.h"
#include "synth/RecordBytes.h"
#include "wavefile/ChunkFormat.h"
#include "wavefile/ChunkFrameLayout.h"

namespace kp::synth {

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutTag(Bytes& out, std::size_t at, const std::string& tag)
{
    if (tag.size() > chunk::kTagSize)
        throw std::invalid_argument("chunk tag longer than 8 characters: " + tag);
    std::copy(tag.begin(), tag.end(), out.begin() + static_cast<std::ptrdiff_t>(at));
}

void Set16(Bytes& out, std::size_t at, std::uint16_t v)
{
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Set32(Bytes& out, std::size_t at, std::uint32_t v)
{
    Set16(out, at, static_cast<std::uint16_t>(v));
    Set16(out, at + 2, static_cast<std::uint16_t>(v >> 16));
}

void Set64(Bytes& out, std::size_t at, std::uint64_t v)
{
    Set32(out, at, static_cast<std::uint32_t>(v));
    Set32(out, at + 4, static_cast<std::uint32_t>(v >> 32));
}

void PutText(Bytes& out, std::size_t at, const std::string& text, std::size_t room)
{
    if (text.size() > room)
        throw std::invalid_argument("text does not fit its " + std::to_string(room) + " bytes: " + text);
    std::copy(text.begin(), text.end(), out.begin() + static_cast<std::ptrdiff_t>(at));
}

void PadTo16(Bytes& out)
{
    out.resize(static_cast<std::size_t>(chunk::AlignSub(out.size())), 0);
}

// A sub-chunk with the short header: tag, index byte, sub-kind, u16 size, u16
// parameter offset; `body` follows the header.
Bytes ShortSubChunk(
    const std::string& tag, std::uint8_t indexByte, std::uint8_t subKind, const Bytes& body, std::size_t paramOffset)
{
    Bytes out(chunk::kSubHeaderSize, 0);
    PutTag(out, 0, tag);
    out[chunk::kIndexByte] = indexByte;
    out[chunk::kSubKindByte] = subKind;
    out.insert(out.end(), body.begin(), body.end());
    if (out.size() > 0xFFFF || paramOffset > 0xFFFF)
        throw std::invalid_argument("sub-chunk " + tag + " does not fit a 16-bit size");
    Set16(out, chunk::kSubSize, static_cast<std::uint16_t>(out.size()));
    Set16(out, chunk::kSubParamOffset16, static_cast<std::uint16_t>(paramOffset));
    return out;
}

Bytes RawSubChunk(const RawSubChunkBlueprint& raw)
{
    if (!raw.tag.empty() && raw.tag[0] == 'S')
        return ShortSubChunk(raw.tag, raw.indexByte, raw.subKind, raw.body, chunk::kSubHeaderSize);
    Bytes out(chunk::kSubLongHeaderSize, 0);
    PutTag(out, 0, raw.tag);
    out[chunk::kIndexByte] = raw.indexByte;
    out[chunk::kSubKindByte] = raw.subKind;
    out.insert(out.end(), raw.body.begin(), raw.body.end());
    Set32(out, chunk::kSubSize, static_cast<std::uint32_t>(out.size()));
    Set32(out, chunk::kSubParamOffset32, static_cast<std::uint32_t>(chunk::kSubLongHeaderSize));
    return out;
}

Bytes EditSubChunk(const ChunkFrameBlueprint& frame)
{
    const std::size_t count = frame.entries.size();
    Bytes body(chunk::kEditEntries - chunk::kSubHeaderSize + count * chunk::kEditEntrySize, 0);
    const std::size_t base = chunk::kSubHeaderSize;
    Set16(body, chunk::kEditFrameSize - base, frame.frameSize.value_or(ChunkFrameBytes(frame.entries)));
    Set16(body, chunk::kEditEntryCount - base, frame.entryCount.value_or(static_cast<std::uint16_t>(count)));
    for (std::size_t i = 0; i < count; ++i) {
        const ChunkEntryBlueprint& e = frame.entries[i];
        const std::size_t at = chunk::kEditEntries - base + i * chunk::kEditEntrySize;
        body[at] = e.type;
        body[at + 1] = e.byteSize;
        body[at + 2] = e.unit;
        body[at + 3] = e.channel;
    }
    return ShortSubChunk(std::string(chunk::kEditTag), frame.indexByte,
        frame.secondPair ? chunk::kSecondPairSubKind : 0, body, chunk::kSubHeaderSize);
}

Bytes MainSubChunk(const ChunkInfoBlueprint& info, const std::vector<ChunkFrameBlueprint>& frames)
{
    // Nested frame descriptions from byte 16, then 16 zero bytes, then the
    // parameters.
    Bytes nested;
    for (const ChunkFrameBlueprint& f : frames) {
        if (f.indexByte != info.indexByte)
            continue;
        const Bytes edit = EditSubChunk(f);
        nested.insert(nested.end(), edit.begin(), edit.end());
        PadTo16(nested);
    }
    nested.resize(nested.size() + chunk::kSubAlign, 0);
    const std::size_t q = chunk::kSubHeaderSize + nested.size();
    Bytes params(chunk::kMainParamSize, 0);
    Set16(params, chunk::kPeriodMantissa, info.period.mantissa);
    params[chunk::kPeriodExponent] = static_cast<std::uint8_t>(info.period.exponent);
    PutText(params, chunk::kPeriodUnit, info.period.unit, chunk::kPeriodUnitSize);
    Set32(params, chunk::kStartValue0, static_cast<std::uint32_t>(info.startValue0));
    Set32(params, chunk::kStartValue1, static_cast<std::uint32_t>(info.startValue1));
    nested.insert(nested.end(), params.begin(), params.end());
    return ShortSubChunk(std::string(chunk::kMainTag), info.indexByte, 0, nested, q);
}

Bytes ChannelSubChunk(const ChunkInfoBlueprint& info)
{
    Bytes params(chunk::kChannelEntries + info.channels.size() * chunk::kChannelEntrySize, 0);
    Set16(params, chunk::kChannelCount, static_cast<std::uint16_t>(info.channels.size()));
    Set16(params, chunk::kChannelEntrySizeField, static_cast<std::uint16_t>(chunk::kChannelEntrySize));
    for (std::size_t i = 0; i < info.channels.size(); ++i) {
        const ChunkChannelSettingBlueprint& c = info.channels[i];
        if (c.slot < 0 || c.slot >= 352)
            throw std::invalid_argument("channel settings for slot " + std::to_string(c.slot));
        const std::size_t at = chunk::kChannelEntries + i * chunk::kChannelEntrySize;
        params[at + chunk::kChValid] = c.valid;
        params[at + chunk::kChUnit] = static_cast<std::uint8_t>(c.slot / chunk::kChannelsPerUnit);
        params[at + chunk::kChChannel] = static_cast<std::uint8_t>(c.slot % chunk::kChannelsPerUnit);
        PutText(params, at + chunk::kChPrecision, c.precisionMark, chunk::kChPrecisionSize);
        Set64(params, at + chunk::kChValuePerCode, std::bit_cast<std::uint64_t>(c.valuePerCode));
        Set64(params, at + chunk::kChOffset, std::bit_cast<std::uint64_t>(c.offset));
        Set32(params, at + chunk::kChDisplayCodes, static_cast<std::uint32_t>(c.displayCodesPerDiv));
        Set16(params, at + chunk::kChZeroCode, static_cast<std::uint16_t>(c.zeroCode));
        PutText(params, at + chunk::kChUnitText, c.unitText, chunk::kChUnitTextSize);
    }
    return ShortSubChunk(std::string(chunk::kChannelTag), info.indexByte, 0, params, chunk::kSubHeaderSize);
}

Bytes ChunkHeader(const std::string& tag, std::uint8_t indexByte, std::uint8_t subKind, std::uint32_t dataOffset)
{
    Bytes out(chunk::kHeaderSize, 0);
    PutTag(out, 0, tag);
    out[chunk::kIndexByte] = indexByte;
    out[chunk::kSubKindByte] = subKind;
    Set32(out, chunk::kDataOffset, dataOffset);
    return out;
}

void FinishChunk(Bytes& chunkBytes)
{
    Set32(chunkBytes, chunk::kSize, static_cast<std::uint32_t>(chunkBytes.size()));
}

Bytes InfoChunk(const ChunkInfoBlueprint& info, const std::vector<ChunkFrameBlueprint>& frames)
{
    Bytes out = ChunkHeader(std::string(chunk::kInfoTag), info.indexByte, 0, chunk::kHeaderSize);
    auto append = [&](const Bytes& sub) {
        out.insert(out.end(), sub.begin(), sub.end());
        PadTo16(out);
    };
    if (info.writeMain)
        append(MainSubChunk(info, frames));
    if (!info.channels.empty())
        append(ChannelSubChunk(info));
    for (const RawSubChunkBlueprint& raw : info.extra)
        append(RawSubChunk(raw));
    out.resize(out.size() + chunk::kSubAlign, 0);
    if (info.padTo > out.size())
        out.resize(info.padTo, 0);
    FinishChunk(out);
    return out;
}

Bytes DataChunk(const ChunkedFileBlueprint& blueprint, std::uint64_t at, std::vector<std::uint64_t>& blockOffsets)
{
    Bytes out = ChunkHeader(std::string(chunk::kDataTag), blueprint.dataIndexByte, 0, chunk::kHeaderSize);
    for (const ChunkBlockBlueprint& b : blueprint.blocks) {
        blockOffsets.push_back(at + out.size());
        Bytes block = ChunkHeader(b.tag, b.indexByte, b.subKind, b.dataOffset.value_or(chunk::kBlockMinSize));
        Bytes param(chunk::kHeaderSize, 0);
        PutTag(param, 0, b.paramTag);
        Set32(param, chunk::kBlockStartPoint, b.startPoint);
        Set32(param, chunk::kBlockPointCount, b.frameCount);
        block.insert(block.end(), param.begin(), param.end());
        block.insert(block.end(), b.frames.begin(), b.frames.end());
        Set32(block, chunk::kSize, b.size.value_or(static_cast<std::uint32_t>(block.size())));
        out.insert(out.end(), block.begin(), block.end());
    }
    if (blueprint.endChain)
        out.resize(out.size() + chunk::kHeaderSize, 0);
    FinishChunk(out);
    return out;
}

} // namespace

void AppendUtf16(Bytes& out, const std::string& utf8)
{
    auto unit = [&](std::uint32_t u) {
        out.push_back(static_cast<std::uint8_t>(u));
        out.push_back(static_cast<std::uint8_t>(u >> 8));
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<std::uint8_t>(utf8[i]);
        const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        if (i + static_cast<std::size_t>(length) > utf8.size())
            throw std::invalid_argument("name is not UTF-8: " + utf8);
        std::uint32_t cp = length == 1 ? c : length == 2 ? (c & 0x1Fu) : length == 3 ? (c & 0x0Fu) : (c & 0x07u);
        for (int k = 1; k < length; ++k)
            cp = (cp << 6) | (static_cast<std::uint8_t>(utf8[i + static_cast<std::size_t>(k)]) & 0x3Fu);
        i += static_cast<std::size_t>(length);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            unit(0xD800 + (cp >> 10));
            unit(0xDC00 + (cp & 0x3FF));
        } else {
            unit(cp);
        }
    }
}

namespace {

Bytes FileChunk(const ChunkFileEntryBlueprint& file)
{
    const std::size_t entryAt = chunk::kHeaderSize + chunk::kSubHeaderSize;
    Bytes out = ChunkHeader(std::string(chunk::kFileRefTag), 0, 0, static_cast<std::uint32_t>(entryAt));
    Bytes name;
    AppendUtf16(name, file.name);
    Bytes entry(chunk::kFileEntryName, 0);
    Set16(entry, chunk::kFileEntryNumber, file.number);
    Set16(entry, chunk::kFileEntryNameLength, static_cast<std::uint16_t>(name.size()));
    entry.insert(entry.end(), name.begin(), name.end());
    entry.push_back(0);
    entry.push_back(0);
    const Bytes sub = ShortSubChunk(std::string(chunk::kFileTag), 0, 0, entry, chunk::kSubHeaderSize);
    out.insert(out.end(), sub.begin(), sub.end());
    PadTo16(out);
    FinishChunk(out);
    return out;
}

std::string HexText(std::uint64_t offset)
{
    char text[32];
    std::snprintf(text, sizeof text, "%08llX", static_cast<unsigned long long>(offset));
    return text;
}

} // namespace

std::uint16_t ChunkFrameBytes(const std::vector<ChunkEntryBlueprint>& entries)
{
    const auto distance = static_cast<std::uint32_t>(2 * entries.size());
    std::uint32_t position = 0, reach = 0;
    for (const ChunkEntryBlueprint& e : entries) {
        const ChunkEntryShape shape = ShapeOfChunkEntry(e.type, e.byteSize, distance);
        reach = std::max(reach, position + shape.needs);
        position += shape.advance;
    }
    reach = std::max(reach, position);
    if (reach > 0xFFFF)
        throw std::invalid_argument("frame larger than 65535 bytes");
    return static_cast<std::uint16_t>(reach);
}

ChunkedFile WriteChunkedFile(const ChunkedFileBlueprint& blueprint)
{
    for (const ChunkFrameBlueprint& f : blueprint.frames) {
        const bool hasInfo = std::any_of(blueprint.infos.begin(), blueprint.infos.end(),
            [&](const ChunkInfoBlueprint& i) { return i.indexByte == f.indexByte && i.writeMain; });
        if (!hasInfo)
            throw std::invalid_argument("frame description of index " + std::to_string(f.indexByte)
                + " without an information chunk to hold it");
    }
    std::vector<Bytes> infos;
    for (const ChunkInfoBlueprint& info : blueprint.infos)
        infos.push_back(InfoChunk(info, blueprint.frames));
    std::vector<Bytes> files;
    for (const ChunkFileEntryBlueprint& f : blueprint.files)
        files.push_back(FileChunk(f));

    const std::size_t chunks = infos.size() + (blueprint.writeData ? 1 : 0) + files.size();
    const std::size_t tocEntries
        = chunks + blueprint.leadingToc.size() + blueprint.extraToc.size() + (blueprint.emptyTocEntryAt >= 0 ? 1 : 0);
    const std::size_t tocRecords = (tocEntries + chunk::kTocEntriesPerRecord - 1) / chunk::kTocEntriesPerRecord;
    const std::size_t recordCount = 1 + blueprint.records.size() + tocRecords;

    ChunkedFile result;
    std::uint64_t at = recordCount * 512;
    std::vector<ChunkTocEntryBlueprint> toc = blueprint.leadingToc;
    for (std::size_t i = 0; i < infos.size(); ++i) {
        result.infoOffsets.push_back(at);
        toc.push_back({ std::string(chunk::kInfoTag), HexText(at) });
        at += infos[i].size();
    }
    Bytes data;
    if (blueprint.writeData) {
        result.dataOffset = at;
        data = DataChunk(blueprint, at, result.blockOffsets);
        toc.push_back({ std::string(chunk::kDataTag), HexText(at) });
        at += data.size();
    }
    for (const Bytes& f : files) {
        result.fileOffsets.push_back(at);
        toc.push_back({ std::string(chunk::kFileRefTag), HexText(at) });
        at += f.size();
    }
    toc.insert(toc.end(), blueprint.extraToc.begin(), blueprint.extraToc.end());
    if (blueprint.emptyTocEntryAt >= 0)
        toc.insert(
            toc.begin() + std::min<std::ptrdiff_t>(blueprint.emptyTocEntryAt, static_cast<std::ptrdiff_t>(toc.size())),
            ChunkTocEntryBlueprint {});

    RecordBlueprint main = blueprint.main;
    main.fields[1] = std::to_string(recordCount);
    Bytes& out = result.bytes;
    AppendRecord(out, MakeRecord(main));
    for (const RecordBlueprint& r : blueprint.records)
        AppendRecord(out, MakeRecord(r));
    for (std::size_t r = 0; r < tocRecords; ++r) {
        RecordBlueprint hm { std::string(chunk::kTocRecordTag), {}, {} };
        for (int i = 0; i < chunk::kTocEntriesPerRecord; ++i) {
            const std::size_t n = r * chunk::kTocEntriesPerRecord + static_cast<std::size_t>(i);
            if (n >= toc.size() || toc[n].tag.empty())
                continue;
            Bytes entry(chunk::kTocEntrySize, 0);
            PutTag(entry, 0, toc[n].tag);
            PutText(entry, chunk::kTocOffsetText, toc[n].offsetText, chunk::kTocOffsetDigits);
            hm.bytes.emplace_back(chunk::kTocFirstEntry + static_cast<std::size_t>(i) * chunk::kTocEntrySize, entry);
        }
        AppendRecord(out, MakeRecord(hm));
    }
    for (const Bytes& b : infos)
        out.insert(out.end(), b.begin(), b.end());
    out.insert(out.end(), data.begin(), data.end());
    for (const Bytes& f : files)
        out.insert(out.end(), f.begin(), f.end());
    return result;
}

ChunkedFileBlueprint ChunkedIndexBlueprint(const std::string& model, const std::vector<std::string>& names)
{
    ChunkedFileBlueprint blueprint;
    blueprint.main.tag = "HIS";
    blueprint.main.fields[2] = model;
    blueprint.main.fields[6] = std::to_string(names.size());
    blueprint.writeData = false;
    for (std::size_t i = 0; i < names.size(); ++i)
        blueprint.files.push_back({ names[i], static_cast<std::uint16_t>(i + 1) });
    return blueprint;
}

} // namespace kp::synth
