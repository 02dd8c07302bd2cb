#pragma once
// The chunked family's writer (models 5595, 3945 and their "-50" variants):
// text header records whose "HM" table of contents points at little-endian
// chunks: waveform-information chunks with their sub-chunks, the
// waveform-data chunk with its chain of blocks, and the file-reference chunks
// of an index file.
//
// Two levels: ChunkedFileBlueprint lays out chunks exactly as described (tests of
// malformed files change single fields); Family5Options turns a Recording into
// such a description, choosing channel entries and splitting frames into
// blocks, so that reading the file gives back the Recording's codes.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "synth/Recording.h"

namespace kp::synth {

// mantissa x 10^exponent x unit ("sec", "min", "hour", "day", "week",
// "month", "year" or any other text, which counts as seconds).
struct ChunkPeriodBlueprint {
    std::uint16_t mantissa = 1;
    std::int8_t exponent = -6;
    std::string unit = "sec";
};

struct ChunkEntryBlueprint {
    std::uint8_t type = 1;
    std::uint8_t byteSize = 2;
    std::uint8_t unit = 0; // 0-based
    std::uint8_t channel = 0; // 0-based; slot = unit x 16 + channel
};

// One frame description ("SXIIWEDT"), nested in the "SXIIWFMN" of the
// information chunk with the same index byte.
struct ChunkFrameBlueprint {
    std::uint8_t indexByte = 0;
    bool secondPair = false; // sub-kind 98
    std::vector<ChunkEntryBlueprint> entries;
    // Defaults: the bytes the entries reach; the number of entries. A larger
    // count describes entries that the sub-chunk does not hold.
    std::optional<std::uint16_t> frameSize;
    std::optional<std::uint16_t> entryCount;
};

// One entry of the per-channel settings ("SXACAWMN").
struct ChunkChannelSettingBlueprint {
    int slot = 0;
    std::uint8_t valid = 1;
    double valuePerCode = 1.0;
    double offset = 0.0;
    std::int32_t displayCodesPerDiv = 1600;
    std::int16_t zeroCode = 0;
    std::string precisionMark = "OFF"; // up to 4 characters
    std::string unitText; // up to 16 characters
};

// Any further sub-chunk. Tags beginning with "S" get the short header (u16
// size and parameter offset), others the long one (u32 each, body from 20).
struct RawSubChunkBlueprint {
    std::string tag;
    std::uint8_t indexByte = 0;
    std::uint8_t subKind = 0;
    std::vector<std::uint8_t> body;
};

// One waveform-information chunk ("LWBBWINF").
struct ChunkInfoBlueprint {
    std::uint8_t indexByte = 0;
    bool writeMain = true; // the "SXIIWFMN" with its frame descriptions and period
    ChunkPeriodBlueprint period;
    std::int32_t startValue0 = 0; // parameter byte 113: the index-0 reference
    std::int32_t startValue1 = 0; // parameter byte 117: the index-1 start
    std::vector<ChunkChannelSettingBlueprint> channels; // "SXACAWMN" when not empty
    std::vector<RawSubChunkBlueprint> extra;
    std::uint32_t padTo = 0; // zeros appended until the chunk has this size
};

struct ChunkBlockBlueprint {
    std::uint8_t indexByte = 0;
    std::uint8_t subKind = 0;
    std::uint32_t startPoint = 0;
    std::uint32_t frameCount = 0;
    std::vector<std::uint8_t> frames; // the raw frames
    std::string tag = "LXIIWBLK";
    std::string paramTag = "SX__BLKP";
    std::optional<std::uint32_t> size; // default: 64 + frames
    std::optional<std::uint32_t> dataOffset; // default: 64
};

struct ChunkFileEntryBlueprint {
    std::string name; // UTF-8; written as little-endian UTF-16
    std::uint16_t number = 0;
};

struct ChunkTocEntryBlueprint {
    std::string tag;
    std::string offsetText; // 8 characters as stored
};

struct ChunkedFileBlueprint {
    RecordBlueprint main; // field 1 (record count) is set by the writer
    std::vector<RecordBlueprint> records;
    std::vector<ChunkFrameBlueprint> frames;
    std::vector<ChunkInfoBlueprint> infos;
    bool writeData = true;
    std::uint8_t dataIndexByte = 0;
    std::vector<ChunkBlockBlueprint> blocks;
    bool endChain = true; // 32 zero bytes after the last block
    std::vector<ChunkFileEntryBlueprint> files;
    // Table of contents: an entry with an empty tag at this position (the
    // entries after it are still written); raw entries before and after the
    // entries of the chunks written.
    int emptyTocEntryAt = -1;
    std::vector<ChunkTocEntryBlueprint> leadingToc;
    std::vector<ChunkTocEntryBlueprint> extraToc;
};

// Where the writer put things, for tests that change single bytes.
struct ChunkedFile {
    std::vector<std::uint8_t> bytes;
    std::vector<std::uint64_t> infoOffsets;
    std::uint64_t dataOffset = 0;
    std::vector<std::uint64_t> blockOffsets;
    std::vector<std::uint64_t> fileOffsets;
};

// Throws std::invalid_argument when a part does not fit its field (a sub-chunk
// over 65535 bytes, a frame description without an information chunk of its
// index byte).
ChunkedFile WriteChunkedFile(const ChunkedFileBlueprint& blueprint);

// Bytes the entries of one frame description reach (the default frame size).
std::uint16_t ChunkFrameBytes(const std::vector<ChunkEntryBlueprint>& entries);

// An index file (tag "HIS") of a chunked-family model listing `names`.
ChunkedFileBlueprint ChunkedIndexBlueprint(const std::string& model, const std::vector<std::string>& names);

// ---------------------------------------------------------- from a Recording

struct Family5Options {
    std::array<ChunkPeriodBlueprint, 2> periods {};
    // Start values of the two "SXIIWFMN": index-1 frames are shifted by
    // startValue1 - startValue0 points (none when startValue1 is 0).
    std::int32_t startValue0 = 0;
    std::int32_t startValue1 = 0;
    // Data set (0-3: index byte set % 2, second pair for 2 and 3) of an analog
    // slot; slots not listed go to set 0. Logic units 0-3 share one set.
    std::map<int, int> analogSet;
    int logicSet = 0;
    // Eight consecutive slots of one set from a multiple of 8 as one run entry.
    bool runs = false;
    std::int64_t framesPerBlock = 1000;
    std::vector<ChunkChannelSettingBlueprint> channels;
};

// Appends UTF-8 text as little-endian UTF-16 units; throws
// std::invalid_argument for text that is not UTF-8.
void AppendUtf16(std::vector<std::uint8_t>& out, const std::string& utf8);

// Throws std::invalid_argument for what the family cannot carry: float,
// pulse and 32-bit logic channels, logic units from 4 on, slots from 352 on,
// secondary values of calculation slots, and index-1 codes that change within
// the points one frame stands for (or points no frame covers that are not 0).
ChunkedFileBlueprint DescribeFamily5File(const Recording& recording, const Family5Options& options);
std::vector<std::uint8_t> WriteFamily5(const Recording& recording, const Family5Options& options);

} // namespace kp::synth
